#pragma once

#include "data/app_state.h"
#include "platform/progress.h"
#include "reports/report_layout.h"
#include "shell/platform.h"

#include <QDateTime>
#include <functional>

class QWidget;

namespace solario {

// A print of more pages than this asks the user first.
inline constexpr int kPagesToConfirm = 100;

// The layout as it is printed: over sample data with the sample note on every page, the
// edition of the data in use in its headings, the time of printing on every page, and
// the name a save suggests, which says what the print holds.
ReportLayout PrintedLayout(const AppState& s, const ReportLayout& layout,
                           const QDateTime& printedAt = QDateTime::currentDateTime());

// The printing sequence of every screen: busy pointer, write the report tables, lay the
// report out, default pointer, then the report shown modally in its preview. Writing
// and laying out show their progress and can be stopped, which leaves the tables as they
// were and shows nothing; a print of more than kPagesToConfirm pages asks first. A
// failure is shown in a box and no report is shown. The rows read for the report are let
// go when the preview closes.
void PrintReport(AppState& s, Platform& platform, QWidget* owner, const ReportLayout& layout,
                 const std::function<Status(const Progress&)>& write);

} // namespace solario
