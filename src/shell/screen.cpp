#include "shell/screen.h"

#include "data/input_rules.h"
#include "shell/message_boxes.h"
#include "shell/screen_kit.h"
#include "shell/settings.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace solario {
namespace {

bool sessionEnding = false;

constexpr Qt::WindowFlags kApplicationWindow =
    Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
    Qt::WindowCloseButtonHint;

// Sends the key-down events of the controls it watches to their screen's dispatcher,
// and lets the keys go on as usual.
class KeyHandler : public QObject {
public:
    explicit KeyHandler(Screen& screen) : QObject(&screen), screen_(screen) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int code = KeyCodeOf(static_cast<QKeyEvent*>(event)->key());
            if (code != 0 && !screen_.IsUnloaded())
                screen_.DispatchFunctionKey(code);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Screen& screen_;
};

} // namespace

void SetSessionEnding(bool ending) {
    sessionEnding = ending;
}

Screen::Screen(AppState& state, Platform& platform, const QString& caption)
    : QDialog(nullptr, kApplicationWindow), s_(state), p_(platform) {
    setWindowTitle(caption);
    setModal(false); // our own loop waits for it; QDialog's would end when it hides
}

void Screen::AllowEnlarging() {
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
}

void Screen::KeepLaidOutWidth(int twips) {
    const QMargins margins = layout()->contentsMargins();
    layout()->addItem(new QSpacerItem(Twips(*this, twips) - margins.left() - margins.right(), 0,
                                      QSizePolicy::Fixed, QSizePolicy::Minimum));
}

void Screen::Form_Activate() {
    ShowInTaskbar(*this);
}

void Screen::DispatchFunctionKey(int) {}

bool Screen::Form_QueryUnload(int) {
    return true;
}

void Screen::Unload() {
    if (unloaded_ || !Form_QueryUnload(kUnloadByCode))
        return;
    Form_Unload();
    Finish();
}

void Screen::Finish() {
    unloaded_ = true;
    done(QDialog::Rejected);
}

void Screen::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (unloaded_) {
        event->accept();
        return;
    }
    if (!Form_QueryUnload(sessionEnding ? kUnloadBySystem : kUnloadByUser))
        return;
    Form_Unload();
    Finish();
    event->accept();
}

void Screen::showEvent(QShowEvent* event) {
    for (QLabel* mark : findChildren<QLabel*>(kSampleMarkName))
        mark->setVisible(s_.SampleData);
    QDialog::showEvent(event);
}

void Screen::keyPressEvent(QKeyEvent* event) {
    // A dialog would close on Esc and press its default button on Enter by itself. Here
    // Enter presses the button that has the focus, as on the users' desktop, and only
    // that one: in a text box or on a tick box it does nothing.
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button && button->isEnabled() && button->isVisible())
            button->click();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void Screen::OpenChild(std::unique_ptr<Screen> child, const std::function<void()>& afterClose) {
    // The user comes back to the control they left (a tick box of the list, say).
    const QPointer<QWidget> left = focusWidget();
    hide();
    p_.ShowModal(*child);
    child.reset();
    if (afterClose)
        afterClose();
    if (IsUnloaded())
        return;
    show();
    Form_Activate();
    if (IsUnloaded())
        return;
    if (left && left->window() == this && left->isVisible() && left->isEnabled())
        left->setFocus(Qt::OtherFocusReason);
    TakeKeyboardBack();
}

void Screen::TakeKeyboardBack() {
    activateWindow();
    if (keyed_.contains(focusWidget()))
        return;
    // The control that opened the child has no key handler (the menu's explanation
    // button, say): the first one in tab order that has one takes the focus.
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (keyed_.contains(w) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
}

void Screen::AddKeyedControls(const QList<QWidget*>& controls) {
    for (QWidget* control : controls)
        keyed_.append(control);
}

void Screen::InstallKeyHandler(std::initializer_list<QWidget*> controls) {
    auto* handler = new KeyHandler(*this);
    for (QWidget* control : controls) {
        control->installEventFilter(handler);
        keyed_.append(control);
    }
}

QPushButton* Screen::MakeButton(const QString& objectName, const QString& caption) {
    auto* button = new QPushButton(QtLineBreaks(caption), this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void Screen::Refuse(QWidget* focus, int message) {
    focus->setFocus();
    ShowMessageNo(s_, p_, message);
}

bool Screen::ReadConditionText(QLineEdit* field, QString& condition) {
    // Invisible characters a paste brings along are no part of what was typed.
    const QString typed = WithoutFormatCharacters(field->text());
    if (!IsTextAllowed(s_, typed)) {
        // The character refused is shown selected, where the user can retype it.
        const auto [at, length] = RefusedCharacterAt(s_, field->text());
        field->setFocus();
        if (at >= 0)
            field->setSelection(int(at), int(length));
        else
            field->selectAll();
        ShowMessageNo(s_, p_, 9);
        return false;
    }
    condition = ConditionText(s_, typed);
    return true;
}

void Screen::ShowHelpTopic(int topic) {
    s_.HelpWindow = p_.ShowHelp(this, s_.HelpFile, topic);
}

void Screen::OpenDocumentOf(const QString& path) {
    OpenDocument(s_, p_, path);
}

void Screen::CloseHelp() {
    s_.HelpWindow = p_.CloseAllHelp(this, s_.HelpFile);
}

void Screen::GoBack() {
    CloseHelp();
    Unload();
}

void Screen::GoBackToMenu() {
    s_.BackToMenu = 1;
    GoBack();
}

void Screen::UnloadOrShowInTaskbar() {
    if (s_.BackToMenu >= 1)
        Unload();
    else
        ShowInTaskbar(*this);
}

bool Screen::CloseHelpIfUserCloses(int unloadMode) {
    if (unloadMode == kUnloadByUser)
        CloseHelp();
    return true;
}

bool IsCharacterKey(const QKeyEvent& event) {
    const QString text = event.text();
    return !text.isEmpty() && text.front().isPrint();
}

void ShowInTaskbar(QWidget& window) {
    // A screen that can be enlarged keeps its maximise button.
    const Qt::WindowFlags wanted =
        kApplicationWindow | (window.windowFlags() & Qt::WindowMaximizeButtonHint);
    if (window.windowFlags() != wanted || window.parentWidget()) {
        window.setParent(nullptr);
        window.setWindowFlags(wanted); // this hides the window
    }
    if (!window.isVisible())
        window.show();
}

} // namespace solario
