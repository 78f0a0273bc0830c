#include "search_name/no_hit_report.h"

#include "data/report_writing.h"

namespace solario {

Status WriteNameSearchNotice(AppState& s) {
    ReportDataEnvironment& env = *s.DataEnvironment1;
    return WriteConditions(env, *env.rsCommand1,
                           {QStringLiteral("竣工年"), QStringLiteral("建材名"),
                            QStringLiteral("商品名"), QStringLiteral("型番・品番"),
                            QStringLiteral("現在のメーカー名"), QStringLiteral("不燃材料認定番号"),
                            QStringLiteral("メッセージ"), QStringLiteral("DBバージョン")},
                           {YearsText(s), OrBlank(s.CondKenzaiName), OrBlank(s.CondShohin),
                            OrBlank(s.CondKataban), OrBlank(s.CondMaker), OrBlank(s.CondNintei),
                            kNoHitSentence, s.DataVersion});
}

} // namespace solario
