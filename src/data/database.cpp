#include "data/database.h"

#include "data/field_catalogue.h"
#include "platform/statement.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace solario {

QString DefaultUserDataFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#ifdef Q_OS_WIN
    return data.isEmpty() ? QString() : data + QStringLiteral("/Solario");
#else
    return data.isEmpty() ? QString() : data + QStringLiteral("/solario");
#endif
}

QString DefaultSystemDataFolder() {
#ifdef Q_OS_WIN
    const QString data = qEnvironmentVariable("PROGRAMDATA");
    return data.isEmpty() ? QString() : QDir::fromNativeSeparators(data) + QStringLiteral("/Solario");
#else
    return QStringLiteral("/var/lib/solario");
#endif
}

DatabaseLocation LocateDatabase(const QString& commandLine, const QString& userFolder,
                                const QString& systemFolder, const QString& programFolder) {
    if (!commandLine.isEmpty())
        return {QFileInfo(commandLine).absoluteFilePath(), DatabasePlace::CommandLine};
    const std::pair<QString, DatabasePlace> folders[] = {{userFolder, DatabasePlace::User},
                                                         {systemFolder, DatabasePlace::System}};
    for (const auto& [folder, place] : folders) {
        const QString path = QDir(folder).filePath(kDatabaseFileName);
        // Whatever lies there is the user's choice, and a pipe or a folder is refused
        // when opened rather than passed over in silence.
        if (!folder.isEmpty() && QFileInfo::exists(path))
            return {QDir::cleanPath(path), place};
    }
    return {QDir::cleanPath(QDir(programFolder).filePath(kDatabaseFileName)),
            DatabasePlace::Program};
}

QString PlaceName(DatabasePlace place, bool japanese) {
    switch (place) {
    case DatabasePlace::CommandLine:
        return japanese ? QStringLiteral("起動時に指定したファイル")
                        : QStringLiteral("given on the command line");
    case DatabasePlace::User:
        return japanese ? QStringLiteral("利用者のデータフォルダ")
                        : QStringLiteral("the user's data folder");
    case DatabasePlace::System:
        return japanese ? QStringLiteral("このコンピュータ共通のデータフォルダ")
                        : QStringLiteral("the system's data folder");
    default:
        return japanese ? QStringLiteral("プログラムのフォルダ")
                        : QStringLiteral("the program's folder");
    }
}

Status OpenDatabaseFile(const QString& file, std::unique_ptr<Connection>& connection,
                        QString& connectionString) {
    const QString path = QDir::toNativeSeparators(file);
    connectionString =
        QStringLiteral("Provider=SQLite3;Data Source=") + path + QStringLiteral(";Mode=Read;");
    if (!connection)
        connection = std::make_unique<Connection>();
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink())
        return Failure{QStringLiteral("データベースファイルがありません。\r") + path};
    // Opening a pipe would wait for ever, and a device is no database.
    if (!info.isFile())
        return Failure{QStringLiteral("データベースがファイルではありません（フォルダ、名前付きパイプ、"
                                      "装置などは開きません）。\r") +
                       path};
    if (Status s = connection->OpenReadOnly(path); !s)
        return s;
    // A file that opens but lacks what the searches read is refused now, not by every
    // search later.
    if (Status s = CheckMaterialTables(*connection); !s) {
        connection->Close();
        return Failure{s.error() + u'\r' + path};
    }
    return {};
}

namespace {

// The columns the table has, by exact name; empty when there is no such table.
Result<QStringList> TableColumns(sqlite3* db, const QString& table) {
    Statement st;
    if (Status s = Prepare(db, QStringLiteral("SELECT name FROM pragma_table_info(?)"), st); !s)
        return Failure{s.error()};
    BindText(st.stmt, 1, table);
    QStringList columns;
    int rc;
    while ((rc = sqlite3_step(st.stmt)) == SQLITE_ROW)
        columns.append(ColumnValue(st.stmt, 0).ToText());
    if (rc != SQLITE_DONE)
        return Failure{EngineText(db)};
    return columns;
}

// True when a unique index over the product ID alone keeps every ID once.
bool IdIsUnique(sqlite3* db) {
    Statement st;
    const QString sql = QStringLiteral(
        "SELECT count(*) FROM pragma_index_list(?1) AS l WHERE l.\"unique\" = 1 AND l.partial = 0 "
        "AND (SELECT count(*) FROM pragma_index_info(l.name)) = 1 "
        "AND (SELECT name FROM pragma_index_info(l.name)) = 'ID'");
    if (!Prepare(db, sql, st))
        return false;
    BindText(st.stmt, 1, kMaterialTable);
    return sqlite3_step(st.stmt) == SQLITE_ROW && sqlite3_column_int64(st.stmt, 0) > 0;
}

} // namespace

