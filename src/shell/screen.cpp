#include "shell/screen.h"

#include "data/input_rules.h"
#include "shell/message_boxes.h"
#include "shell/screen_kit.h"
#include "shell/settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>

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
    // After the dialog has placed itself, centred: only a window that reaches beyond the
    // screen moves.
    QDialog::showEvent(event);
    FitToScreen();
}

void Screen::FitToScreen() {
    // A screen laid out by its layout, or of a fixed size, needs all of its size: on a
    // screen too small for it, its contents scroll. A screen that lays out what grows
    // itself (the list, the record) makes do with the room there is.
    const QRect room = WindowRoom(*this);
    const QSize needed = layout() ? layout()->totalMinimumSize() : minimumSize();
    const bool fixed = minimumSize() == maximumSize();
    if (!scrolls_ && (layout() || fixed) &&
        (needed.width() > room.width() || needed.height() > room.height()))
        ScrollContents();
    FitOnScreen(*this);
}

void Screen::ScrollContents() {
    scrolls_ = true;
    // The tab order and the focus as they stand: moving the controls would reorder them.
    QList<QWidget*> order;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order.append(w);
    QWidget* focused = focusWidget();
    const QSize fixedSize = minimumSize() == maximumSize() ? size() : QSize();

    auto* contents = new QWidget;
    contents->setObjectName(QStringLiteral("ScreenContents"));
    QList<std::pair<QWidget*, bool>> moving; // each control and whether it was hidden
    for (QObject* child : children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow())
            moving.append({w, w->isHidden()});
    // The layout's items first: a control taken from its window leaves the layout too.
    if (auto* old = qobject_cast<QBoxLayout*>(layout())) {
        auto* moved = new QBoxLayout(old->direction(), contents);
        moved->setContentsMargins(old->contentsMargins());
        moved->setSpacing(old->spacing());
        while (old->count() > 0) {
            const int stretch = old->stretch(0);
            QLayoutItem* item = old->takeAt(0);
            if (QLayout* inner = item->layout()) {
                inner->setParent(nullptr);
                moved->addLayout(inner, stretch);
            } else if (QWidget* w = item->widget()) {
                moved->addWidget(w, stretch, item->alignment());
                delete item;
            } else {
                moved->addItem(item);
            }
        }
        delete old;
    } else {
        contents->setFixedSize(fixedSize.isValid() ? fixedSize : size());
    }
    for (const auto& [w, hidden] : moving) {
        if (w->parentWidget() != contents)
            w->setParent(contents);
        w->setVisible(!hidden);
    }
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("ScreenScroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    area->setWidget(contents);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);
    area->setVisible(isVisible()); // at once: a layout would show it only later
    setMinimumSize(0, 0);
    if (fixedSize.isValid()) {
        // Room for the scroll bar beside the contents, so that only one is needed.
        const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
        setMaximumSize(fixedSize + QSize(bar, bar));
        resize(fixedSize + QSize(bar, 0));
    } else {
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    if (focused)
        focused->setFocus();
    // The control that takes the focus, by key or by click, comes into view.
    // The whole control where it fits (a list, not only its current line).
    const auto bringIntoView = [area, contents](QWidget* now) {
        if (!now || !contents->isAncestorOf(now))
            return;
        const QRect at(now->mapTo(contents, QPoint(0, 0)), now->size());
        const int margin = 4;
        area->ensureVisible(at.center().x(), at.center().y(), at.width() / 2 + margin,
                            at.height() / 2 + margin);
    };
    connect(qApp, &QApplication::focusChanged, area,
            [bringIntoView](QWidget*, QWidget* now) { bringIntoView(now); });
    // The control that has it already, once the contents are laid out.
    QTimer::singleShot(0, area, [this, bringIntoView] { bringIntoView(focusWidget()); });
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
