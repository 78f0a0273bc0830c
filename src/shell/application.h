#pragma once

#include <QIcon>
#include <QString>

class QApplication;

namespace solario {

// The name of the program's desktop entry (and of its icon and AppStream file).
inline const QString kDesktopFileName = QStringLiteral("jp.solario.Solario");

// The program's icon, at every size it is drawn in.
QIcon ProgramIcon();

// Sets the program up as a Japanese desktop program: Japanese locale, Qt's own texts
// (print and file dialogs, questions, context menus) in Japanese, the screens' type,
// the desktop entry's name and the icon of every window.
// Qt's translations are looked for beside the program first (a deployed installation
// carries its own), then where Qt is installed. Returns false when none was found; the
// program still runs, with Qt's own texts in English.
bool SetUpApplication(QApplication& app, const QString& programFolder);

} // namespace solario
