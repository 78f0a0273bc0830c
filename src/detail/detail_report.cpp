#include "detail/detail_report.h"

#include "data/field_catalogue.h"
#include "data/input_rules.h"
#include "data/report_writing.h"

namespace solario {
namespace {

QString Value(const AppState& s, const QString& column) {
    return s.DetailValues.value(FindFieldIndex(s, column));
}

// The report captions of the group's ticked columns, each followed by an ideographic
// space.
QString Captions(const AppState& s, FlagGroup group) {
    QString line;
    for (const FlagColumn& f : FlagColumns(group))
        if (!Value(s, f.column).isEmpty())
            line += f.reportCaption + u'\u3000';
    return line;
}

// "start ～ end", or the start alone; no start is recorded as 0.
QString PeriodText(const AppState& s) {
    QString start = Value(s, QStringLiteral("製造開始"));
    if (start == u"0")
        start.clear();
    const QString end = Value(s, QStringLiteral("製造終了"));
    return end.isEmpty() ? start : start + QStringLiteral(" ～ ") + end;
}

// "kind-number", or the kind alone.
QString CertificationText(const AppState& s) {
    QString cert = Value(s, QStringLiteral("不燃材料認定番号（種類）"));
    const QString number = Value(s, QStringLiteral("不燃材料認定番号（番号）"));
    if (!number.isEmpty())
        cert += u'-' + number;
    return cert;
}

// The values of the report columns in order, before the data edition.
QStringList DetailReportValues(const AppState& s) {
    auto value = [&s](const char16_t* column) { return Value(s, QString::fromUtf16(column)); };
    QStringList values = {value(u"一般名"),
                          value(u"商品名"),
                          value(u"型番・品番"),
                          value(u"現在のメーカー名"),
                          value(u"生産時のメーカー名"),
                          PeriodText(s),
                          CertificationText(s),
                          value(u"石綿含有率"),
                          value(u"石綿の種類")};
    for (FlagGroup group : {FlagGroup::BuildingKind, FlagGroup::Exterior, FlagGroup::Interior,
                            FlagGroup::Fireproofing, FlagGroup::Equipment, FlagGroup::OtherPart,
                            FlagGroup::Usage, FlagGroup::Material})
        values.append(Captions(s, group));
    for (const char16_t* column :
         {u"形状・外観（綿状）", u"形状・外観（ボード状厚さmm）",
          u"形状・外観（ボード状標準寸法mm）", u"形状・外観（巻物厚さmm）",
          u"形状・外観（巻物標準寸法mm）", u"固有の見分け方", u"会社名マーク", u"商品名内容",
          u"その他ロット番号等", u"不燃材料認定番号有無", u"ＪＩＳ許可番号", u"aマーク",
          u"販売地域", u"相談窓口（メーカー名称）", u"相談窓口（メーカー電話）",
          u"相談窓口（関係団体名称）", u"相談窓口（関係団体電話）"})
        values.append(value(column));
    return values;
}

} // namespace

Status WriteDetailReport(AppState& s) {
    QStringList values = DetailReportValues(s);
    for (QString& v : values)
        if (TrimBlanks(v).isEmpty()) // blanks only: a line break alone is written as it is
            v = kBlankCell;
    values.append(s.DataVersion);
    // The list ends with an empty name.
    QStringList columns = DetailReportColumns();
    columns.append(QString());
    values.append(QString());
    ReportDataEnvironment& env = *s.DataEnvironment1;
    if (Status st = DeleteAllRows(env, kDetailReportTable, *env.rsCommand2); !st)
        return st;
    return InsertRow(env, *env.rsCommand3, kDetailReportTable, columns, values);
}

} // namespace solario
