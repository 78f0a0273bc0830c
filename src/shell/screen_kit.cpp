#include "shell/screen_kit.h"

#include <QFont>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace solario {

int Twips(const QWidget& widget, int twips) {
    return (twips * widget.logicalDpiX() + 720) / 1440;
}

void PlaceTwips(QWidget& widget, int left, int top, int width, int height) {
    widget.setGeometry(Twips(widget, left), Twips(widget, top), Twips(widget, width),
                       Twips(widget, height));
}

void PlaceTwips(std::initializer_list<TwipsRect> placements) {
    for (const TwipsRect& p : placements)
        PlaceTwips(*p.widget, p.left, p.top, p.width, p.height);
}

QString QtLineBreaks(const QString& caption) {
    return QString(caption)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(u'\r', u'\n');
}

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& text) {
    auto* label = new QLabel(QtLineBreaks(text), parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void FitToFirstLine(QLabel& label, const QString& firstLine) {
    const int width = label.fontMetrics().horizontalAdvance(firstLine) + 2;
    label.setFixedWidth(width);
    label.setFixedHeight(label.heightForWidth(width));
}

QFont ScaledFont(const QFont& font, double factor, bool bold) {
    QFont scaled = font;
    if (factor != 1.0)
        scaled.setPointSizeF(scaled.pointSizeF() * factor);
    scaled.setBold(bold);
    return scaled;
}

QLabel* MakeSampleMark(QWidget* parent) {
    QLabel* mark = MakeLabel(parent, kSampleMarkName, kSampleMarkText);
    mark->setFont(ScaledFont(mark->font(), 1.0, true));
    mark->setStyleSheet(
        QStringLiteral("QLabel { color: #ffffff; background: #b3261e; border: 1px solid #ffffff;"
                       " border-radius: 3px; padding: 2px 8px; }"));
    mark->setAccessibleName(kSampleMarkText);
    mark->hide();
    return mark;
}

QLabel* MakeBanner(QWidget* parent) {
    QLabel* banner = MakeLabel(parent, QStringLiteral("Image1"), QString());
    banner->setPixmap(QPixmap(QStringLiteral(":/images/banner.png")));
    banner->setScaledContents(true);
    // The picture stretches to the screen's width; its own size asks for nothing.
    banner->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* row = new QHBoxLayout(banner);
    row->setContentsMargins(0, 0, Twips(*banner, 180), 0);
    row->addStretch();
    row->addWidget(MakeSampleMark(banner), 0, Qt::AlignVCenter);
    return banner;
}

QPushButton* MakePictureButton(QWidget* parent, const QString& objectName, const QString& image,
                               const QString& accessibleName, const QString& description) {
    auto* button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setIcon(QIcon(image));
    button->setAccessibleName(accessibleName);
    button->setAccessibleDescription(description);
    return button;
}

QHBoxLayout* CentredRow(QWidget* widget) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(widget);
    row->addStretch();
    return row;
}

QPushButton* MakeHelpButton(QWidget* parent) {
    // A picture alone does not say what it does: the tip and a screen reader do.
    QPushButton* button = MakePictureButton(parent, QStringLiteral("CommandHelp"),
                                            QStringLiteral(":/images/help.png"),
                                            QStringLiteral("ヘルプ"),
                                            QStringLiteral("この画面の使い方を開きます（F1）"));
    button->setToolTip(QStringLiteral("ヘルプ（F1）"));
    return button;
}

void FitIcon(QPushButton* button) {
    const int pad = Twips(*button, 90);
    button->setIconSize(button->size() - QSize(pad, pad));
}

int TwoLinesHeight(const QWidget& widget) {
    return widget.fontMetrics().lineSpacing() * 2 + Twips(widget, 120);
}

void FitTwoLines(QPushButton& button) {
    const int twoLines = TwoLinesHeight(button);
    const QRect r = button.geometry();
    if (r.height() < twoLines)
        button.setGeometry(r.x(), r.y() - (twoLines - r.height()) / 2, r.width(), twoLines);
}

QRect WindowRoom(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return QRect(0, 0, 1024, 700);
    // A title bar and borders as wide as the users' desktops draw them at 100 %, in
    // logical pixels; a larger frame the desktop reports wins.
    constexpr int kTitleBar = 32;
    constexpr int kBorder = 8;
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    const int top = std::max(kTitleBar, inner.top() - outer.top());
    const int left = std::max(kBorder, inner.left() - outer.left());
    const int right = std::max(kBorder, outer.right() - inner.right());
    const int bottom = std::max(kBorder, outer.bottom() - inner.bottom());
    return screen->availableGeometry().adjusted(left, top, -right, -bottom);
}

void FitOnScreen(QWidget& window) {
    const QRect room = WindowRoom(window);
    if (window.minimumWidth() > room.width() || window.minimumHeight() > room.height())
        window.setMinimumSize(window.minimumSize().boundedTo(room.size()));
    if (window.width() > room.width() || window.height() > room.height())
        window.resize(window.size().boundedTo(room.size()));
    const QRect at = window.geometry();
    if (room.contains(at))
        return;
    // Still too large, its top left corner stays in the room: the title bar can be reached.
    MoveInsideTo(window,
                 QPoint(std::max(room.left(), std::min(at.left(), room.right() + 1 - at.width())),
                        std::max(room.top(), std::min(at.top(), room.bottom() + 1 - at.height()))));
}

void MoveInsideTo(QWidget& window, const QPoint& inside) {
    window.move(inside - (window.geometry().topLeft() - window.frameGeometry().topLeft()));
}

} // namespace solario
