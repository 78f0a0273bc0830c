#pragma once

class QApplication;
class QString;

namespace solario {

// Sets the program up as a Japanese desktop program: Japanese locale, Qt's own texts
// (print and file dialogs, questions, context menus) in Japanese, the screens' type.
// Qt's translations are looked for beside the program first (a deployed installation
// carries its own), then where Qt is installed. Returns false when none was found; the
// program still runs, with Qt's own texts in English.
bool SetUpApplication(QApplication& app, const QString& programFolder);

} // namespace solario
