#include "reports/report_engine.h"

#include "data/report_data.h"
#include "reports/report_font.h"

#include <QHash>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QTextLayout>

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

// The pen of the rules and frames; text drawing changes the pen and puts this one back.
void UseRulePen(QPainter& p) {
    QPen line(Qt::black);
    line.setWidthF(12);
    p.setPen(line);
}

constexpr double kSmallestType = 0.8; // of an element's own size, when its text is long

QFont ElementFont(const ReportElement& e, double scale) {
    QFont font(ReportFontFamily());
    font.setPixelSize(int(kBodyPoints * e.size * 20 * scale)); // one device unit is a twip
    font.setBold(e.bold);
    return font;
}

bool Fits(QPainter& p, const QRectF& r, const QString& text, int flags) {
    const QRectF needed = p.boundingRect(r, flags, text);
    return needed.height() <= r.height() + 10 && needed.width() <= r.width() + 10;
}

// The largest type, down to four fifths of the element's size, in which the text fits its
// cell: wrapped onto more lines first, smaller only when the lines do not fit. A list
// repeats its names and makers on every page: each answer is kept for the next time.
double FitScale(QPainter& p, const ReportElement& e, const QRectF& r, const QString& text) {
    const int flags = int(e.align) | Qt::TextWordWrap;
    static QHash<QString, double> known;
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6|")
                            .arg(e.size)
                            .arg(int(e.bold))
                            .arg(r.width())
                            .arg(r.height())
                            .arg(flags)
                            .arg(p.device() ? p.device()->logicalDpiY() : 0) +
                        text;
    if (const auto found = known.constFind(key); found != known.cend())
        return found.value();
    double fit = kSmallestType;
    for (double scale = 1.0; scale > kSmallestType; scale -= 0.05) {
        p.setFont(ElementFont(e, scale));
        if (Fits(p, r, text, flags)) {
            fit = scale;
            break;
        }
    }
    if (known.size() >= 50000)
        known.clear();
    known.insert(key, fit);
    return fit;
}

QString ElementText(const ReportElement& e, const Recordset* rows, qint32 row, int page,
                    int pages) {
    switch (e.kind) {
    case ReportElement::Kind::Value:
        return Text(rows, row, e.text);
    case ReportElement::Kind::PageNumber:
        return QString::number(page);
    case ReportElement::Kind::PageCount:
        return QString::number(pages);
    default:
        return e.text;
    }
}

QString CutToFit(QPainter& p, const QRectF& r, const QString& text) {
    const QFontMetrics metrics = p.fontMetrics();
    const int room = std::max(1, int((r.height() + 10) / metrics.lineSpacing()));
    QTextLayout layout(text, p.font(), p.device());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    qsizetype lastStart = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(r.width());
        if (lines.size() + 1 == room) {
            lastStart = line.textStart();
            break;
        }
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
        lastStart = line.textStart() + line.textLength();
    }
    layout.endLayout();
    QString rest = text.mid(lastStart);
    rest.replace(u'\n', u' ');
    lines.append(metrics.elidedText(rest, Qt::ElideRight, int(r.width())));
    return lines.join(u'\n');
}

void DrawText(QPainter& p, const ReportElement& e, const QRectF& r, QString text, double scale) {
    p.setFont(ElementFont(e, scale));
    const int flags = int(e.align) | Qt::TextWordWrap;
    // Still too long at the smallest type: the lines that fit, the last one ending in
    // "…", so that the page shows that the text goes on.
    if (scale <= kSmallestType && !Fits(p, r, text, flags))
        text = CutToFit(p, r, text);
    p.setPen(e.orange ? QColor(255, 128, 0) : QColor(Qt::black));
    p.save();
    p.setClipRect(r.adjusted(-15, -15, 15, 15));
    p.drawText(r, flags, text);
    p.restore();
    UseRulePen(p);
}

void DrawBand(QPainter& p, const ReportBand& band, const Recordset* rows, qint32 row, int y,
              int page, int pages) {
    static const QPixmap banner(QStringLiteral(":/images/banner.png"));
    // Each text read once; the values of a row share one type size, the smallest any of
    // them needs.
    QStringList texts;
    double rowScale = 1.0;
    for (const ReportElement& e : band.elements) {
        texts.append(ElementText(e, rows, row, page, pages));
        if (e.kind == ReportElement::Kind::Value)
            rowScale =
                std::min(rowScale, FitScale(p, e, QRectF(e.left, y + e.top, e.width, e.height),
                                            texts.last()));
    }
    for (qsizetype i = 0; i < band.elements.size(); ++i) {
        const ReportElement& e = band.elements[i];
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
        DrawText(p, e, r, texts[i],
                 e.kind == ReportElement::Kind::Value ? rowScale : FitScale(p, e, r, texts[i]));
    }
}

// The page note, in small type just below the printable area.
void DrawPageNote(QPainter& p, const QString& note, int width, int pageHeight) {
    QFont font(ReportFontFamily());
    font.setPixelSize(int(kBodyPoints * 0.9 * 20));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, pageHeight + 40, width, 240), Qt::AlignLeft | Qt::AlignTop, note);
    UseRulePen(p);
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
    UseRulePen(p);
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
