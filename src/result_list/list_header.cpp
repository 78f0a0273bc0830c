#include "result_list/list_header.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>

namespace solario {
namespace {

constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap;
constexpr int kPadding = 4; // each side, inside the section's frame

} // namespace

WrappingHeader::WrappingHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setDefaultAlignment(Qt::AlignCenter);
    setHighlightSections(false);
    setSectionsClickable(true);
    connect(this, &QHeaderView::sectionResized, this, [this] { FitHeightToHeadings(); });
    connect(this, &QHeaderView::sortIndicatorChanged, this, [this] { FitHeightToHeadings(); });
}

QString WrappingHeader::HeadingText(int logicalIndex) const {
    return model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
}

int WrappingHeader::ArrowRoom() const {
    return style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, this) + kPadding;
}

QRect WrappingHeader::TextRect(int logicalIndex, int width) const {
    const QString text = HeadingText(logicalIndex);
    const int arrow =
        isSortIndicatorShown() && sortIndicatorSection() == logicalIndex ? ArrowRoom() : 0;
    return fontMetrics().boundingRect(
        QRect(0, 0, std::max(width - 2 * kPadding - arrow, 1), 10000), kFlags, text);
}

QSize WrappingHeader::sectionSizeFromContents(int logicalIndex) const {
    const int width = sectionSize(logicalIndex);
    return {width, TextRect(logicalIndex, width).height() + 2 * kPadding};
}

int WrappingHeader::NeededHeight() const {
    int height = fontMetrics().height() + 2 * kPadding;
    for (int i = 0; i < count(); ++i)
        if (!isSectionHidden(i))
            height = std::max(height, sectionSizeFromContents(i).height());
    return height;
}

void WrappingHeader::FitHeightToHeadings() {
    const int needed = NeededHeight();
    if (height() != needed)
        setFixedHeight(needed);
}

void WrappingHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid())
        return;
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.text.clear(); // drawn below, wrapped
    const bool marked = isSortIndicatorShown() && sortIndicatorSection() == logicalIndex;
    if (marked)
        option.sortIndicator = sortIndicatorOrder() == Qt::AscendingOrder
                                   ? QStyleOptionHeader::SortDown
                                   : QStyleOptionHeader::SortUp;
    // The style leaves the painter clipped to nothing when it had no clip before.
    painter->save();
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
    painter->restore();
    const QString text = HeadingText(logicalIndex);
    painter->save();
    painter->setPen(palette().color(QPalette::ButtonText));
    // The arrow of the sort column keeps the right of the heading to itself.
    const int arrow = marked ? ArrowRoom() : 0;
    painter->drawText(rect.adjusted(kPadding, kPadding, -kPadding - arrow, -kPadding), kFlags,
                      text);
    painter->restore();
}

} // namespace solario
