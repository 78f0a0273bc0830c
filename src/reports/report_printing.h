#pragma once

#include "data/app_state.h"
#include "platform/platform.h"

#include <functional>

class QWidget;

namespace solario {

class ListModel;
struct ReportLayout;

// The conditions and lines each printing screen writes into the report tables.
Status WriteListReport(AppState& s, const ListModel& grid);
Status WriteNameSelectReport(AppState& s);
Status WriteNameSearchNotice(AppState& s);
enum class UsageNoticeKind { NothingFound, Insulation, NoProduct };
Status WriteUsageNotice(AppState& s, UsageNoticeKind kind);
Status WriteDetailReport(AppState& s);

// The printing sequence of every screen: busy pointer, write the tables, default
// pointer, then the report shown modally over its recordset. A failure is shown in a
// box and no report is shown.
void PrintReport(AppState& s, Platform& platform, QWidget* owner, const ReportLayout& layout,
                 const std::function<Status()>& write);

} // namespace solario
