#include "shell/startup.h"

#include "data/database.h"
#include "data/field_catalogue.h"
#include "data/input_rules.h"
#include "reports/report_data.h"

namespace solario {

bool OpenApplicationData(AppState& s, Platform& platform) {
    s.DataVersion = kDataVersion;
    if (!s.MainConnection)
        s.MainConnection = std::make_unique<Connection>();
    s.DbOpen = OpenDatabase(s, platform, s.MainConnection, kDatabaseFileName, s.ConnectionString);
    if (!s.DbOpen)
        return false;

    s.DataEnvironment1 = std::make_unique<ReportDataEnvironment>();
    Status report = s.DataEnvironment1->OpenConnection();
    if (report)
        report = s.DataEnvironment1->OpenRecordsets();
    if (!report) {
        platform.MessageBox(QStringLiteral("<<帳票データ接続エラー>>\r\r") + report.error(),
                            QStringLiteral("エラー"), box::kExclamation);
        return false;
    }

    s.BackToMenu = 0;
    InitFieldCatalogue(s);
    InitSpecialChars(s);
    InitMessages(s);
    return true;
}

void CloseApplicationData(AppState& s) {
    if (s.DbOpen) {
        CloseDatabase(s.MainConnection);
        s.DbOpen = false;
    }
    if (s.DataEnvironment1)
        s.DataEnvironment1->Close();
}

} // namespace solario
