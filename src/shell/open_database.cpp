#include "shell/open_database.h"

namespace solario {

bool OpenDatabase(Platform& platform, std::unique_ptr<Connection>& connection,
                  const QString& path, QString& connectionString) {
    const Status opened = OpenDatabaseFile(path, connection, connectionString);
    if (opened)
        return true;
    platform.MessageBox(QStringLiteral("<<データベース接続エラー>>\r\r") + opened.error(),
                        QStringLiteral("エラー"), box::kExclamation);
    return false;
}

} // namespace solario
