#include "data/report_writing.h"

#include "data/field_catalogue.h"

namespace solario {

QString OrNotGiven(const QString& value) {
    return value.isEmpty() ? kNotGiven : value;
}

QString OrBlank(const QString& value) {
    return value.isEmpty() ? QStringLiteral(" ") : value;
}

QString YearsText(const AppState& s) {
    return OrNotGiven(s.CondStartYear) + QStringLiteral(" ～ ") + OrNotGiven(s.CondEndYear);
}

QString SortNoText(int k) {
    return QStringLiteral("%1").arg(k, 7, 10, QChar(u'0'));
}

QString PrintSubject(const AppState& s, bool record) {
    QStringList parts;
    auto add = [&parts](const QString& part) {
        if (!part.trimmed().isEmpty())
            parts.append(part.trimmed());
    };
    if (record) {
        add(s.DetailValues.value(FindFieldIndex(s, QStringLiteral("商品名"))));
        add(s.DetailValues.value(FindFieldIndex(s, QStringLiteral("ID"))));
        return parts.join(u'_');
    }
    if (!s.CondStartYear.isEmpty() || !s.CondEndYear.isEmpty())
        add(s.CondStartYear + u'～' + s.CondEndYear);
    for (const QString* condition : {&s.CondSekobui, &s.CondShiyoho, &s.CondKenzaiName,
                                     &s.CondMaker, &s.CondShohin, &s.CondKataban, &s.CondNintei})
        add(*condition);
    return parts.isEmpty() ? QStringLiteral("全件") : parts.join(u'_');
}

ReportRecordset& CommandRecordset(ReportDataEnvironment& env, int command) {
    return command == 1 ? *env.rsCommand1 : command == 2 ? *env.rsCommand2 : *env.rsCommand3;
}

Status WriteConditions(ReportDataEnvironment& env, ReportRecordset& recordset, QStringList columns,
                       QStringList values) {
    columns.append(QString());
    values.append(QString());
    return UpdateReportConditions(env, recordset, columns, values);
}

} // namespace solario
