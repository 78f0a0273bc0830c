#pragma once

#include "data/database.h"
#include "shell/platform.h"

namespace solario {

// Opens the database file of the program folder read-only. On failure shows the
// connection error box with the engine's description and returns false.
bool OpenDatabase(const AppState& s, Platform& platform, std::unique_ptr<Connection>& connection,
                  const QString& fileName, QString& connectionString);

} // namespace solario
