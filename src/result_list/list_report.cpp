#include "result_list/list_report.h"

#include "data/input_rules.h"
#include "data/report_writing.h"

namespace solario {
namespace {

Status WriteListConditions(AppState& s, ReportDataEnvironment& env) {
    const bool nameRoute = s.SearchRouteTitle == SearchRoute::ByName;
    const bool usageRoute = s.SearchRouteTitle == SearchRoute::ByUsage;
    auto byName = [&](const QString& v) { return usageRoute ? kNotAsked : OrNotGiven(v); };
    auto byUsage = [&](const QString& v) { return nameRoute ? kNotAsked : OrNotGiven(v); };
    return WriteConditions(
        env, *env.rsCommand2,
        {QStringLiteral("竣工年"), QStringLiteral("施工部位"), QStringLiteral("使われ方"),
         QStringLiteral("建材名"), QStringLiteral("現在のメーカー名"), QStringLiteral("商品名"),
         QStringLiteral("型番・品番"), QStringLiteral("不燃材料認定番号"),
         QStringLiteral("DBバージョン")},
        {YearsText(s), byUsage(s.CondSekobui), byUsage(s.CondShiyoho), byName(s.CondKenzaiName),
         OrNotGiven(s.CondMaker), OrNotGiven(s.CondShohin), byName(s.CondKataban),
         byName(s.CondNintei), s.DataVersion});
}

// The heading line, padded with ideographic spaces as the printed list aligns it.
const QStringList& HeadingLine() {
    static const QStringList heading = {
        QStringLiteral("\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000建材名（一般名）"),
        QStringLiteral("\u3000\u3000\u3000\u3000\u3000\u3000\u3000商品名"),
        QStringLiteral("\u3000\u3000型番・品番"),
        QStringLiteral("\u3000\u3000\u3000\u3000生産時のメーカー名"),
        QStringLiteral("製造期間"),
        QStringLiteral("含有率(%)"),
        QStringLiteral("\u3000石綿種類"),
        QStringLiteral("不燃材料等認定番号")};
    return heading;
}

} // namespace

Status WriteListReport(AppState& s, const KeyedRecordset* list, const Progress& progress) {
    ReportDataEnvironment& env = *s.DataEnvironment1;
    ReportRecordset& rs = *env.rsCommand2;
    if (Status st = WriteListConditions(s, env); !st)
        return st;
    if (Status st = DeleteAllRows(env, kListReportTable, rs); !st)
        return st;
    const qint32 rows = list && list->IsOpen() ? list->RecordCount() : 0;
    int c = 0, k = 0;
    for (qint32 r = 1; r <= rows; ++r) {
        if (!GoOn(progress, r, rows))
            return Stopped();
        ++c;
        if (r == 1 || r == kListRowsFirstPage + 1 || c == kListRowsPerPage + 1) {
            QStringList heading = HeadingLine();
            heading << SortNoText(++k) << QStringLiteral("01");
            if (Status st = InsertRow(env, rs, kListReportTable, ListReportColumns(), heading); !st)
                return st;
            c = 1;
        }
        QStringList row;
        for (int column = 0; column < 8; ++column) {
            const QString text = list->ValueText(r - 1, column);
            row.append(TrimBlanks(text).isEmpty() ? kBlankCell : text);
        }
        row << SortNoText(++k) << QStringLiteral("01");
        if (Status st = InsertRow(env, rs, kListReportTable, ListReportColumns(), row); !st)
            return st;
    }
    return {};
}

} // namespace solario
