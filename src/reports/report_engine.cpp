#include "reports/report_engine.h"

#include "data/report_data.h"
#include "platform/atomic_file.h"
#include "platform/line_breaks.h"
#include "reports/report_font.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QTextLayout>
#include <algorithm>
#include <vector>

namespace solario {
namespace {

constexpr double kBodyPoints = 9.0;
constexpr double kSideMarginMm = 8;
constexpr double kSmallestType = 0.8;    // of an element's own size, when its text is long
constexpr double kSmallestPoints = 7.0;  // and never smaller than this
constexpr double kTolerance = 10;        // twips a text may pass its cell by and still fit
constexpr double kGrownPad = 30;         // between a grown cell's rules and its lines
constexpr double kNoteGap = 40;          // between the printable area and the page note
constexpr double kNotePoints = kBodyPoints * 0.9;

using K = ReportElement::Kind;

bool IsText(K kind) {
    return kind == K::Label || kind == K::Value || kind == K::PageNumber || kind == K::PageCount;
}

// Line breaks as the text layout takes them: a forced break of its own.
QString WithLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    text.replace(u'\r', QChar::LineSeparator);
    text.replace(u'\n', QChar::LineSeparator);
    return text;
}

QString ElementText(const ReportElement& e, const Recordset* rows, qint32 row, int page,
                    int pages) {
    switch (e.kind) {
    case K::Value:
        return rows ? WithLineBreaks(rows->ValueText(row, rows->FieldIndex(e.text))) : QString();
    case K::PageNumber:
        return QString::number(page);
    case K::PageCount:
        return QString::number(pages);
    default:
        return WithLineBreaks(e.text);
    }
}

// The print face at a size in twips (one device unit is a twip), with its metrics.
struct Face {
    QFont font;
    QFontMetricsF metrics{font};
};

const Face& FaceOf(int twips, bool bold) {
    static QHash<int, std::shared_ptr<Face>> faces;
    const int key = twips * 2 + int(bold);
    if (const auto found = faces.constFind(key); found != faces.cend())
        return *found.value();
    QFont font(ReportFontFamily());
    font.setPixelSize(twips);
    font.setBold(bold);
    auto face = std::make_shared<Face>(Face{font, QFontMetricsF(font)});
    faces.insert(key, face);
    return *face;
}

// A line of a text as its cell sets it: where it starts in the text, and how long it is.
struct Span {
    qsizetype start;
    qsizetype length;
};

bool IsLineEnd(QChar c) {
    return c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c == u'\n';
}

// The part of the text a line shows: what is printed of it, without the line break and
// the blanks it ends in, which take no room.
QString LineText(const QString& text, Span span) {
    qsizetype end = span.start + span.length;
    while (end > span.start && (IsLineEnd(text.at(end - 1)) || text.at(end - 1).isSpace()))
        --end;
    return text.mid(span.start, end - span.start);
}

// The lines of the text in the width: each as full as it can be, broken only where a line
// may break (between phrases; see LineBreakPositions). A comma or full stop at the end of
// a line may hang past it, as Japanese type sets it. A phrase wider than a whole line is
// broken between characters, and `split` then says so. A text that fits on one line is
// found so without looking for its breaks.
QList<Span> BreakLines(const QString& text, const Face& face, double width,
                       bool* split = nullptr) {
    if (split)
        *split = false;
    if (!text.contains(QChar::LineSeparator) && face.metrics.horizontalAdvance(text) <= width)
        return {{0, text.size()}};
    auto fits = [&](qsizetype from, qsizetype to) {
        QString line = LineText(text, {from, to - from});
        if (line.endsWith(u'、') || line.endsWith(u'。') || line.endsWith(u'，') ||
            line.endsWith(u'．'))
            line.chop(1);
        return face.metrics.horizontalAdvance(line) <= width;
    };
    QList<Span> lines;
    QList<qsizetype> breaks = LineBreakPositions(text);
    breaks.append(text.size());
    qsizetype start = 0, end = 0; // the line being filled, up to the last break that fits
    for (const qsizetype next : breaks) {
        if (!fits(start, next)) {
            if (end > start) {
                lines.append({start, end - start});
                start = end;
            }
            while (!fits(start, next)) { // one phrase wider than the line
                if (split)
                    *split = true;
                qsizetype cut = start + 1;
                while (cut < next && (text.at(cut).isLowSurrogate() || fits(start, cut + 1)))
                    ++cut;
                lines.append({start, cut - start});
                start = cut;
            }
        }
        end = next;
        if (next < text.size() && IsLineEnd(text.at(next - 1))) {
            lines.append({start, next - start});
            start = end = next;
        }
    }
    if (start < text.size() || lines.isEmpty() || IsLineEnd(text.back()))
        lines.append({start, text.size() - start});
    return lines;
}

// How a text is set in its cell: its type size, its lines, and whether they fit the
// cell's own height.
struct Fit {
    int twips = 0;
    double lineHeight = 0;
    int lines = 1;
    bool fits = true;
    double TextHeight() const { return lines * lineHeight; }
};

struct FitKey {
    QString text;
    int width;
    int height;
    int size; // the element's relative size and boldness
    bool operator==(const FitKey&) const = default;
};
size_t qHash(const FitKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.text, k.width, k.height, k.size);
}

} // namespace

