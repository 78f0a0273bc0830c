#include "data/report_writing.h"

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
