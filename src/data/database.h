#pragma once

#include "data/app_state.h"

namespace solario {

// The material database beside the program.
inline const QString kDatabaseFileName = QStringLiteral("app.db");

// Builds the connection string for the file in the program folder, keeps it in
// connectionString and opens the connection read-only. A failure carries the engine's
// description.
Status OpenDatabaseFile(const QString& programFolder, std::unique_ptr<Connection>& connection,
                        const QString& fileName, QString& connectionString);

// Closes the connection and releases it.
void CloseDatabase(std::unique_ptr<Connection>& connection);

} // namespace solario
