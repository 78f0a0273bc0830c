#include "reports/report_printing.h"

#include "data/field_catalogue.h"
#include "data/input_rules.h"
#include "reports/report_data.h"
#include "reports/report_layout.h"
#include "result_list/list_model.h"

namespace solario {
namespace {

const QString kNotice = QStringLiteral(
    "入力条件に該当する石綿（アスベスト）含有建材は\r本データベース中にはありません。");
const QString kNotAsked =
    QStringLiteral("\u3000\u3000\uFF0D"); // a condition the route does not ask for
const QString kNone = QStringLiteral("指定なし");
const QString kWide = QStringLiteral("\u3000");

QString OrNone(const QString& v) {
    return v.isEmpty() ? kNone : v;
}
QString OrBlank(const QString& v) {
    return v.isEmpty() ? QStringLiteral(" ") : v;
}
QString Years(const AppState& s) {
    return OrNone(s.CondStartYear) + QStringLiteral(" ～ ") + OrNone(s.CondEndYear);
}
QString SortNo(int k) {
    return QStringLiteral("%1").arg(k, 7, 10, QChar(u'0'));
}

ReportDataEnvironment* Env(AppState& s) {
    return s.DataEnvironment1.get();
}

// The column/value lists end with an empty name.
Status Conditions(AppState& s, ReportRecordset& rs, QStringList columns, QStringList values) {
    columns.append(QString());
    values.append(QString());
    return UpdateReportConditions(*Env(s), rs, columns, values);
}

} // namespace

Status WriteListReport(AppState& s, const ListModel& grid) {
    ReportDataEnvironment& env = *Env(s);
    ReportRecordset& rs = *env.rsCommand2;
    const bool nameRoute = s.SearchRouteTitle == u"建材名称等からの検索";
    const bool usageRoute = s.SearchRouteTitle == u"使用状態からの検索";
    if (Status st = Conditions(
            s, rs,
            {QStringLiteral("竣工年"), QStringLiteral("施工部位"), QStringLiteral("使われ方"),
             QStringLiteral("建材名"), QStringLiteral("現在のメーカー名"), QStringLiteral("商品名"),
             QStringLiteral("型番・品番"), QStringLiteral("不燃材料認定番号"),
             QStringLiteral("DBバージョン")},
            {Years(s), nameRoute ? kNotAsked : OrNone(s.CondSekobui),
             nameRoute ? kNotAsked : OrNone(s.CondShiyoho),
             usageRoute ? kNotAsked : OrNone(s.CondKenzaiName), OrNone(s.CondMaker),
             OrNone(s.CondShohin), usageRoute ? kNotAsked : OrNone(s.CondKataban),
             usageRoute ? kNotAsked : OrNone(s.CondNintei), s.DataVersion});
        !st)
        return st;
    if (Status st = DeleteAllRows(env, kListReportTable, rs); !st)
        return st;
    const QStringList heading = {
        QStringLiteral("\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000建材名（一般名）"),
        QStringLiteral("\u3000\u3000\u3000\u3000\u3000\u3000\u3000商品名"),
        QStringLiteral("\u3000\u3000型番・品番"),
        QStringLiteral("\u3000\u3000\u3000\u3000生産時のメーカー名"),
        QStringLiteral("製造期間"),
        QStringLiteral("含有率(%)"),
        QStringLiteral("\u3000石綿種類"),
        QStringLiteral("不燃材料等認定番号")};
    int c = 0, k = 0;
    for (qint32 r = 1; r <= grid.rowCount(); ++r) {
        ++c;
        if (r == 1 || r == 9 || c == 23) {
            QStringList row = heading;
            row << SortNo(++k) << QStringLiteral("01");
            if (Status st = InsertRow(env, rs, kListReportTable, ListReportColumns(), row); !st)
                return st;
            c = 1;
        }
        QStringList row;
        for (int column = 1; column <= 8; ++column) {
            const QString text = grid.CellText(r, column);
            row.append(TrimBlanks(text).isEmpty() ? kWide : text);
        }
        row << SortNo(++k) << QStringLiteral("01");
        if (Status st = InsertRow(env, rs, kListReportTable, ListReportColumns(), row); !st)
            return st;
    }
    return {};
}

Status WriteNameSelectReport(AppState& s) {
    ReportDataEnvironment& env = *Env(s);
    ReportRecordset& rs = *env.rsCommand1;
    if (Status st = Conditions(s, rs,
                               {QStringLiteral("建物の種類"), QStringLiteral("竣工年"),
                                QStringLiteral("施工部位"), QStringLiteral("使われ方"),
                                QStringLiteral("DBバージョン"), QStringLiteral("非含有建材名")},
                               {QStringLiteral("戸建住宅"), Years(s), s.CondSekobui,
                                OrBlank(s.CondShiyoho), s.DataVersion, s.NonContainingNameList});
        !st)
        return st;
    if (Status st = DeleteAllRows(env, kGeneralNameReportTable, rs); !st)
        return st;
    int seq = 0, since = 0;
    for (int i = 0; i < s.GeneralNameCount; ++i) {
        ++since;
        if (i == 0 || i == 25 || since == 35) {
            const QStringList heading = {
                QStringLiteral(
                    "\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
                    "\u3000\u3000アスベスト含有建材名（一般名）"),
                QStringLiteral("該当件数"), SortNo(seq + 1), QStringLiteral("01")};
            if (Status st = InsertRow(env, rs, kGeneralNameReportTable, GeneralNameReportColumns(),
                                      heading);
                !st)
                return st;
            ++seq;
            since = 1;
        }
        const QStringList row = {s.GeneralNames.value(i),
                                 QString::number(s.GeneralNameCounts.value(i)), SortNo(seq + 1),
                                 QStringLiteral("01")};
        if (Status st =
                InsertRow(env, rs, kGeneralNameReportTable, GeneralNameReportColumns(), row);
            !st)
            return st;
        ++seq;
    }
    return {};
}

Status WriteNameSearchNotice(AppState& s) {
    return Conditions(s, *Env(s)->rsCommand1,
                      {QStringLiteral("竣工年"), QStringLiteral("建材名"), QStringLiteral("商品名"),
                       QStringLiteral("型番・品番"), QStringLiteral("現在のメーカー名"),
                       QStringLiteral("不燃材料認定番号"), QStringLiteral("メッセージ"),
                       QStringLiteral("DBバージョン")},
                      {Years(s), OrBlank(s.CondKenzaiName), OrBlank(s.CondShohin),
                       OrBlank(s.CondKataban), OrBlank(s.CondMaker), OrBlank(s.CondNintei), kNotice,
                       s.DataVersion});
}

Status WriteUsageNotice(AppState& s, UsageNoticeKind kind) {
    QStringList columns = {QStringLiteral("竣工年"), QStringLiteral("施工部位"),
                           QStringLiteral("使われ方")};
    QStringList values = {Years(s), s.CondSekobui, OrBlank(s.CondShiyoho)};
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
    values << kNotice << s.DataVersion;
    return Conditions(s, *Env(s)->rsCommand1, columns, values);
}

Status WriteDetailReport(AppState& s) {
    auto value = [&s](const char16_t* column) {
        return s.DetailValues.value(FindFieldIndex(s, QString::fromUtf16(column)));
    };
    auto captions = [&](std::initializer_list<std::pair<const char16_t*, const char16_t*>> group) {
        QString line;
        for (const auto& [column, caption] : group)
            if (!value(column).isEmpty())
                line += QString::fromUtf16(caption) + u'\u3000';
        return line;
    };
    QString start = value(u"製造開始");
    if (start == u"0")
        start.clear();
    const QString end = value(u"製造終了");
    QString cert = value(u"不燃材料認定番号（種類）");
    if (!value(u"不燃材料認定番号（番号）").isEmpty())
        cert += u'-' + value(u"不燃材料認定番号（番号）");
    QStringList values = {
        value(u"一般名"),
        value(u"商品名"),
        value(u"型番・品番"),
        value(u"現在のメーカー名"),
        value(u"生産時のメーカー名"),
        end.isEmpty() ? start : start + QStringLiteral(" ～ ") + end,
        cert,
        value(u"石綿含有率"),
        value(u"石綿の種類"),
        captions({{u"建物の種類（戸建住宅）", u"戸建住宅"},
                  {u"建物の種類（共同住宅）", u"共同住宅"},
                  {u"建物の種類（学校・幼稚園等）", u"学校・幼稚園等"},
                  {u"建物の種類（店舗・ビル）", u"店舗・事務所"},
                  {u"建物の種類（劇場・デパート等）", u"劇場・百貨店等"},
                  {u"建物の種類（工場）", u"工場"},
                  {u"建物の種類（倉庫）", u"倉庫"}}),
        captions({{u"外装材（屋根）", u"屋根"},
                  {u"外装材（外壁）", u"外壁"},
                  {u"外装材（軒天井・ピロティ）", u"軒天井・ピロティ"},
                  {u"外装材（ベランダ隔壁）", u"ベランダ隔壁"},
                  {u"外装材（外装目地）", u"外装目地"},
                  {u"外装材（その他）", u"その他"}}),
        captions({{u"内装材（居室天井）", u"居室天井"},
                  {u"内装材（居室壁）", u"居室壁"},
                  {u"内装材（台所天井）", u"台所天井"},
                  {u"内装材（台所壁）", u"台所壁"},
                  {u"内装材（浴室天井）", u"浴室天井"},
                  {u"内装材（浴室壁）", u"浴室壁"},
                  {u"内装材（トイレ天井）", u"トイレ天井"},
                  {u"内装材（トイレ壁）", u"トイレ壁"},
                  {u"内装材（間仕切り）", u"間仕切り"},
                  {u"内装材（階段裏）", u"階段裏"},
                  {u"内装材（廊下天井）", u"廊下天井"},
                  {u"内装材（廊下壁）", u"廊下壁"},
                  {u"内装材（駐車場天井）", u"駐車場天井"},
                  {u"内装材（床）", u"床"},
                  {u"内装材（巾木）", u"巾木"},
                  {u"内装材（ユニット類）", u"ユニット類"},
                  {u"内装材（その他）", u"その他"}}),
        captions({{u"耐火被覆材（鉄骨柱はり）", u"鉄骨柱はり"},
                  {u"耐火被覆材（デッキプレート）", u"デッキプレート"},
                  {u"耐火被覆材（カーテンウォール裏打ち）", u"カーテンウォール裏打ち"},
                  {u"耐火被覆材（その他）", u"その他"}}),
        captions({{u"設備（煙突）", u"煙突"},
                  {u"設備（臭気抜き）", u"臭気抜き"},
                  {u"設備（給排水管）", u"給排水管"}}),
        captions({{u"その他（その他の部位）", u"その他の部位"}}),
        captions({{u"使われ方（仕上げ材）", u"仕上げ材"}, {u"使われ方（下地材）", u"下地材"}}),
        captions({{u"素材（セメント・窯業系）", u"セメント・窯業系"},
                  {u"素材（繊維系）", u"繊維系"},
                  {u"素材（プラスティック等樹脂系）", u"プラスティック等樹脂系"},
                  {u"素材（アスファルト系）", u"アスファルト系"}})};
    for (const char16_t* column :
         {u"形状・外観（綿状）", u"形状・外観（ボード状厚さmm）",
          u"形状・外観（ボード状標準寸法mm）", u"形状・外観（巻物厚さmm）",
          u"形状・外観（巻物標準寸法mm）", u"固有の見分け方", u"会社名マーク", u"商品名内容",
          u"その他ロット番号等", u"不燃材料認定番号有無", u"ＪＩＳ許可番号", u"aマーク",
          u"販売地域", u"相談窓口（メーカー名称）", u"相談窓口（メーカー電話）",
          u"相談窓口（関係団体名称）", u"相談窓口（関係団体電話）"})
        values.append(value(column));
    for (QString& v : values)
        if (v.trimmed().isEmpty() || TrimBlanks(v).isEmpty())
            v = kWide;
    values.append(s.DataVersion);
    // The list ends with an empty name.
    QStringList columns = DetailReportColumns();
    columns.append(QString());
    values.append(QString());
    ReportDataEnvironment& env = *Env(s);
    if (Status st = DeleteAllRows(env, kDetailReportTable, *env.rsCommand2); !st)
        return st;
    return InsertRow(env, *env.rsCommand3, kDetailReportTable, columns, values);
}

void PrintReport(AppState& s, Platform& platform, QWidget* owner, const ReportLayout& layout,
                 const std::function<Status()>& write) {
    Status status = s.DataEnvironment1 && s.DataEnvironment1->rsCommand1
                        ? Status()
                        : Status(Failure{QStringLiteral("帳票データが開かれていません。")});
    platform.SetBusy(true);
    if (status)
        status = write();
    platform.SetBusy(false);
    if (status) {
        ReportRecordset* rs = layout.command == 1   ? s.DataEnvironment1->rsCommand1.get()
                              : layout.command == 2 ? s.DataEnvironment1->rsCommand2.get()
                                                    : s.DataEnvironment1->rsCommand3.get();
        status = platform.ShowReport(layout, *rs, owner);
    }
    if (!status)
        platform.MessageBox(QStringLiteral("印刷できませんでした。\r\r") + status.error(),
                            QStringLiteral("エラー"), box::kExclamation);
}

} // namespace solario
