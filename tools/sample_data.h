#pragma once

#include "platform/result.h"

#include <QString>
#include <QStringList>

namespace solario::sample {

// The 41 general names of asbestos-containing materials, in the order of the name
// search's list.
const QStringList& GeneralNames();

// Writes a complete, fictional material database to the path (replacing a file
// there): the product table with `products` rows and the two general-name tables.
// The same seed always gives the same file contents.
Status WriteSampleDatabase(const QString& path, int products, quint64 seed = 20061201);

} // namespace solario::sample
