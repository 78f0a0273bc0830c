#pragma once

#include "data/database.h"
#include "shell/platform.h"

namespace solario {

// Opens the database file read-only. On failure shows the connection error box with the
// cause and the file, and returns false.
bool OpenDatabase(Platform& platform, std::unique_ptr<Connection>& connection,
                  const QString& path, QString& connectionString);

} // namespace solario
