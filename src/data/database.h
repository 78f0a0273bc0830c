#pragma once

#include "data/app_state.h"
#include "platform/platform.h"

namespace solario {

// The material database beside the program.
inline const QString kDatabaseFileName = QStringLiteral("app.db");

// Builds the connection string for the file in the program folder, keeps it in
// connectionString and opens the connection read-only. On failure shows the connection
// error box with the engine's description and returns false.
bool OpenDatabase(const AppState& s, Platform& platform, std::unique_ptr<Connection>& connection,
                  const QString& fileName, QString& connectionString);

// Closes the connection and releases it.
void CloseDatabase(std::unique_ptr<Connection>& connection);

} // namespace solario