Status CheckMaterialTables(Connection& connection) {
    sqlite3* db = connection.Handle();
    for (const QString& table : {kMaterialTable, kContainingTable, kNonContainingTable}) {
        const Result<QStringList> columns = TableColumns(db, table);
        if (!columns)
            return Failure{columns.error()};
        if (columns.value().isEmpty())
            return Failure{QStringLiteral("表「") + table + QStringLiteral("」がありません。")};
        QStringList missing;
        for (const QString& column : MaterialTableColumns(table))
            if (!columns.value().contains(column, Qt::CaseInsensitive))
                missing.append(column);
        if (!missing.isEmpty())
            return Failure{QStringLiteral("表「") + table + QStringLiteral("」に列「") +
                           missing.join(QStringLiteral("」「")) +
                           QStringLiteral("」がありません。")};
    }
    // The full record is found by its ID: two products under one ID would show one of
    // them for the other.
    if (!IdIsUnique(db)) {
        Statement st;
        if (Status s = Prepare(db,
                               QStringLiteral("SELECT ID, count(*) FROM \"") + kMaterialTable +
                                   QStringLiteral("\" WHERE ID IS NOT NULL GROUP BY ID "
                                                  "HAVING count(*) > 1 LIMIT 1"),
                               st);
            !s)
            return s;
        if (sqlite3_step(st.stmt) == SQLITE_ROW)
            return Failure{QStringLiteral("表「") + kMaterialTable + QStringLiteral("」の ID「") +
                           ColumnValue(st.stmt, 0).ToText() + QStringLiteral("」が ") +
                           QString::number(sqlite3_column_int64(st.stmt, 1)) +
                           QStringLiteral(" 行にあります。ID は製品ごとに一つにしてください。")};
    }
    return {};
}

namespace {

// The value the metadata table holds for the key; empty without the table or the row.
QString MetadataValue(Connection& connection, const QString& key) {
    Recordset rs;
    const QString sql = QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                       "AND name = '") +
                        kMetadataTable + u'\'';
    if (!rs.Open(sql, connection) || rs.Field(0).ToInteger() == 0)
        return QString();
    Recordset value;
    if (!value.Open(QStringLiteral("SELECT value FROM ") + kMetadataTable +
                        QStringLiteral(" WHERE key = '") + key + u'\'',
                    connection) ||
        value.RecordCount() == 0)
        return QString();
    return value.ValueText(0, 0);
}

} // namespace

bool IsSampleDatabase(Connection& connection) {
    return MetadataValue(connection, kMetadataKind) == kSampleKind;
}

QString DatabaseEdition(Connection& connection) {
    return MetadataValue(connection, kMetadataEdition).trimmed();
}

QString DatabaseImportDate(Connection& connection) {
    return MetadataValue(connection, kMetadataImported).trimmed();
}

QString DataInUseText(const AppState& s, Connection& connection) {
    QString text = QStringLiteral("版：") + s.DataVersion + QStringLiteral("\rファイル：") +
                   QDir::toNativeSeparators(s.DatabasePath) + QStringLiteral("\r場所：") +
                   PlaceName(s.DatabaseFoundIn);
    if (const QString imported = DatabaseImportDate(connection); !imported.isEmpty())
        text += QStringLiteral("\r取り込んだ日：") + imported;
    if (s.SampleData)
        text += QStringLiteral("\rサンプルデータ（架空）：実在の製品情報ではありません");
    return text;
}

void CloseDatabase(std::unique_ptr<Connection>& connection) {
    if (connection)
        connection->Close();
    connection.reset();
}

} // namespace solario
