#include "data/app_state.h"
#include "platform/qt_platform.h"
#include "shell/startup.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    solario::AppState state;
    state.ProgramFolder = QCoreApplication::applicationDirPath();
    solario::QtPlatform platform;
    if (!solario::OpenApplicationData(state, platform)) {
        solario::CloseApplicationData(state);
        return 1;
    }
    // The menu is not there yet: report what was opened and end.
    std::printf("%s\n", qUtf8Printable(QStringLiteral("ソラリオ: データベースを開きました（%1）")
                                           .arg(state.ConnectionString)));
    solario::CloseApplicationData(state);
    return 0;
}
