// Shows the screens over an installation folder and saves a picture of the whole
// desktop after each step, for looking at what was built (run it under Xvfb, with
// QT_FONT_DPI=144 for a high-resolution screen).
//   screenshots INSTALLATION_DIR OUTPUT_DIR
#include "platform/qt_platform.h"
#include "shell/form_explan.h"
#include "shell/form_menu.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

void Settle() {
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(25);
    }
}

void Shoot(const QDir& out, const QString& name) {
    Settle();
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        out.filePath(name + QStringLiteral(".png")));
    std::printf("%s\n", qUtf8Printable(out.filePath(name + QStringLiteral(".png"))));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QFont font = app.font();
    font.setFamilies({QStringLiteral("IPAexGothic")});
    font.setPointSize(10);
    app.setFont(font);
    if (app.arguments().size() != 3) {
        std::fprintf(stderr, "usage: screenshots INSTALLATION_DIR OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(app.arguments()[2]);
    QDir().mkpath(out.path());
    QTemporaryDir lock;

    solario::AppState s;
    s.ProgramFolder = app.arguments()[1];
    s.InstanceLockPath = lock.filePath(QStringLiteral("lock"));
    solario::QtPlatform platform(s.ProgramFolder);
    solario::Form_Menu menu(s, platform);
    int code = 0;
    if (!menu.Form_Load(&code))
        return code;
    menu.show();
    menu.Form_Activate();
    Shoot(out, QStringLiteral("menu"));

    menu.MenuToolTip->ShowTipFor(menu.CommandSearchD);
    Shoot(out, QStringLiteral("menu_tooltip_usage"));
    menu.MenuToolTip->ShowTipFor(menu.CommandSearchN);
    Shoot(out, QStringLiteral("menu_tooltip_name"));

    menu.CommandHelp_Click();
    Shoot(out, QStringLiteral("menu_help"));
    platform.CloseAllHelp(&menu, s.HelpFile);

    menu.hide();
    solario::Form_Explan explan(s, platform);
    explan.show();
    explan.Form_Activate();
    Shoot(out, QStringLiteral("explan"));
    explan.CommandHelp_Click();
    Shoot(out, QStringLiteral("explan_help"));
    platform.CloseAllHelp(&explan, s.HelpFile);
    return 0;
}
