#pragma once

#include "data/app_state.h"
#include "data/report_data.h"

namespace solario {

// What every print writes into the report tables.

// A condition the search left empty; one the route does not ask for; an empty cell.
inline const QString kNotGiven = QStringLiteral("指定なし");
inline const QString kNotAsked = QStringLiteral("\u3000\u3000\uFF0D");
inline const QString kBlankCell = QStringLiteral("\u3000");

// The lists repeat their heading line at the top of every printed page. A page holds the
// lines below, and the layouts' margins are chosen for A4 so that it holds just those:
// the product list has 8 products under the conditions on its first page, then 22 a
// page; the name list 25 names on its first page, then 34 a page.
inline constexpr int kListRowsFirstPage = 8;
inline constexpr int kListRowsPerPage = 22;
inline constexpr int kNameRowsFirstPage = 25;
inline constexpr int kNameRowsPerPage = 34;

// The value, or "指定なし" when it is empty.
QString OrNotGiven(const QString& value);
// The value, or one blank when it is empty.
QString OrBlank(const QString& value);
// "start ～ end" of the search's years, "指定なし" for an open end.
QString YearsText(const AppState& s);
// The ソートNo of the k-th line of a list: seven digits.
QString SortNoText(int k);

// What a print holds, for the name a save suggests: the open record's product name and
// ID, or the conditions the search was given, in the order the pages list them ("全件"
// when it was given none).
QString PrintSubject(const AppState& s, bool record);

// The recordset of report command 1, 2 or 3.
ReportRecordset& CommandRecordset(ReportDataEnvironment& env, int command);

// Writes the conditions row: the columns and their values (the lists are closed with
// the empty name the statement operations expect).
Status WriteConditions(ReportDataEnvironment& env, ReportRecordset& recordset, QStringList columns,
                       QStringList values);

} // namespace solario