// A report's answers of FitText: a list repeats its names and makers on every page, and
// each page is laid out again when it is drawn. Kept as long as the report.
struct ReportDocument::FitCache {
    QHash<FitKey, Fit> known;
};

namespace {

using FitCache = ReportDocument::FitCache;

// The largest type, down to four fifths of the element's size (and never below 7 pt), in
// which the text fits its cell: wrapped onto more lines first, smaller only when the
// lines do not fit or a word would have to be split. When even the smallest does not
// fit, the lines at the smallest type and fits = false: the cell must grow.
Fit FitText(const ReportElement& e, const QString& text, FitCache& cache) {
    QHash<FitKey, Fit>& known = cache.known;
    const FitKey key{text, e.width, e.height, int(e.size * 1000) * 2 + int(e.bold)};
    if (const auto found = known.constFind(key); found != known.cend())
        return found.value();
    const double base = kBodyPoints * e.size;
    const double smallest = std::max(kSmallestType, kSmallestPoints / base);
    Fit fit;
    for (int step = 0;; ++step) {
        const double scale = std::max(1.0 - 0.05 * step, smallest);
        const Face& face = FaceOf(int(base * 20 * scale), e.bold);
        fit.twips = face.font.pixelSize();
        fit.lineHeight = face.metrics.lineSpacing();
        bool split = false;
        fit.lines = int(BreakLines(text, face, e.width, &split).size());
        fit.fits = fit.TextHeight() <= e.height + kTolerance;
        if ((fit.fits && !split) || scale <= smallest)
            break;
    }
    if (known.size() >= 200000) // a bound, for lists of unique long texts
        known.clear();
    known.insert(key, fit);
    return fit;
}

// The height a grown cell takes: its lines, and for a text set in the middle of its
// cell, room between the lines and the rules.
double GrownHeight(const ReportElement& e, const Fit& fit) {
    return fit.TextHeight() + ((e.align & Qt::AlignVCenter) ? 2 * kGrownPad : 0);
}

// One element as it prints in a band laid out for a row: its place, and for a text, the
// text, how it is set and where its first line stands.
struct Laid {
    QRectF rect;
    QString text;
    Fit fit;
    double textTop = 0;
};

struct LaidBand {
    std::vector<Laid> items; // one per element of the band
    double height = 0;
    double contentBottom = 0;
};

// Lays the band out for a row. A text that does not fit its cell makes the cell grow;
// everything below the cell's foot moves down by as much, and what spans it (the rules
// of the row, a group caption's frame) stretches. Where several cells of a row grow, the
// row takes the tallest.
LaidBand LayBand(const ReportBand& band, const Recordset* rows, qint32 row, int page, int pages,
                 FitCache& cache) {
    LaidBand laid;
    const qsizetype n = band.elements.size();
    laid.items.resize(size_t(n));
    bool grows = false;
    for (qsizetype i = 0; i < n; ++i) {
        const ReportElement& e = band.elements[i];
        Laid& item = laid.items[size_t(i)];
        item.rect = QRectF(e.left, e.top, e.width, e.height);
        if (IsText(e.kind)) {
            item.text = ElementText(e, rows, row, page, pages);
            item.fit = FitText(e, item.text, cache);
            grows = grows || !item.fit.fits;
        }
    }
    laid.height = band.height;
    if (grows) {
        // Every top and foot of an element is a point of the band; each point moves down
        // by what the points above it moved, and further where a cell ending there needs
        // room for its lines.
        std::vector<double> points{0, double(band.height)};
        for (const ReportElement& e : band.elements) {
            points.push_back(e.top);
            points.push_back(e.top + e.height);
        }
        std::sort(points.begin(), points.end());
        points.erase(std::unique(points.begin(), points.end()), points.end());
        auto at = [&](double y) {
            return size_t(std::lower_bound(points.begin(), points.end(), y) - points.begin());
        };
        std::vector<double> moved(points.size());
        for (size_t k = 0; k < points.size(); ++k) {
            moved[k] = k == 0 ? points[0] : moved[k - 1] + (points[k] - points[k - 1]);
            for (qsizetype i = 0; i < n; ++i) {
                const ReportElement& e = band.elements[i];
                const Laid& item = laid.items[size_t(i)];
                if (IsText(e.kind) && !item.fit.fits && e.top + e.height == points[k])
                    moved[k] = std::max(moved[k], moved[at(e.top)] + GrownHeight(e, item.fit));
            }
        }
        for (qsizetype i = 0; i < n; ++i) {
            const ReportElement& e = band.elements[i];
            Laid& item = laid.items[size_t(i)];
            const double top = moved[at(e.top)];
            // A text keeps its cell's height unless it grew; shapes stretch with the rows
            // they span.
            const double height = IsText(e.kind)
                                      ? (item.fit.fits ? e.height : GrownHeight(e, item.fit))
                                      : moved[at(e.top + e.height)] - top;
            item.rect = QRectF(e.left, top, e.width, height);
        }
        laid.height = moved[at(band.height)];
    }
    for (qsizetype i = 0; i < n; ++i) {
        const ReportElement& e = band.elements[i];
        Laid& item = laid.items[size_t(i)];
        if (IsText(e.kind)) {
            const double text = item.fit.TextHeight();
            if (!item.fit.fits)
                item.textTop = item.rect.top() + ((e.align & Qt::AlignVCenter) ? kGrownPad : 0);
            else if (e.align & Qt::AlignVCenter)
                item.textTop = item.rect.top() + (item.rect.height() - text) / 2;
            else if (e.align & Qt::AlignBottom)
                item.textTop = item.rect.bottom() - text;
            else
                item.textTop = item.rect.top();
            laid.contentBottom =
                std::max({laid.contentBottom, item.rect.bottom(), item.textTop + text});
        } else {
            laid.contentBottom = std::max(laid.contentBottom, item.rect.bottom());
        }
    }
    return laid;
}

// Where a band that does not fit below `limit` breaks: at `limit`, or higher so that no
// line of text is cut in two, no frame, row or picture that starts on this page is split
// (it moves to the next page whole, unless it began the page), and elements kept
// together stay together.
double CutPoint(const ReportBand& band, const LaidBand& laid, double from, double limit) {
    QHash<int, QRectF> kept;
    for (size_t i = 0; i < laid.items.size(); ++i)
        if (const int keep = band.elements[qsizetype(i)].keep)
            kept[keep] = kept.value(keep, laid.items[i].rect).united(laid.items[i].rect);
    double cut = limit;
    auto before = [&](double top, double bottom) {
        if (top > from + 1 && top < cut && bottom > cut + 0.5) {
            cut = top;
            return true;
        }
        return false;
    };
    for (bool moved = true; moved;) {
        moved = false;
        for (size_t i = 0; i < laid.items.size(); ++i) {
            const ReportElement& e = band.elements[qsizetype(i)];
            const Laid& item = laid.items[i];
            if (IsText(e.kind)) {
                for (int k = 0; k < item.fit.lines; ++k) {
                    const double top = item.textTop + k * item.fit.lineHeight;
                    moved = before(top, top + item.fit.lineHeight) || moved;
                }
            } else if (e.kind != K::Line) {
                moved = before(item.rect.top(), item.rect.bottom()) || moved;
            }
        }
        for (const QRectF& group : std::as_const(kept))
            moved = before(group.top(), group.bottom()) || moved;
    }
    return cut > from + 1 ? cut : limit;
}

// The pen of the rules and frames; text drawing changes the pen and puts this one back.
void UseRulePen(QPainter& p) {
    QPen line(Qt::black);
    line.setWidthF(12);
    p.setPen(line);
}

QColor TextColour(const ReportElement& e, bool greyscale) {
    if (!e.orange)
        return Qt::black;
    // The orange of the message is a light grey on a greyscale printer: a darker orange
    // prints as a dark grey.
    return greyscale ? QColor(150, 75, 0) : QColor(255, 128, 0);
}

// The band's span [from, to) drawn at y; lines of text and shapes belong to the slice
// their top falls in, and a frame that the slice cuts is closed at the cut.
void DrawLaid(QPainter& p, const ReportBand& band, const LaidBand& laid, double y, double from,
              double to, bool greyscale) {
    static const QPixmap banner(QStringLiteral(":/images/banner.png"));
    const bool first = from <= 0;
    const bool last = to >= laid.height;
    auto inside = [&](double top) { return (first || top >= from) && (last || top < to); };
    const double dy = y - from;
    for (size_t i = 0; i < laid.items.size(); ++i) {
        const ReportElement& e = band.elements[qsizetype(i)];
        const Laid& item = laid.items[i];
        QRectF r = item.rect;
        switch (e.kind) {
        case K::Rect:
        case K::RoundRect: {
            const double top = first ? r.top() : std::max(r.top(), from);
            const double bottom = last ? r.bottom() : std::min(r.bottom(), to);
            if (bottom <= top)
                continue;
            const QRectF shown(r.left(), top + dy, r.width(), bottom - top);
            p.setBrush(Qt::NoBrush);
            if (e.kind == K::Rect)
                p.drawRect(shown);
            else
                p.drawRoundedRect(shown, 240, 240);
            continue;
        }
        case K::Line:
            if (inside(r.top()))
                p.drawLine(QPointF(r.left(), r.top() + dy), QPointF(r.right(), r.top() + dy));
            continue;
        case K::Picture:
            if (inside(r.top()))
                p.drawPixmap(r.translated(0, dy), banner, banner.rect());
            continue;
        default:
            break;
        }
        const Face& face = FaceOf(item.fit.twips, e.bold);
        // Its lines: laying out found how many; one line is the whole text.
        const QList<Span> lines = item.fit.lines == 1 && !item.text.contains(QChar::LineSeparator)
                                      ? QList<Span>{{0, item.text.size()}}
                                      : BreakLines(item.text, face, r.width());
        p.setPen(TextColour(e, greyscale));
        p.setFont(face.font);
        QTextOption option(e.align & Qt::AlignHorizontal_Mask);
        option.setWrapMode(QTextOption::NoWrap);
        for (qsizetype k = 0; k < lines.size(); ++k) {
            const double top = item.textTop + double(k) * item.fit.lineHeight;
            if (!inside(top))
                continue;
            QTextLayout line(LineText(item.text, lines[k]), face.font);
            line.setTextOption(option);
            line.beginLayout();
            QTextLine only = line.createLine();
            if (only.isValid()) {
                only.setLineWidth(r.width());
                only.setPosition(QPointF(0, 0));
            }
            line.endLayout();
            line.draw(&p, QPointF(r.left(), top + dy));
        }
        UseRulePen(p);
    }
}

bool HasPageNumbers(const ReportLayout& l) {
    for (const ReportBand* band :
         {&l.pageHeader, &l.groupHeader, &l.detail, &l.groupFooter, &l.pageFooter})
        for (const ReportElement& e : band->elements)
            if (e.kind == K::PageNumber)
                return true;
    return false;
}

// The pages as bands are added to them, top to bottom.
struct Flow {
    double top;
    double bottom;
    QList<QList<ReportDocument::Slice>>& pages;
    double y = top;

