#include "shell/tooltip.h"

#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QScreen>

namespace solario {

clsToolTip::clsToolTip() {
    showTimer_.setSingleShot(true);
    hideTimer_.setSingleShot(true);
    connect(&showTimer_, &QTimer::timeout, this, [this] {
        if (pending_)
            ShowTipFor(pending_);
    });
    connect(&hideTimer_, &QTimer::timeout, this, &clsToolTip::HideTip);
}

clsToolTip::~clsToolTip() {
    for (const Tool& t : tools_)
        if (t.control)
            t.control->removeEventFilter(this);
    delete tip_.data();
}

bool clsToolTip::Create(QWidget* owner) {
    if (tip_)
        return true;
    tip_ = new QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint);
    tip_->setObjectName(QStringLiteral("ToolTipWindow"));
    tip_->setTextFormat(Qt::PlainText);
    tip_->setForegroundRole(QPalette::ToolTipText);
    tip_->setBackgroundRole(QPalette::ToolTipBase);
    tip_->setAutoFillBackground(true);
    tip_->setFrameStyle(QFrame::Box | QFrame::Plain);
    const QPalette p = tip_->palette();
    SetBackColor(p.color(QPalette::ToolTipBase));
    SetForeColor(p.color(QPalette::ToolTipText));
    margins_ = QMargins(4, 3, 4, 3);
    tip_->setContentsMargins(margins_);
    return tip_ != nullptr;
}

bool clsToolTip::fIsWindow(QWidget* control) {
    return control && !qobject_cast<QLabel*>(control);
}

int clsToolTip::Find(QWidget* control) const {
    for (qsizetype i = 0; i < tools_.size(); ++i)
        if (tools_[i].control == control)
            return int(i);
    return -1;
}

QString clsToolTip::WithHeader(const QString& text) const {
    if (text.isEmpty() || !headerShown_ || header_.isEmpty())
        return text;
    return header_ + QStringLiteral("\r\n") + text;
}

bool clsToolTip::AddTool(QWidget* control, const QString& text) {
    if (!tip_ || !fIsWindow(control) || Find(control) >= 0)
        return false;
    tools_.append({control, WithHeader(text)});
    control->installEventFilter(this);
    return true;
}

bool clsToolTip::RemoveTool(QWidget* control) {
    if (!tip_)
        return false;
    const int i = Find(control);
    if (i < 0)
        return false;
    if (control)
        control->removeEventFilter(this);
    if (pending_ == control)
        HideTip();
    tools_.removeAt(i);
    return true;
}

bool clsToolTip::HasToolTip(QWidget* control) const {
    return tip_ && Find(control) >= 0;
}

int clsToolTip::ToolCount() const {
    return tip_ ? int(tools_.size()) : 0;
}

QString clsToolTip::ToolText(QWidget* control) const {
    if (!tip_)
        return QString();
    const int i = Find(control);
    return i < 0 ? QString() : tools_[i].text;
}

void clsToolTip::SetToolText(QWidget* control, const QString& text) {
    if (!tip_)
        return;
    if (text.isEmpty()) {
        RemoveTool(control);
        return;
    }
    const int i = Find(control);
    if (i >= 0)
        tools_[i].text = WithHeader(text);
}

QColor clsToolTip::BackColor() const {
    return tip_ ? tip_->palette().color(QPalette::ToolTipBase) : QColor();
}

void clsToolTip::SetBackColor(const QColor& color) {
    if (!tip_)
        return;
    QPalette p = tip_->palette();
    p.setColor(QPalette::ToolTipBase, color);
    tip_->setPalette(p);
}

QColor clsToolTip::ForeColor() const {
    return tip_ ? tip_->palette().color(QPalette::ToolTipText) : QColor();
}

void clsToolTip::SetForeColor(const QColor& color) {
    if (!tip_)
        return;
    QPalette p = tip_->palette();
    p.setColor(QPalette::ToolTipText, color);
    tip_->setPalette(p);
}

int clsToolTip::DelayTime(int kind) const {
    return tip_ ? delays_[kind & 3] : 0;
}

void clsToolTip::SetDelayTime(int kind, int milliseconds) {
    if (tip_)
        delays_[kind & 3] = milliseconds;
}

int clsToolTip::Margin(int side) const {
    if (!tip_)
        return 0;
    switch (side) {
    case 0:
        return margins_.left();
    case 1:
        return margins_.top();
    case 2:
        return margins_.right();
    case 3:
        return margins_.bottom();
    default:
        return 0;
    }
}

void clsToolTip::SetMargin(int side, int pixels) {
    if (!tip_)
        return;
    switch (side) {
    case 0:
        margins_.setLeft(pixels);
        break;
    case 1:
        margins_.setTop(pixels);
        break;
    case 2:
        margins_.setRight(pixels);
        break;
    case 3:
        margins_.setBottom(pixels);
        break;
    default:
        return;
    }
    tip_->setContentsMargins(margins_);
}

int clsToolTip::MaxTipWidth() const {
    return tip_ ? maxWidth_ : 0;
}

void clsToolTip::SetMaxTipWidth(int pixels) {
    if (!tip_)
        return;
    maxWidth_ = pixels < 1 ? -1 : pixels;
    multiline_ = true; // as on the desktop, any width lets a tip keep its line breaks
}

void clsToolTip::SetToolTipHeader(const QString& header) {
    header_ = header;
    headerShown_ = true;
}

QWidget* clsToolTip::hWnd() const {
    return tip_.data();
}

bool clsToolTip::ShowTipFor(QWidget* control) {
    const int i = Find(control);
    if (!tip_ || i < 0 || tools_[i].text.isEmpty())
        return false;
    QString text = tools_[i].text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (!multiline_)
        text.replace(u'\n', u' ');
    tip_->setText(text);
    tip_->setWordWrap(false);
    tip_->setMaximumWidth(QWIDGETSIZE_MAX);
    if (maxWidth_ > 0) {
        // The width is given at 96 dots per inch; larger screens get the same share.
        const int width = maxWidth_ * tip_->logicalDpiX() / 96;
        if (tip_->sizeHint().width() > width) {
            tip_->setWordWrap(true);
            tip_->setMaximumWidth(width);
        }
    }
    tip_->adjustSize();
    QPoint at = QCursor::pos() + QPoint(0, 20);
    if (!control->rect().contains(control->mapFromGlobal(QCursor::pos())))
        at = control->mapToGlobal(QPoint(control->width() / 2, control->height()));
    if (const QScreen* screen = control->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(std::min(at.x(), area.right() - tip_->width()));
        at.setY(std::min(at.y(), area.bottom() - tip_->height()));
    }
    tip_->move(at);
    tip_->show();
    tip_->raise();
    pending_ = control;
    hideTimer_.start(delays_[kAutoPop]);
    return true;
}

bool clsToolTip::IsTipShown() const {
    return tip_ && tip_->isVisible();
}

void clsToolTip::HideTip() {
    showTimer_.stop();
    hideTimer_.stop();
    if (tip_)
        tip_->hide();
}

bool clsToolTip::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (control && Find(control) >= 0) {
        switch (event->type()) {
        case QEvent::Enter:
            pending_ = control;
            showTimer_.start(IsTipShown() ? delays_[kReshow] : delays_[kInitial]);
            break;
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Hide:
            HideTip();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace solario
