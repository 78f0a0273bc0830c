#include "shell/application.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace solario {

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/solario-%1.png").arg(size), QSize(size, size));
    return icon;
}

bool SetUpApplication(QApplication& app, const QString& programFolder) {
    // Screens are hidden while their children are open; the program ends only through
    // the menu.
    app.setQuitOnLastWindowClosed(false);
    QFont font = app.font();
    font.setFamilies({QStringLiteral("Meiryo UI"), QStringLiteral("Yu Gothic UI"),
                      QStringLiteral("IPAexGothic"), QStringLiteral("MS UI Gothic")});
    font.setPointSize(10);
    app.setFont(font);
    // The desktop matches the windows to the program's entry and icon by this name.
    QGuiApplication::setDesktopFileName(kDesktopFileName);
    app.setWindowIcon(ProgramIcon());

    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    auto* translator = new QTranslator(&app);
    for (const QString& folder : {QDir(programFolder).filePath(QStringLiteral("translations")),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            app.installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace solario
