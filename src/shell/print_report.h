#pragma once

#include "data/app_state.h"
#include "reports/report_layout.h"
#include "shell/platform.h"

#include <functional>

class QWidget;

namespace solario {

// The layout as it is printed: over sample data, with the sample note on every page.
ReportLayout PrintedLayout(const AppState& s, const ReportLayout& layout);

// The printing sequence of every screen: busy pointer, write the report tables, default
// pointer, then the report shown modally over its command's recordset. A failure is
// shown in a box and no report is shown.
void PrintReport(AppState& s, Platform& platform, QWidget* owner, const ReportLayout& layout,
                 const std::function<Status()>& write);

} // namespace solario
