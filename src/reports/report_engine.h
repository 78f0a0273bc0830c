#pragma once

#include "platform/progress.h"
#include "platform/result.h"
#include "reports/report_layout.h"

#include <QList>
#include <QPageLayout>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPainter;

namespace solario {

class Recordset;
class ReportRecordset;

// A report laid out into pages: which band (or which part of a band) prints where on
// each page. Laying out reads the report's rows and measures every text; drawing a page
// lays out just the bands of that page again, so a document of thousands of pages holds
// a few numbers a band, never the drawn pages.
//
// Nothing is ever cut. A text that does not fit its cell wraps; then its own cell's type
// shrinks, down to four fifths (never below 7 pt); if it still does not fit, the cell
// grows to hold every line, the rest of its band moves down with it, and the page breaks
// earlier. A band taller than a whole page continues on the next page, broken between
// lines of text. With every value fitting its cell, the pages break exactly as the bands'
// fixed heights give.
class ReportDocument {
public:
    // Lays the report out over the recordset's rows. Progress is told of every row and
    // may stop the work (the result is then Stopped()).
    static Result<std::shared_ptr<const ReportDocument>>
    LayOut(const ReportLayout& layout, ReportRecordset& data, const Progress& progress = {});

    const ReportLayout& Layout() const { return layout_; }
    int PageCount() const { return int(pages_.size()); }
    // The report's own page: A4 in the layout's orientation, with its margins.
    QPageLayout Page() const;

    // Draws page `index` (from 0). The painter's unit is a twip, with the origin at the
    // top-left corner of the page's printable area (inside the margins). On a greyscale
    // printer the orange message is drawn darker, so that it stays legible.
    void DrawPage(QPainter& painter, int index, bool greyscale = false) const;

    // Where on the A4 page the part of a band prints: the band's own span [from, to) at
    // top y of the printable area.
    struct Slice {
        const ReportBand* band;
        const Recordset* rows;
        qint32 row;
        double y;
        double from;
        double to;
    };

    struct FitCache;

private:
    ReportDocument() = default;
    void DrawSlice(QPainter& p, const Slice& slice, int page, bool greyscale) const;
    void DrawPageNote(QPainter& p, int page) const;

    ReportLayout layout_;
    const Recordset* parent_ = nullptr;
    double pageHeight_ = 0; // of the printable area, twips
    double footerTop_ = 0;
    bool ownPageNumbers_ = false;
    QList<QList<Slice>> pages_;
    std::shared_ptr<FitCache> fits_;
};

// The report's own page: A4 in the layout's orientation and its margins. Pages are laid
// out on it whatever the paper; on other paper the page is scaled to fit.
QPageLayout ReportPage(const ReportLayout& layout);

// Sets up a printer (or PDF writer) page for the layout: its own page.
void SetUpReportPage(const ReportLayout& layout, QPagedPaintDevice& device);

// Draws pages first to last (from 1; 0 for the last page) of the document onto the
// device, a page at a time, telling progress of each page. Returns the number of pages
// drawn; Stopped() when progress stopped it, after calling `abandon` (a printer's abort)
// while the device is still being painted on.
Result<int> PrintDocument(const ReportDocument& document, QPagedPaintDevice& device,
                          const Progress& progress = {}, int first = 1, int last = 0,
                          bool greyscale = false, const std::function<void()>& abandon = {});

// Writes the document as a PDF file titled with the report's name, through a temporary
// file that replaces the target only when the whole file was written: a failure, or
// progress stopping the work, leaves an existing file as it was. A failure names its
// cause.
Result<int> SaveReportPdf(const ReportDocument& document, const QString& path,
                          const Progress& progress = {}, int first = 1, int last = 0);

// Lays the report out and draws every page onto the device; returns the number of pages.
Result<int> RenderReport(const ReportLayout& layout, ReportRecordset& data,
                         QPagedPaintDevice& device);
// Lays the report out and saves it as a PDF file.
Result<int> SaveReportPdf(const ReportLayout& layout, ReportRecordset& data, const QString& path);

} // namespace solario
