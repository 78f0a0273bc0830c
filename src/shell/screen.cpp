#include "shell/screen.h"

#include "data/input_rules.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
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

int KeyCodeOf(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F9)
        return kKeyF1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Escape:
        return kKeyEscape;
    case Qt::Key_PageUp:
        return kKeyPageUp;
    case Qt::Key_PageDown:
        return kKeyPageDown;
    default:
        return 0;
    }
}

int Twips(const QWidget& widget, int twips) {
    return (twips * widget.logicalDpiX() + 720) / 1440;
}

void PlaceTwips(QWidget& widget, int left, int top, int width, int height) {
    widget.setGeometry(Twips(widget, left), Twips(widget, top), Twips(widget, width),
                       Twips(widget, height));
}

void FitToFirstLine(QLabel& label, const QString& firstLine) {
    const int width = label.fontMetrics().horizontalAdvance(firstLine) + 2;
    label.setFixedWidth(width);
    label.setFixedHeight(label.heightForWidth(width));
}

void SetSessionEnding(bool ending) {
    sessionEnding = ending;
}

Screen::Screen(AppState& state, Platform& platform, const QString& caption)
    : QDialog(nullptr, kApplicationWindow), s_(state), p_(platform) {
    setWindowTitle(caption);
    setModal(false); // our own loop waits for it; QDialog's would end when it hides
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

void Screen::keyPressEvent(QKeyEvent* event) {
    // A dialog would close on Esc and press its default button on Enter by itself.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void Screen::InstallKeyHandler(std::initializer_list<QWidget*> controls) {
    auto* handler = new KeyHandler(*this);
    for (QWidget* control : controls)
        control->installEventFilter(handler);
}

QPushButton* Screen::MakeButton(const QString& objectName, const QString& caption) {
    // Captions break lines with CR LF, as the screens were designed; Qt breaks on LF.
    auto* button = new QPushButton(
        QString(caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void Screen::CloseHelp() {
    s_.HelpWindow = p_.CloseAllHelp(this, s_.HelpFile);
}

void Screen::Refuse(QWidget* focus, int message) {
    focus->setFocus();
    ShowMessageNo(s_, p_, message);
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

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& text) {
    auto* label =
        new QLabel(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void ShowInTaskbar(QWidget& window) {
    if (window.windowFlags() != kApplicationWindow || window.parentWidget()) {
        window.setParent(nullptr);
        window.setWindowFlags(kApplicationWindow); // this hides the window
    }
    if (!window.isVisible())
        window.show();
}

void OpenChild(Screen& parent, std::unique_ptr<Screen> child,
               const std::function<void()>& afterClose) {
    parent.hide();
    parent.Host().ShowModal(*child);
    child.reset();
    if (afterClose)
        afterClose();
    if (parent.IsUnloaded())
        return;
    parent.show();
    parent.Form_Activate();
}

} // namespace solario