    bool PageEmpty() const { return pages.last().isEmpty(); }
    void NewPage() {
        pages.append(QList<ReportDocument::Slice>());
        y = top;
    }
    void Add(const ReportBand& band, const Recordset* rows, qint32 row, double from, double to) {
        pages.last().append({&band, rows, row, y, from, to});
        y += to - from;
    }
};

} // namespace

QPageLayout ReportPage(const ReportLayout& layout) {
    return QPageLayout(
        QPageSize(QPageSize::A4), layout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(kSideMarginMm, layout.topMarginMm, kSideMarginMm, layout.bottomMarginMm),
        QPageLayout::Millimeter);
}

void SetUpReportPage(const ReportLayout& layout, QPagedPaintDevice& device) {
    device.setPageLayout(ReportPage(layout));
}

QPageLayout ReportDocument::Page() const {
    return ReportPage(layout_);
}

Result<std::shared_ptr<const ReportDocument>>
ReportDocument::LayOut(const ReportLayout& given, ReportRecordset& data, const Progress& progress) {
    const Result<const Recordset*> parent = data.Parent();
    if (!parent)
        return Failure{parent.error()};
    const Result<const Recordset*> children = data.Children();
    if (!children)
        return Failure{children.error()};
    std::shared_ptr<ReportDocument> doc(new ReportDocument);
    doc->fits_ = std::make_shared<FitCache>();
    doc->layout_ = given;
    // The pages point into the document's own copy of the layout.
    const ReportLayout& layout = doc->layout_;
    doc->parent_ = parent.value();
    doc->ownPageNumbers_ = HasPageNumbers(layout);
    doc->pageHeight_ = ReportPage(layout).paintRectPoints().height() * 20; // points to twips
    const Recordset* rows = parent.value();
    const Recordset* lines = children.value();

    // The page is always the report's A4 page, so the pages break in the same places on
    // any paper.
    const double top = layout.pageHeader.IsEmpty()
                           ? layout.pageHeader.height
                           : LayBand(layout.pageHeader, rows, 0, 1, 1, *doc->fits_).height;
    const double footer = layout.pageFooter.IsEmpty()
                              ? layout.pageFooter.height
                              : LayBand(layout.pageFooter, rows, 0, 1, 1, *doc->fits_).height;
    doc->footerTop_ = doc->pageHeight_ - footer;
    doc->pages_ = {{}};
    Flow flow{top, doc->footerTop_, doc->pages_};

    // A list's heading line: the first of its rows; the rows that repeat it give way to
    // the heading the pages put at their top.
    const ReportBand& detail = layout.detail;
    std::vector<int> detailColumns;
    for (const ReportElement& e : detail.elements)
        if (e.kind == K::Value)
            detailColumns.push_back(lines->FieldIndex(e.text));
    qint32 heading = -1;
    double headingHeight = 0;
    bool headingDue = false;
    auto isHeading = [&](qint32 c) {
        for (int column : detailColumns)
            if (lines->ValueText(c, column) != lines->ValueText(heading, column))
                return false;
        return true;
    };

    // Places a band: on a new page when it does not fit what is left of this one; one
    // taller than a page continues on the next, broken between lines. Detail rows of a
    // list with headings have the heading above them on every page.
    auto place = [&](const ReportBand& band, const Recordset* source, qint32 row,
                     bool underHeading) {
        if (band.IsEmpty())
            return;
        const LaidBand laid = LayBand(band, source, row, 1, 1, *doc->fits_);
        const double h = laid.height;
        underHeading = underHeading && heading >= 0;
        const double above = underHeading && headingDue ? headingHeight : 0;
        if (flow.y + above + h > flow.bottom && !flow.PageEmpty()) {
            flow.NewPage();
            headingDue = underHeading;
        }
        if (underHeading && headingDue) {
            flow.Add(detail, lines, heading, 0, headingHeight);
            headingDue = false;
        }
        for (double from = 0;;) {
            const double room = std::max(flow.bottom - flow.y, double(kGrownPad));
            if (h - from <= room || laid.contentBottom - from <= room) {
                flow.Add(band, source, row, from, h);
                return;
            }
            const double cut = CutPoint(band, laid, from, from + room);
            flow.Add(band, source, row, from, cut);
            flow.NewPage();
            if (underHeading)
                flow.Add(detail, lines, heading, 0, headingHeight);
            from = cut;
        }
    };

    const qint64 total = layout.command == 3 ? rows->RecordCount() : lines->RecordCount();
    qint64 done = 0;
    for (qint32 r = 0; r < rows->RecordCount(); ++r) {
        if (layout.command == 3) {
            place(detail, rows, r, false);
            if (!GoOn(progress, ++done, total))
                return Stopped();
            continue;
        }
        place(layout.groupHeader, rows, r, false);
        const Result<QList<qint32>> mine = data.ChildRowsOf(r);
        if (!mine)
            return Failure{mine.error()};
        for (qint32 c : mine.value()) {
            if (!GoOn(progress, ++done, total))
                return Stopped();
            if (detail.IsEmpty())
                continue;
            if (layout.headingRows) {
                if (heading < 0) {
                    heading = c;
                    headingHeight = LayBand(detail, lines, c, 1, 1, *doc->fits_).height;
                    headingDue = true;
                    continue;
                }
                if (isHeading(c))
                    continue;
            }
            place(detail, lines, c, true);
        }
        place(layout.groupFooter, rows, r, false);
    }
    return std::shared_ptr<const ReportDocument>(std::move(doc));
}

