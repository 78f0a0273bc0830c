#pragma once

#include "data/app_state.h"

namespace solario {

// The material database's file name, in each folder it is looked for in.
inline const QString kDatabaseFileName = QStringLiteral("app.db");

// The folders of the user's and of the whole system's data for the program:
// $XDG_DATA_HOME/solario and /var/lib/solario (Windows: %LOCALAPPDATA%\Solario and
// %PROGRAMDATA%\Solario).
QString DefaultUserDataFolder();
QString DefaultSystemDataFolder();

struct DatabaseLocation {
    QString path;
    DatabasePlace place = DatabasePlace::Program;
};
// The database to open: the file given on the command line; else the first that exists
// of app.db in the user's data folder, in the system's, and beside the program (an empty
// folder is not looked in). Beside the program when none exists, so that the failure
// names that file.
DatabaseLocation LocateDatabase(const QString& commandLine, const QString& userFolder,
                                const QString& systemFolder, const QString& programFolder);
// The place in words, as the menu tells it ("利用者のデータフォルダ"); in English for a
// terminal whose user does not read Japanese.
QString PlaceName(DatabasePlace place, bool japanese = true);

// Builds the connection string for the file, keeps it in connectionString and opens the
// connection read-only. Only a regular file is opened: a missing file, a folder, a pipe
// or a device is refused at once. A failure carries the cause and the file.
Status OpenDatabaseFile(const QString& path, std::unique_ptr<Connection>& connection,
                        QString& connectionString);

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

// The date the database was imported (ISO, "2026-12-11"), or an empty text.
QString DatabaseImportDate(Connection& connection);

// What the menu tells of the data in use: its edition, its file and where that was
// found, when it was imported, and whether it is made up. Lines apart by a carriage
// return.
QString DataInUseText(const AppState& s, Connection& connection);

// Closes the connection and releases it.
void CloseDatabase(std::unique_ptr<Connection>& connection);

} // namespace solario
