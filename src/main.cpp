#include "data/app_state.h"
#include "data/database.h"
#include "platform/instance_lock.h"
#include "search_name/form_search_n.h"
#include "search_usage/form_search_d.h"
#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/form_menu.h"
#include "shell/qt_platform.h"

#include <QApplication>
#include <cstdio>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

void Print(FILE* to, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
}

} // namespace

int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    // A windowed program has no console of its own: what the command line asks goes to
    // the console it was started from.
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
        SetConsoleOutputCP(CP_UTF8);
    }
#endif
    // The command line is answered before any window is made: also without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const bool japanese = solario::UserReadsJapanese();
    const solario::CommandLine line = solario::ParseCommandLine(arguments, japanese);
    switch (line.action) {
    case solario::CommandLine::Action::Help:
        Print(stdout, solario::CommandLineHelp(japanese));
        return 0;
    case solario::CommandLine::Action::Refuse:
        Print(stderr, QStringLiteral("solario: ") + line.problem + u'\n' +
                          (japanese ? QStringLiteral("solario --help で使い方を表示します。\n")
                                    : QStringLiteral("Try solario --help.\n")));
        return 2;
    case solario::CommandLine::Action::Version: {
        QCoreApplication app(argc, argv);
        Print(stdout, solario::VersionText(
                          japanese, solario::LocateDatabase(
                                        line.database, solario::DefaultUserDataFolder(),
                                        solario::DefaultSystemDataFolder(),
                                        QCoreApplication::applicationDirPath())));
        return 0;
    }
    case solario::CommandLine::Action::Run:
        break;
    }
    if (!solario::HasDisplay()) {
        Print(stderr, solario::NoDisplayText(japanese));
        return 1;
    }

    QApplication app(argc, argv);
    solario::AppState state;
    state.ProgramFolder = QCoreApplication::applicationDirPath();
    state.DatabaseArgument = line.database;
    state.UserDataFolder = solario::DefaultUserDataFolder();
    state.SystemDataFolder = solario::DefaultSystemDataFolder();
    solario::SetUpApplication(app, state.ProgramFolder);
    state.InstanceLockPath = solario::DefaultInstanceLockPath();
    state.InstanceServerName = solario::DefaultInstanceServerName();
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
