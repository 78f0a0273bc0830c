#include "shell/open_database.h"

namespace solario {

bool OpenDatabase(const AppState& s, Platform& platform, std::unique_ptr<Connection>& connection,
                  const QString& fileName, QString& connectionString) {
    const Status opened = OpenDatabaseFile(s.ProgramFolder, connection, fileName, connectionString);
    if (opened)
        return true;
    platform.MessageBox(QStringLiteral("<<データベース接続エラー>>\r\r") + opened.error(),
                        QStringLiteral("エラー"), box::kExclamation);
    return false;
}

} // namespace solario