void ReportDocument::DrawPage(QPainter& p, int index, bool greyscale) const {
    if (index < 0 || index >= pages_.size())
        return;
    const int page = index + 1;
    UseRulePen(p);
    const double huge = 1e9;
    DrawSlice(p, {&layout_.pageHeader, parent_, 0, 0, 0, huge}, page, greyscale);
    for (const Slice& slice : pages_[index])
        DrawSlice(p, slice, page, greyscale);
    DrawSlice(p, {&layout_.pageFooter, parent_, 0, footerTop_, 0, huge}, page, greyscale);
    DrawPageNote(p, page);
}

void ReportDocument::DrawSlice(QPainter& p, const Slice& slice, int page, bool greyscale) const {
    if (slice.band->IsEmpty())
        return;
    const LaidBand laid = LayBand(*slice.band, slice.rows, slice.row, page, PageCount(), *fits_);
    DrawLaid(p, *slice.band, laid, slice.y, slice.from, slice.to, greyscale);
}

// The page note in small type in the bottom margin: the sample note on the left; when the
// page was printed, and which page it is where the layout numbers no pages, on the right.
void ReportDocument::DrawPageNote(QPainter& p, int page) const {
    QString stamp;
    if (layout_.printedAt.isValid())
        stamp = QStringLiteral("印刷日時：") +
                layout_.printedAt.toString(QStringLiteral("yyyy年MM月dd日 HH:mm"));
    if (!ownPageNumbers_)
        stamp += (stamp.isEmpty() ? QString() : QStringLiteral("\u3000")) +
                 QStringLiteral("ページ %1／%2").arg(page).arg(PageCount());
    const Face& face = FaceOf(int(kNotePoints * 20), false);
    p.setFont(face.font);
    p.setPen(Qt::black);
    const QRectF line(0, pageHeight_ + kNoteGap, layout_.width, face.metrics.lineSpacing());
    if (!layout_.pageNote.isEmpty())
        p.drawText(line, Qt::AlignLeft | Qt::AlignTop, layout_.pageNote);
    p.drawText(line, Qt::AlignRight | Qt::AlignTop, stamp);
    UseRulePen(p);
}

