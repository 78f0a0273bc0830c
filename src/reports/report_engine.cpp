#include "reports/report_engine.h"

#include "data/report_data.h"
#include "reports/report_font.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>

namespace solario {
namespace {

constexpr double kBodyPoints = 9.0;
constexpr double kSideMarginMm = 8;

struct Placed {
    const ReportBand* band;
    const Recordset* rows;
    qint32 row;
    int y; // twips from the top of the printable area
};

QString Text(const Recordset* rows, qint32 row, const QString& column) {
    if (!rows)
        return QString();
    QString text = rows->ValueText(row, rows->FieldIndex(column));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

void DrawBand(QPainter& p, const ReportBand& band, const Recordset* rows, qint32 row, int y,
              int page, int pages) {
    static const QPixmap banner(QStringLiteral(":/images/banner.png"));
    for (const ReportElement& e : band.elements) {
        const QRectF r(e.left, y + e.top, e.width, e.height);
        switch (e.kind) {
        case ReportElement::Kind::Rect:
            p.setBrush(Qt::NoBrush);
            p.drawRect(r);
            continue;
        case ReportElement::Kind::RoundRect:
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(r, 240, 240);
            continue;
        case ReportElement::Kind::Line:
            p.drawLine(QPointF(e.left, y + e.top), QPointF(e.left + e.width, y + e.top));
            continue;
        case ReportElement::Kind::Picture:
            p.drawPixmap(r, banner, banner.rect());
            continue;
        default:
            break;
        }
        QString text = e.text;
        if (e.kind == ReportElement::Kind::Value)
            text = Text(rows, row, e.text);
        else if (e.kind == ReportElement::Kind::PageNumber)
            text = QString::number(page);
        else if (e.kind == ReportElement::Kind::PageCount)
            text = QString::number(pages);
        QFont font(ReportFontFamily());
        int pixels = int(kBodyPoints * e.size * 20); // one device unit is one twip
        font.setPixelSize(pixels);
        font.setBold(e.bold);
        p.setFont(font);
        // A text too long for its cell takes a smaller type (down to about two thirds)
        // rather than run over the rules: a one-line cell keeps it on one line if it
        // can, a tall cell wraps it.
        const int flags = int(e.align) | Qt::TextWordWrap;
        const bool oneLine = r.height() <= 400 && !text.contains(u'\n');
        const int smallest = int(kBodyPoints * e.size * 20 * 0.65);
        auto overflows = [&] {
            if (oneLine)
                return p.fontMetrics().horizontalAdvance(text) > r.width();
            return p.boundingRect(r, flags, text).height() > r.height() + 10;
        };
        while (pixels > smallest && overflows()) {
            pixels = pixels * 9 / 10;
            font.setPixelSize(pixels);
            p.setFont(font);
        }
        p.setPen(e.orange ? QColor(255, 128, 0) : QColor(Qt::black));
        p.save();
        p.setClipRect(r.adjusted(-15, -15, 15, 15));
        p.drawText(r, flags, text);
        p.restore();
        QPen line(Qt::black);
        line.setWidthF(12);
        p.setPen(line);
    }
}

// The page note, in small type just below the printable area.
void DrawPageNote(QPainter& p, const QString& note, int width, int pageHeight) {
    QFont font(ReportFontFamily());
    font.setPixelSize(int(kBodyPoints * 0.9 * 20));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, pageHeight + 40, width, 240), Qt::AlignLeft | Qt::AlignTop, note);
    QPen line(Qt::black);
    line.setWidthF(12);
    p.setPen(line);
}

} // namespace

QPageLayout ReportPage(const ReportLayout& layout) {
    return QPageLayout(
        QPageSize(QPageSize::A4), layout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(kSideMarginMm, layout.verticalMarginMm, kSideMarginMm, layout.verticalMarginMm),
        QPageLayout::Millimeter);
}

void SetUpReportPage(const ReportLayout& layout, QPagedPaintDevice& device) {
    device.setPageLayout(ReportPage(layout));
}

Result<int> RenderReport(const ReportLayout& layout, ReportRecordset& data,
                         QPagedPaintDevice& device) {
    const Result<const Recordset*> parent = data.Parent();
    if (!parent)
        return Failure{parent.error()};
    const Result<const Recordset*> children = data.Children();
    if (!children)
        return Failure{children.error()};

    // The bands in print order, each with the row it prints.
    QList<Placed> items;
    const Recordset* rows = parent.value();
    for (qint32 r = 0; r < rows->RecordCount(); ++r) {
        if (layout.command == 3) {
            items.append({&layout.detail, rows, r, 0});
            continue;
        }
        items.append({&layout.groupHeader, rows, r, 0});
        const Result<QList<qint32>> mine = data.ChildRowsOf(r);
        if (!mine)
            return Failure{mine.error()};
        for (qint32 c : mine.value())
            items.append({&layout.detail, children.value(), c, 0});
        items.append({&layout.groupFooter, rows, r, 0});
    }

    // Pages: a band that does not fit what is left of a page starts the next one. The
    // page is always the report's A4 page, so the page breaks (and the heading lines the
    // lists put at the top of each page) stay where they belong on any paper.
    const QRectF area = ReportPage(layout).paintRectPoints();
    const int pageHeight = int(area.height() * 20); // points to twips
    const int top = layout.pageHeader.height;
    const int bottom = pageHeight - layout.pageFooter.height;
    QList<QList<Placed>> pages{{}};
    int y = top;
    for (Placed item : items) {
        if (item.band->IsEmpty())
            continue;
        const int h = item.band->height;
        if (y + h > bottom && !pages.last().isEmpty()) {
            pages.append(QList<Placed>());
            y = top;
        }
        item.y = y;
        pages.last().append(item);
        y += h;
    }

    QPainter p;
    if (!p.begin(&device))
        return Failure{QStringLiteral("印刷を始められませんでした。")};
    // On other paper the A4 page is scaled to fit the printable area.
    const QRectF paper = device.pageLayout().paintRectPoints();
    const double fit = std::min(paper.width() / area.width(), paper.height() / area.height());
    p.scale(fit * device.logicalDpiX() / 1440.0, fit * device.logicalDpiY() / 1440.0);
    QPen pen(Qt::black);
    pen.setWidthF(12);
    p.setPen(pen);
    const int count = int(pages.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            device.newPage();
        DrawBand(p, layout.pageHeader, rows, 0, 0, i + 1, count);
        for (const Placed& item : pages[i])
            DrawBand(p, *item.band, item.rows, item.row, item.y, i + 1, count);
        DrawBand(p, layout.pageFooter, rows, 0, bottom, i + 1, count);
        if (!layout.pageNote.isEmpty())
            DrawPageNote(p, layout.pageNote, layout.width, pageHeight);
    }
    p.end();
    return count;
}

Result<int> SaveReportPdf(const ReportLayout& layout, ReportRecordset& data, const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(1440);
    writer.setCreator(QStringLiteral("ソラリオ"));
    writer.setTitle(layout.title.isEmpty() ? layout.name : layout.title);
    SetUpReportPage(layout, writer);
    return RenderReport(layout, data, writer);
}

} // namespace solario
