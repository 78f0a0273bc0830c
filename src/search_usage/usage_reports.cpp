#include "search_usage/usage_reports.h"

#include "data/report_writing.h"

namespace solario {
namespace {

const QStringList& NameHeadingLine() {
    static const QStringList heading = {
        QStringLiteral("\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
                       "\u3000\u3000\u3000アスベスト含有建材名（一般名）"),
        QStringLiteral("該当件数")};
    return heading;
}

} // namespace

Status WriteNameSelectReport(AppState& s) {
    ReportDataEnvironment& env = *s.DataEnvironment1;
    ReportRecordset& rs = *env.rsCommand1;
    if (Status st =
            WriteConditions(env, rs,
                            {QStringLiteral("建物の種類"), QStringLiteral("竣工年"),
                             QStringLiteral("施工部位"), QStringLiteral("使われ方"),
                             QStringLiteral("DBバージョン"), QStringLiteral("非含有建材名")},
                            {QStringLiteral("戸建住宅"), YearsText(s), s.CondSekobui,
                             OrBlank(s.CondShiyoho), s.DataVersion, s.NonContainingNameList});
        !st)
        return st;
    if (Status st = DeleteAllRows(env, kGeneralNameReportTable, rs); !st)
        return st;
    int seq = 0, since = 0;
    auto insert = [&](QStringList row) {
        row << SortNoText(++seq) << QStringLiteral("01");
        return InsertRow(env, rs, kGeneralNameReportTable, GeneralNameReportColumns(), row);
    };
    for (int i = 0; i < s.GeneralNameCount; ++i) {
        ++since;
        if (i == 0 || i == kNameRowsFirstPage || since == kNameRowsPerPage + 1) {
            if (Status st = insert(NameHeadingLine()); !st)
                return st;
            since = 1;
        }
        if (Status st =
                insert({s.GeneralNames.value(i), QString::number(s.GeneralNameCounts.value(i))});
            !st)
            return st;
    }
    return {};
}

Status WriteUsageNotice(AppState& s, UsageNoticeKind kind) {
    QStringList columns = {QStringLiteral("竣工年"), QStringLiteral("施工部位"),
                           QStringLiteral("使われ方")};
    QStringList values = {YearsText(s), s.CondSekobui, OrBlank(s.CondShiyoho)};
    if (kind == UsageNoticeKind::NoProduct) {
        QString names;
        for (const QString& name : s.SelectedNames) {
            if (name.isEmpty())
                break;
            names += name + QStringLiteral("；");
        }
        columns << QStringLiteral("建材名") << QStringLiteral("現在のメーカー名")
                << QStringLiteral("商品名");
        values << names << OrBlank(s.CondMaker) << OrBlank(s.CondShohin);
    }
    columns << QStringLiteral("メッセージ") << QStringLiteral("DBバージョン");
    values << kNoHitSentence << s.DataVersion;
    ReportDataEnvironment& env = *s.DataEnvironment1;
    return WriteConditions(env, *env.rsCommand1, columns, values);
}

} // namespace solario