Result<int> PrintDocument(const ReportDocument& document, QPagedPaintDevice& device,
                          const Progress& progress, int first, int last, bool greyscale,
                          const std::function<void()>& abandon) {
    const int count = document.PageCount();
    first = std::clamp(first, 1, count);
    last = last <= 0 ? count : std::clamp(last, first, count);
    QPainter p;
    if (!p.begin(&device))
        return Failure{QStringLiteral("印刷を始められませんでした。")};
    // On other paper the A4 page is scaled to fit the printable area.
    const QRectF area = document.Page().paintRectPoints();
    const QRectF paper = device.pageLayout().paintRectPoints();
    const double fit = std::min(paper.width() / area.width(), paper.height() / area.height());
    p.scale(fit * device.logicalDpiX() / 1440.0, fit * device.logicalDpiY() / 1440.0);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        document.DrawPage(p, page - 1, greyscale);
        if (!GoOn(progress, page - first + 1, last - first + 1)) {
            if (abandon)
                abandon();
            p.end();
            return Stopped();
        }
    }
    if (!p.end())
        return Failure{QStringLiteral("印刷を終えられませんでした。")};
    return last - first + 1;
}

Result<int> SaveReportPdf(const ReportDocument& document, const QString& path,
                          const Progress& progress, int first, int last) {
    AtomicFile file(path);
    if (const Status opened = file.Begin(); !opened)
        return Failure{opened.error()};
    Result<int> pages = [&] {
        QPdfWriter writer(&file);
        writer.setResolution(1440);
        writer.setCreator(QStringLiteral("ソラリオ"));
        const ReportLayout& layout = document.Layout();
        writer.setTitle(layout.title.isEmpty() ? layout.name : layout.title);
        writer.setPageLayout(document.Page());
        return PrintDocument(document, writer, progress, first, last);
    }();
    if (!pages) {
        file.Abandon();
        return pages;
    }
    if (const Status committed = file.Commit(); !committed)
        return Failure{committed.error()};
    return pages;
}

Result<int> RenderReport(const ReportLayout& layout, ReportRecordset& data,
                         QPagedPaintDevice& device) {
    const auto document = ReportDocument::LayOut(layout, data);
    if (!document)
        return Failure{document.error()};
    return PrintDocument(*document.value(), device);
}

Result<int> SaveReportPdf(const ReportLayout& layout, ReportRecordset& data, const QString& path) {
    const auto document = ReportDocument::LayOut(layout, data);
    if (!document)
        return Failure{document.error()};
    return SaveReportPdf(*document.value(), path);
}

} // namespace solario
