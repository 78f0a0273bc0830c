#pragma once

#include <QHeaderView>

namespace solario {

// The grid's column headings: a heading wider than its column wraps onto more lines and
// the heading row grows to hold it, so that columns keep their widths and no heading is
// cut. The row follows the columns as the user resizes them.
class WrappingHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit WrappingHeader(QWidget* parent);

    // The height the headings need at the columns' present widths.
    int NeededHeight() const;
    // The heading row takes that height.
    void FitHeightToHeadings();

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QString HeadingText(int logicalIndex) const;
    // The width the sort arrow takes from its heading.
    int ArrowRoom() const;
    QRect TextRect(int logicalIndex, int width) const;
};

} // namespace solario
