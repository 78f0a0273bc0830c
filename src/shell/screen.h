#pragma once

#include "data/app_state.h"
#include "platform/platform.h"

#include <QDialog>
#include <functional>
#include <initializer_list>
#include <memory>

class QLabel;
class QPushButton;

namespace solario {

// Why a screen unloads, as its query-unload step is told.
enum UnloadMode {
    kUnloadByUser = 0,   // its close box or window menu
    kUnloadByCode = 1,   // the program unloads it
    kUnloadBySystem = 2, // the desktop session ends
};

// Key codes that reach the screens' dispatchers.
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF2 = 113;
inline constexpr int kKeyF3 = 114;
inline constexpr int kKeyF4 = 115;
inline constexpr int kKeyF5 = 116;
inline constexpr int kKeyF6 = 117;

// The caption of the button that opens the document on the registered material data.
inline const QString kRegisteredInfoCaption =
    QStringLiteral("本データベースに登録されている\r\n\u3000\u3000\u3000\u3000建材情報について");

// The code of a Qt key, or 0 for a key no screen handles.
int KeyCodeOf(int qtKey);

// Pixels for a length in twips (1440 to the inch) at the widget's logical DPI.
int Twips(const QWidget& widget, int twips);
// A label of plain text; a caption's CR LF line breaks become Qt's.
QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& text);
// Makes a word-wrapped label exactly as wide as the text of its first line, so that it
// breaks where the screen's text means it to, whatever the font and resolution.
void FitToFirstLine(QLabel& label, const QString& firstLine);
// Places a widget by its rectangle in twips.
void PlaceTwips(QWidget& widget, int left, int top, int width, int height);

// Every screen of the system: a top-level window of its own with its own task-bar
// entry, whose handlers are its slots. Esc and Enter do nothing unless the screen's
// dispatcher gives them a meaning.
class Screen : public QDialog {
    Q_OBJECT

public:
    Screen(AppState& state, Platform& platform, const QString& caption);

    // Runs when the screen is shown, and again when its child has closed.
    virtual void Form_Activate();
    // Function keys from the controls that have a key handler.
    virtual void DispatchFunctionKey(int keyCode);

    // Unloads the screen as the program does: query-unload (by code), unload, close.
    void Unload();
    bool IsUnloaded() const { return unloaded_; }

    AppState& State() const { return s_; }
    Platform& Host() const { return p_; }

protected:
    // False cancels the unload.
    virtual bool Form_QueryUnload(int unloadMode);
    virtual void Form_Unload() {}

    // Routes the key-down events of these controls to DispatchFunctionKey.
    void InstallKeyHandler(std::initializer_list<QWidget*> controls);
    // A button that Enter never presses on its own.
    QPushButton* MakeButton(const QString& objectName, const QString& caption);
    // Refuses input: the focus to the control first, then the numbered message.
    void Refuse(QWidget* focus, int message);
    // Closes every help window, keeping the viewer's result.
    void CloseHelp();
    // The activation of the screens of a chain: unload while a return to the menu is
    // under way, else show with a task-bar entry.
    void UnloadOrShowInTaskbar();
    // The query-unload of screens with help: a close by the user closes the help.
    bool CloseHelpIfUserCloses(int unloadMode);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    AppState& s_;
    Platform& p_;

private:
    void Finish();
    bool unloaded_ = false;
};

// Gives the window its own task-bar entry and shows it.
void ShowInTaskbar(QWidget& window);

// The navigation every screen follows: hide the parent, show the child modally, release
// it once it has unloaded, show the parent again and run the parent's activation (which
// unloads it too while a return to the menu is under way).
// `afterClose` runs once the child has gone, before the parent shows itself again.
void OpenChild(Screen& parent, std::unique_ptr<Screen> child,
               const std::function<void()>& afterClose = {});

// Tells the screens that the desktop session is ending, so that closing passes without
// a question.
void SetSessionEnding(bool ending);

} // namespace solario
