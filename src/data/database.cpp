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

void CloseDatabase(std::unique_ptr<Connection>& connection) {
    if (connection)
        connection->Close();
    connection.reset();
}

} // namespace solario
