#include "data/app_state.h"
#include "data/database.h"
#include "platform/instance_lock.h"
#include "search_name/form_search_n.h"
#include "search_usage/form_search_d.h"
#include "shell/application.h"
#include "shell/form_menu.h"
#include "shell/qt_platform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    solario::AppState state;
    state.ProgramFolder = QCoreApplication::applicationDirPath();
    state.DatabaseArgument = solario::DatabaseArgument(app.arguments());
    state.UserDataFolder = solario::DefaultUserDataFolder();
    state.SystemDataFolder = solario::DefaultSystemDataFolder();
    solario::SetUpApplication(app, state.ProgramFolder);
    state.InstanceLockPath = solario::DefaultInstanceLockPath();
    solario::QtPlatform platform(state.ProgramFolder);

    solario::Form_Menu menu(state, platform);
    menu.MakeSearchD = [](solario::AppState& s, solario::Platform& p) {
        auto screen = std::make_unique<solario::Form_Search_D>(s, p);
        screen->Form_Load();
        return std::unique_ptr<solario::Screen>(std::move(screen));
    };
    menu.MakeSearchN = [](solario::AppState& s, solario::Platform& p) {
        auto screen = std::make_unique<solario::Form_Search_N>(s, p);
        screen->Form_Load();
        return std::unique_ptr<solario::Screen>(std::move(screen));
    };
    int exitCode = 0;
    if (!menu.Form_Load(&exitCode))
        return exitCode;
    QObject::connect(&app, &QGuiApplication::commitDataRequest,
                     [] { solario::SetSessionEnding(true); });
    menu.show();
    menu.Form_Activate();
    return app.exec();
}
