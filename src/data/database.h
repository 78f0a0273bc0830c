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

// Checks that the database holds what the searches read: the three material tables with
// every column the program uses, and each product ID once. The failure names what is
// missing or doubled.
Status CheckMaterialTables(Connection& connection);

// The small table in which a material database says what it is: rows of key and value.
// A database without it is taken as real data of the program's own edition.
inline const QString kMetadataTable = QStringLiteral("solario_metadata");
inline const QString kMetadataKind = QStringLiteral("kind");       // "sample" for made-up data
inline const QString kMetadataEdition = QStringLiteral("edition"); // e.g. "２００６年１２月版"
inline const QString kMetadataImported = QStringLiteral("imported"); // date of an import
inline const QString kSampleKind = QStringLiteral("sample");
inline const QString kCreateMetadataTable =
    QStringLiteral("CREATE TABLE ") + kMetadataTable +
    QStringLiteral(" (key TEXT PRIMARY KEY, value TEXT NOT NULL)");

// True when the database says that its products are made up.
bool IsSampleDatabase(Connection& connection);
// The data edition the database gives (e.g. "２０２６年１２月版"), or an empty text when it
// gives none; the program's own edition then stands.
QString DatabaseEdition(Connection& connection);

// Closes the connection and releases it.
void CloseDatabase(std::unique_ptr<Connection>& connection);

} // namespace solario
