#pragma once

#include "platform/result.h"
#include "reports/report_layout.h"

class QPageLayout;
class QPagedPaintDevice;
class QPrinter;

namespace solario {

class ReportRecordset;

// Prints the layout over the recordset onto the device, page by page: the page header
// and footer on every page, the group header and footer once per parent row, one
// detail band per child row (per row for a plain command), a new page when a band does
// not fit, and "%p" / "%P" numbered after the whole report is laid out. Returns the
// number of pages.
Result<int> RenderReport(const ReportLayout& layout, ReportRecordset& data,
                         QPagedPaintDevice& device);

// Writes the report as a PDF file.
Result<int> SaveReportPdf(const ReportLayout& layout, ReportRecordset& data, const QString& path);

// The report's own page: A4 in the layout's orientation, small margins. Pages are laid out
// on it whatever the paper; on other paper the page is scaled to fit.
QPageLayout ReportPage(const ReportLayout& layout);

// Sets up a printer (or PDF writer) page for the layout: its own page.
void SetUpReportPage(const ReportLayout& layout, QPagedPaintDevice& device);

} // namespace solario
