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

void CloseDatabase(std::unique_ptr<Connection>& connection) {
    if (connection)
        connection->Close();
    connection.reset();
}

} // namespace solario
