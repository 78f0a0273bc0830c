#pragma once

#include "data/app_state.h"
#include "platform/key_codes.h"
#include "shell/platform.h"

#include <QDialog>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace solario {

// Why a screen unloads, as its query-unload step is told.
enum UnloadMode {
    kUnloadByUser = 0,   // its close box or window menu
    kUnloadByCode = 1,   // the program unloads it
    kUnloadBySystem = 2, // the desktop session ends
};

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

protected:
    // False cancels the unload.
    virtual bool Form_QueryUnload(int unloadMode);
    virtual void Form_Unload() {}

    // The navigation every screen follows: hide, show the child modally, release it once
    // it has unloaded, run `afterClose`, then show this screen again and run its
    // activation (which unloads it too while a return to the menu is under way).
    void OpenChild(std::unique_ptr<Screen> child, const std::function<void()>& afterClose = {});

    // The window can be enlarged and maximised (not made smaller than its opening size,
    // which the screen sets as its minimum); the screen lays out what grows.
    void AllowEnlarging();
    // A screen laid out by its layout opens at least this wide (twips) and is never made
    // narrower than its contents need, at any resolution: an explicit minimum width on
    // the window would let the contents be cut.
    void KeepLaidOutWidth(int twips);
    // Routes the key-down events of these controls to DispatchFunctionKey.
    void InstallKeyHandler(std::initializer_list<QWidget*> controls);
    // Controls that route their function keys to the screen by themselves (a check
    // list's rows): like those of InstallKeyHandler, they keep the focus on return.
    void AddKeyedControls(const QList<QWidget*>& controls);
    // A button that Enter never presses on its own.
    QPushButton* MakeButton(const QString& objectName, const QString& caption);
    // Refuses input: the focus to the control first, then the numbered message.
    void Refuse(QWidget* focus, int message);
    // The condition text of a partial-match field; a field that holds a forbidden
    // character is refused with message 9 and gives false.
    bool ReadConditionText(QLineEdit* field, QString& condition);
    // Shows the topic of the help file in this screen's help window.
    void ShowHelpTopic(int topic);
    // Opens a document that app.ini names (one of the state's document paths).
    void OpenDocumentOf(const QString& path);
    // Closes every help window, keeping the viewer's result.
    void CloseHelp();
    // "戻る": closes the help and unloads.
    void GoBack();
    // "メニューに戻る": every screen of the chain unloads on its way back to the menu.
    void GoBackToMenu();
    // The activation of the screens of a chain: unload while a return to the menu is
    // under way, else show with a task-bar entry.
    void UnloadOrShowInTaskbar();
    // The query-unload of screens with help: a close by the user closes the help.
    bool CloseHelpIfUserCloses(int unloadMode);

    void closeEvent(QCloseEvent* event) override;
    // Shows or hides the sample marks as the open database asks.
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // The shared state and the desktop, as every handler reaches them.
    AppState& s_;
    Platform& p_;

private:
    void Finish();
    // Keeps the window on its screen when it is shown; contents that a smaller screen
    // cannot hold scroll.
    void FitToScreen();
    void ScrollContents();
    // Back from a child: this window takes the keyboard again, on a control whose keys
    // reach the dispatcher, so the function keys work at once.
    void TakeKeyboardBack();
    bool unloaded_ = false;
    bool scrolls_ = false;
    QList<QWidget*> keyed_; // the controls with a key handler
};

// A screen's function keys: the key code and the handler it runs.
template <class S> using KeyTable = std::initializer_list<std::pair<int, void (S::*)()>>;

// Runs the handler of the key from the screen's table; false for a key it does not list.
template <class S> bool RunKeyHandler(S& screen, int keyCode, KeyTable<S> keys) {
    for (const auto& [code, handler] : keys)
        if (code == keyCode) {
            (screen.*handler)();
            return true;
        }
    return false;
}

// True for a key that types a character, Space included: the keys that toggle a tick
// box. Tab, Enter, Esc, Backspace, arrows and function keys are not; Tab and Enter carry
// a control character as their text, so the text alone does not tell.
bool IsCharacterKey(const QKeyEvent& event);

// Gives the window its own task-bar entry and shows it.
void ShowInTaskbar(QWidget& window);

// Tells the screens that the desktop session is ending, so that closing passes without
// a question.
void SetSessionEnding(bool ending);

} // namespace solario
