#include "data/database.h"

#include <QDir>

namespace solario {

bool OpenDatabase(const AppState& s, Platform& platform, std::unique_ptr<Connection>& connection,
                  const QString& fileName, QString& connectionString) {
    const QString path = QDir::toNativeSeparators(QDir(s.ProgramFolder).filePath(fileName));
    connectionString =
        QStringLiteral("Provider=SQLite3;Data Source=") + path + QStringLiteral(";Mode=Read;");
    if (!connection)
        connection = std::make_unique<Connection>();
    const Status opened = connection->OpenReadOnly(path);
    if (opened)
        return true;
    platform.MessageBox(QStringLiteral("<<データベース接続エラー>>\r\r") + opened.error(),
                        QStringLiteral("エラー"), box::kExclamation);
    return false;
}

void CloseDatabase(std::unique_ptr<Connection>& connection) {
    if (connection)
        connection->Close();
    connection.reset();
}

} // namespace solario
