#include "data/database.h"

#include <QDir>

namespace solario {

Status OpenDatabaseFile(const QString& programFolder, std::unique_ptr<Connection>& connection,
                        const QString& fileName, QString& connectionString) {
    const QString path = QDir::toNativeSeparators(QDir(programFolder).filePath(fileName));
    connectionString =
        QStringLiteral("Provider=SQLite3;Data Source=") + path + QStringLiteral(";Mode=Read;");
    if (!connection)
        connection = std::make_unique<Connection>();
    return connection->OpenReadOnly(path);
}

bool IsSampleDatabase(Connection& connection) {
    Recordset rs;
    const QString sql = QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                       "AND name = '") +
                        kMetadataTable + u'\'';
    if (!rs.Open(sql, connection) || rs.Field(0).ToInteger() == 0)
        return false;
    Recordset kind;
    return kind.Open(QStringLiteral("SELECT value FROM ") + kMetadataTable +
                         QStringLiteral(" WHERE key = '") + kMetadataKind + u'\'',
                     connection) &&
           kind.RecordCount() > 0 && kind.ValueText(0, 0) == kSampleKind;
}

void CloseDatabase(std::unique_ptr<Connection>& connection) {
    if (connection)
        connection->Close();
    connection.reset();
}

} // namespace solario
