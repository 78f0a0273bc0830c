#include "data/app_state.h"
#include "platform/instance_lock.h"
#include "search_name/form_search_n.h"
#include "search_usage/form_search_d.h"
#include "shell/form_menu.h"
#include "shell/qt_platform.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Screens are hidden while their children are open; the program ends only through
    // the menu.
    app.setQuitOnLastWindowClosed(false);
    QFont font = app.font();
    font.setFamilies({QStringLiteral("Meiryo UI"), QStringLiteral("Yu Gothic UI"),
                      QStringLiteral("IPAexGothic"), QStringLiteral("MS UI Gothic")});
    font.setPointSize(10);
    app.setFont(font);

    solario::AppState state;
    state.ProgramFolder = QCoreApplication::applicationDirPath();
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
