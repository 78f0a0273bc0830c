#include "data/query_builders.h"
#include "data/report_data.h"
#include "detail/detail_report.h"
#include "detail/form_detail.h"
#include "reports/report_engine.h"
#include "reports/report_font.h"
#include "result_list/form_list.h"
#include "result_list/list_model.h"
#include "result_list/list_report.h"
#include "search_name/form_error_3.h"
#include "search_usage/form_error_usage.h"
#include "search_usage/form_search_d2.h"
#include "shell/print_report.h"
#include "support/loaded_state.h"

#include <QFile>
#include <QMap>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>

using namespace solario;
using namespace solario::test;

namespace {

// n products named 建材000, 建材001, ...; product 1 has an apostrophe and no model.
std::function<void(FixtureDb&)> Products(int n) {
    return [n](FixtureDb& db) {
        db.Exec(QStringLiteral("BEGIN"));
        for (int i = 0; i < n; ++i)
            db.AddProduct(
                Product({{u"ID", QStringLiteral("%1").arg(i + 1, 5, 10, QChar(u'0'))},
                         {u"建材名（一般名）", QStringLiteral("石綿含有ビニル床タイル")},
                         {u"商品名", i == 1 ? QStringLiteral("O'Brien")
                                            : QStringLiteral("建材%1").arg(i, 3, 10, QChar(u'0'))},
                         {u"型番・品番", i == 1 ? QString() : QStringLiteral("M-%1").arg(i)},
                         {u"生産時のメーカー名", QStringLiteral("架空床材工業")},
                         {u"製造開始", 1970},
                         {u"製造終了", 1980}}));
        db.Exec(QStringLiteral("COMMIT"));
    };
}

// The text layer of a saved PDF exactly as pdftotext reads it: what a search in the file
// finds. Nothing is folded, so a radical standing in for its ideograph shows.
QString ReadPdf(const QString& path, const QStringList& options = {}) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"), options + QStringList{path, QStringLiteral("-")});
    run.waitForFinished(30000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

// The words are found in the PDF as written, and no look-alike code point (a Kangxi
// radical, a soft hyphen for a minus, an em space for an ideographic one) stands in for
// a character.
void ExpectReadable(const QString& path, const QStringList& words) {
    const QString text = ReadPdf(path);
    QVERIFY2(!text.isEmpty(), qPrintable(path));
    for (const QString& word : words)
        QVERIFY2(text.contains(word), qPrintable(path + QStringLiteral(": ") + word));
    for (const char32_t c : text.toUcs4())
        QVERIFY2(!IsLookAlike(c),
                 qPrintable(path + QStringLiteral(": U+%1").arg(quint32(c), 4, 16)));
}

// A result list over every product of the fixture, on the given route.
struct Printed : LoadedState {
    explicit Printed(int n, SearchRoute route = SearchRoute::ByName) : LoadedState(Products(n)) {
        s.MainRecordset = std::make_unique<KeyedRecordset>();
        OpenMaterialList(s, *s.MainConnection, *s.MainRecordset, QString());
        s.SearchRouteTitle = route;
        list = std::make_unique<Form_List>(s, p);
        list->Form_Load();
        p.reportFolder = out.path();
    }
    const Recordset& Lines() { return *s.DataEnvironment1->rsCommand2->Children().value(); }
    QString Condition(ReportRecordset& rs, const QString& column) {
        const Recordset* parent = rs.Parent().value();
        return parent->ValueText(0, parent->FieldIndex(column));
    }
    QString PdfText(const QString& layout) {
        return ReadPdf(out.filePath(layout + QStringLiteral(".pdf")), {QStringLiteral("-layout")});
    }
    // The printed list's pages as read back from its PDF, one text a page.
    QStringList ListPages() {
        return ReadPdf(out.filePath(QStringLiteral("DataReport_ListKenzai2.pdf")))
            .split(u'\f', Qt::SkipEmptyParts);
    }
    QTemporaryDir out;
    std::unique_ptr<Form_List> list;
};

QStringList Column(const Recordset& rs, const QString& name) {
    QStringList values;
    for (qint32 r = 0; r < rs.RecordCount(); ++r)
        values.append(rs.ValueText(r, rs.FieldIndex(name)));
    return values;
}

QStringList SortNos(int n) {
    QStringList v;
    for (int i = 1; i <= n; ++i)
        v.append(QStringLiteral("%1").arg(i, 7, 10, QChar(u'0')));
    return v;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void listHeadings_data();
    void listHeadings();
    void listConditionsByRoute();
    void listPrintsOnEveryPageItNeeds();
    void nameSelection();
    void notices();
    void detailRow_data();
    void detailRow();
    void detailPrintsOnePage();
    void failureIsShownNotFatal();
    void reportFontKeepsItsCharacters();
    void longTextsWrapThenShrinkAFifthAtMost();
    void anyPaperKeepsTheA4Pages_data();
    void anyPaperKeepsTheA4Pages();
    void editionOfTheDataInUse_data();
    void editionOfTheDataInUse();
    void sampleNoteOnEveryPage_data();
    void sampleNoteOnEveryPage();
};

void TestPrinting::listHeadings_data() {
    QTest::addColumn<int>("products");
    QTest::addColumn<QList<int>>("headings"); // positions (from 0) of the heading rows
    QTest::newRow("3 products") << 3 << QList<int>{0};
    QTest::newRow("9 products") << 9 << QList<int>{0, 9};
    QTest::newRow("31 products") << 31 << QList<int>{0, 9, 32};
    QTest::newRow("53 products") << 53 << QList<int>{0, 9, 32, 55};
}

void TestPrinting::listHeadings() {
    QFETCH(int, products);
    QFETCH(QList<int>, headings);
    Printed t(products);
    t.p.reportFolder.clear();
    t.p.calls.clear();
    t.list->Command_ReportOut->click();
    QCOMPARE(t.p.calls, QStringList({"Busy", "NotBusy", "ShowReport:DataReport_ListKenzai2"}));
    const Recordset& lines = t.Lines();
    QCOMPARE(lines.RecordCount(), products + int(headings.size()));
    QCOMPARE(Column(lines, QStringLiteral("ソートNo")), SortNos(products + int(headings.size())));
    const QStringList names = Column(lines, QStringLiteral("建材名"));
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(names[i] == u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000建材名（一般名）",
                 headings.contains(i));
    // A product's texts as the grid shows them; an empty cell prints as an ideographic blank.
    QCOMPARE(Column(lines, QStringLiteral("商品名"))[2], QStringLiteral("O'Brien"));
    QCOMPARE(Column(lines, QStringLiteral("型番・品番"))[2], QStringLiteral("\u3000"));
    QCOMPARE(Column(lines, QStringLiteral("石綿含有製造期間"))[1], QStringLiteral("1970～1980"));
    QCOMPARE(Column(lines, QStringLiteral("ID")).count(QStringLiteral("01")), lines.RecordCount());
    // Printing again replaces the first print.
    t.list->Command_ReportOut->click();
    QCOMPARE(t.Lines().RecordCount(), products + int(headings.size()));
}

void TestPrinting::listConditionsByRoute() {
    Printed name(3);
    name.p.reportFolder.clear();
    name.s.CondStartYear = QStringLiteral("1985");
    name.s.CondNintei = QStringLiteral("不燃-指定なし");
    name.list->Command_ReportOut->click();
    ReportRecordset& rs = *name.s.DataEnvironment1->rsCommand2;
    QCOMPARE(name.Condition(rs, QStringLiteral("竣工年")), QStringLiteral("1985 ～ 指定なし"));
    QCOMPARE(name.Condition(rs, QStringLiteral("施工部位")), QStringLiteral("\u3000\u3000\uFF0D"));
    QCOMPARE(name.Condition(rs, QStringLiteral("使われ方")), QStringLiteral("\u3000\u3000\uFF0D"));
    QCOMPARE(name.Condition(rs, QStringLiteral("現在のメーカー名")), QStringLiteral("指定なし"));
    QCOMPARE(name.Condition(rs, QStringLiteral("不燃材料認定番号")),
             QStringLiteral("不燃-指定なし"));
    QCOMPARE(name.Condition(rs, QStringLiteral("DBバージョン")),
             QStringLiteral("２００６年１２月版"));

    Printed usage(3, SearchRoute::ByUsage);
    usage.p.reportFolder.clear();
    usage.s.CondSekobui = QStringLiteral("床");
    usage.s.CondShiyoho = QStringLiteral("仕上げ材");
    usage.list->Command_ReportOut->click();
    ReportRecordset& u = *usage.s.DataEnvironment1->rsCommand2;
    QCOMPARE(usage.Condition(u, QStringLiteral("施工部位")), QStringLiteral("床"));
    QCOMPARE(usage.Condition(u, QStringLiteral("使われ方")), QStringLiteral("仕上げ材"));
    for (const char* c : {"建材名", "型番・品番", "不燃材料認定番号"})
        QCOMPARE(usage.Condition(u, QString::fromUtf8(c)), QStringLiteral("\u3000\u3000\uFF0D"));
}

void TestPrinting::listPrintsOnEveryPageItNeeds() {
    Printed t(40);
    t.list->Command_ReportOut->click();
    QVERIFY2(t.p.reportPages >= 2, qPrintable(QString::number(t.p.reportPages)));
    const QString text = t.PdfText(QStringLiteral("DataReport_ListKenzai2"));
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), t.p.reportPages);
    for (int i = 0; i < pages.size(); ++i) {
        QVERIFY2(pages[i].contains(QStringLiteral("%1 / %2").arg(i + 1).arg(pages.size())),
                 qPrintable(pages[i].right(200)));
        QVERIFY(pages[i].contains(QStringLiteral("ソラリオ"))); // the page header on every page
        QVERIFY(
            pages[i].contains(QStringLiteral("建材名（一般名）"))); // a heading line on every page
    }
    QCOMPARE(text.count(QStringLiteral("【入力内容】")), 1); // the conditions once
    QVERIFY(text.indexOf(QStringLiteral("建材000")) < text.indexOf(QStringLiteral("建材039")));
    QVERIFY(text.contains(QStringLiteral("O'Brien")));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"),
               {t.out.filePath(QStringLiteral("DataReport_ListKenzai2.pdf"))});
    info.waitForFinished(30000);
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput())
                .contains(QStringLiteral("石綿含有建材リスト")));
    ExpectReadable(t.out.filePath(QStringLiteral("DataReport_ListKenzai2.pdf")),
                   {QStringLiteral("石綿"), QStringLiteral("【入力内容】"),
                    QStringLiteral("２００６年１２月版"), QStringLiteral("1970～1980")});
}

void TestPrinting::nameSelection() {
    LoadedState t([](FixtureDb&) {});
    t.s.GeneralNameCount = 60;
    for (int i = 0; i < 60; ++i) {
        t.s.GeneralNames.append(QStringLiteral("名称%1").arg(i));
        t.s.GeneralNameIds.append(QString::number(i));
        t.s.GeneralNameCounts.append(i + 1);
    }
    t.s.CondSekobui = QStringLiteral("給排水管");
    t.s.NonContainingNameList = QStringLiteral("ロックウール／グラスウール");
    t.s.NonContainingNames = {QStringLiteral("ロックウール"), QStringLiteral("グラスウール"),
                              QString()};
    Form_Search_D2 select(t.s, t.p);
    select.Form_Load();
    QTemporaryDir out;
    t.p.reportFolder = out.path();
    select.Command_ReportOut->click();
    QCOMPARE(t.p.calls.last(), QStringLiteral("ShowReport:DataReport_SelectKenzai"));
    ReportRecordset& rs = *t.s.DataEnvironment1->rsCommand1;
    const Recordset& names = *rs.Children().value();
    QCOMPARE(names.RecordCount(), 63);
    QCOMPARE(Column(names, QStringLiteral("ソートNo")), SortNos(63));
    const QStringList counts = Column(names, QStringLiteral("該当件数"));
    QCOMPARE(counts[0], QStringLiteral("該当件数"));
    QCOMPARE(counts[26], QStringLiteral("該当件数")); // before name 26
    QCOMPARE(counts[61], QStringLiteral("該当件数")); // before name 60
    QCOMPARE(counts.count(QStringLiteral("該当件数")), 3);
    const Recordset& cond = *rs.Parent().value();
    QCOMPARE(cond.ValueText(0, cond.FieldIndex(QStringLiteral("使われ方"))), QStringLiteral(" "));
    QCOMPARE(cond.ValueText(0, cond.FieldIndex(QStringLiteral("建物の種類"))),
             QStringLiteral("戸建住宅"));
    QVERIFY(t.p.reportPages >= 2);
    ExpectReadable(out.filePath(QStringLiteral("DataReport_SelectKenzai.pdf")),
                   {QStringLiteral("【入力内容】"), QStringLiteral("２００６年１２月版"),
                    QStringLiteral("給排水管"), QStringLiteral("ロックウール")});
}

void TestPrinting::notices() {
    LoadedState t([](FixtureDb&) {});
    QTemporaryDir out;
    t.p.reportFolder = out.path();
    // Rows left in the names table by an earlier print do not lengthen a notice.
    ReportDataEnvironment& env = *t.s.DataEnvironment1;
    for (int i = 1; i <= 80; ++i)
        QVERIFY(InsertRow(env, *env.rsCommand1, kGeneralNameReportTable, GeneralNameReportColumns(),
                          {QStringLiteral("残り%1").arg(i), QStringLiteral("1"), QString::number(i),
                           QStringLiteral("01")}));
    t.s.CondStartYear = QStringLiteral("1985");
    t.s.CondSekobui = QStringLiteral("煙突\u3000臭気抜き");
    t.s.SelectedNames = {QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙"),
                         QString()};
    Form_Error_2 none(t.s, t.p);
    none.Form_Load();
    QTest::keyClick(none.CommandExit, Qt::Key_F1);
    QCOMPARE(t.p.calls.last(), QStringLiteral("ShowReport:DataReport_Error_2"));
    QCOMPARE(t.p.reportPages, 1);
    const Recordset& cond = *env.rsCommand1->Parent().value();
    auto c = [&](const char* column) {
        return cond.ValueText(0, cond.FieldIndex(QString::fromUtf8(column)));
    };
    QCOMPARE(c("竣工年"), QStringLiteral("1985 ～ 指定なし"));
    QCOMPARE(c("使われ方"), QStringLiteral(" "));
    QCOMPARE(c("建材名"), QStringLiteral("甲；乙；丙；"));
    QCOMPARE(c("現在のメーカー名"), QStringLiteral(" "));
    QCOMPARE(
        c("メッセージ"),
        QStringLiteral(
            "入力条件に該当する石綿（アスベスト）含有建材は\r本データベース中にはありません。"));

    Form_Error_1_1 insulation(t.s, t.p);
    insulation.Form_Load();
    insulation.Command_ReportOut->click();
    QCOMPARE(t.p.reportPages, 1);
    Form_Error_1 nothing(t.s, t.p);
    nothing.Command_ReportOut->click();
    QCOMPARE(t.p.reportPages, 1);
    t.s.CondMaker = QStringLiteral("工業");
    Form_Error_3 name(t.s, t.p);
    name.Command_ReportOut->click();
    QCOMPARE(t.p.calls.last(), QStringLiteral("ShowReport:DataReport_Error_3"));
    QCOMPARE(c("建材名"), QStringLiteral(" "));
    QCOMPARE(c("現在のメーカー名"), QStringLiteral("工業"));
    QCOMPARE(c("型番・品番"), QStringLiteral(" "));
    for (const char* layout :
         {"DataReport_Error_1", "DataReport_Error_1_1", "DataReport_Error_2", "DataReport_Error_3"})
        ExpectReadable(out.filePath(QString::fromUtf8(layout) + QStringLiteral(".pdf")),
                       {QStringLiteral("石綿（アスベスト）"), QStringLiteral("【入力内容】"),
                        QStringLiteral("２００６年１２月版")});
}

void TestPrinting::detailRow_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("cert");
    QTest::newRow("both years") << "1970"
                                << "1990"
                                << "NM"
                                << "1234"
                                << "1970 ～ 1990"
                                << "NM-1234";
    QTest::newRow("start 0") << "0"
                             << "1990"
                             << "NM"
                             << ""
                             << " ～ 1990"
                             << "NM";
    QTest::newRow("no end") << "1970"
                            << ""
                            << ""
                            << "1234"
                            << "1970"
                            << "-1234";
    QTest::newRow("neither") << ""
                             << ""
                             << ""
                             << ""
                             << "\u3000"
                             << "\u3000";
}

void TestPrinting::detailRow() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, kind);
    QFETCH(QString, number);
    QFETCH(QString, period);
    QFETCH(QString, cert);
    LoadedState t([](FixtureDb&) {});
    t.s.DetailValues = QStringList(84);
    auto set = [&](const char16_t* column, const QString& v) {
        t.s.DetailValues[FindFieldIndex(t.s, QString::fromUtf16(column))] = v;
    };
    set(u"製造開始", start);
    set(u"製造終了", end);
    set(u"不燃材料認定番号（種類）", kind);
    set(u"不燃材料認定番号（番号）", number);
    set(u"建物の種類（戸建住宅）", QStringLiteral("○"));
    set(u"建物の種類（工場）", QStringLiteral("○"));
    set(u"素材（繊維系）", QStringLiteral("x"));
    set(u"販売地域", QStringLiteral("全国"));
    set(u"商品名", QStringLiteral("it's"));
    set(u"型番・品番", QStringLiteral(" \u3000 ")); // blanks only: blank
    set(u"石綿含有率", QStringLiteral("\r\n"));     // a line break is not a blank
    set(u"石綿の種類", QStringLiteral("\t"));       // nor is a tab
    QVERIFY(WriteDetailReport(t.s));
    QVERIFY(WriteDetailReport(t.s)); // twice: still one row
    const Recordset& row = *t.s.DataEnvironment1->rsCommand3->Parent().value();
    QCOMPARE(row.RecordCount(), 1);
    auto c = [&](const char* column) {
        return row.ValueText(0, row.FieldIndex(QString::fromUtf8(column)));
    };
    QCOMPARE(c("石綿含有製造期間"), period);
    QCOMPARE(c("不燃材料認定番号"), cert);
    QCOMPARE(c("建物の種類"), QStringLiteral("戸建住宅\u3000工場\u3000"));
    QCOMPARE(c("内装材"), QStringLiteral("\u3000"));
    QCOMPARE(c("素材"), QStringLiteral("繊維系\u3000"));
    QCOMPARE(c("販売地域"), QStringLiteral("全国"));
    QCOMPARE(c("商品名"), QStringLiteral("it's"));
    QCOMPARE(c("DBバージョン"), QStringLiteral("２００６年１２月版"));
    QCOMPARE(c("ＪＩＳ許可番号"), QStringLiteral("\u3000"));
    QCOMPARE(c("型番・品番"), QStringLiteral("\u3000"));
    QCOMPARE(c("石綿含有率"), QStringLiteral("\r\n"));
    QCOMPARE(c("石綿の種類"), QStringLiteral("\t"));
}

void TestPrinting::detailPrintsOnePage() {
    LoadedState t([](FixtureDb&) {});
    t.s.DetailValues = QStringList(84);
    const QString longText =
        QStringLiteral("裏面に製品名とロットの印字がある。切断面は灰白色で緻密。").repeated(4);
    t.s.DetailValues[FindFieldIndex(t.s, QStringLiteral("固有の見分け方"))] = longText;
    for (const char* c :
         {"内装材（居室天井）", "内装材（居室壁）", "内装材（台所天井）", "内装材（台所壁）",
          "内装材（浴室天井）", "内装材（浴室壁）", "内装材（トイレ天井）", "内装材（トイレ壁）",
          "内装材（間仕切り）", "内装材（階段裏）", "内装材（廊下天井）", "内装材（廊下壁）",
          "内装材（駐車場天井）", "内装材（床）"})
        t.s.DetailValues[FindFieldIndex(t.s, QString::fromUtf8(c))] = QStringLiteral("○");
    Form_Detail detail(t.s, t.p);
    detail.Form_Load();
    QTemporaryDir out;
    t.p.reportFolder = out.path();
    detail.Command_ReportOut->click();
    QCOMPARE(t.p.calls.last(), QStringLiteral("ShowReport:DataReport_DetailKenzai"));
    QCOMPARE(t.p.reportPages, 1);
    const QString text = ReadPdf(out.filePath(QStringLiteral("DataReport_DetailKenzai.pdf")));
    QVERIFY(text.contains(
        QStringLiteral("駐車場天井"))); // the long interior line wraps inside its cell
    QVERIFY(text.contains(QStringLiteral("緻密。")));
    QVERIFY(text.contains(QStringLiteral("石綿（アスベスト）含有建材個別情報")));
    ExpectReadable(out.filePath(QStringLiteral("DataReport_DetailKenzai.pdf")),
                   {QStringLiteral("２００６年１２月版"), QStringLiteral("建材名（一般名）")});
}

void TestPrinting::failureIsShownNotFatal() {
    Printed t(3);
    t.s.DataEnvironment1->Close(); // the report data went away
    t.p.calls.clear();
    t.list->Command_ReportOut->click();
    QCOMPARE(t.p.boxes.size(), 1);
    QVERIFY(t.p.boxes[0].text.startsWith(QStringLiteral("印刷できませんでした。")));
    QVERIFY(t.p.Calls(QStringLiteral("ShowReport")).isEmpty());
    QCOMPARE(t.p.Calls(QStringLiteral("NotBusy")).size(), 1); // the pointer is back
}

void TestPrinting::anyPaperKeepsTheA4Pages_data() {
    QTest::addColumn<int>("paper");
    QTest::newRow("Letter") << int(QPageSize::Letter);
    QTest::newRow("A3") << int(QPageSize::A3);
    QTest::newRow("B5") << int(QPageSize::B5);
}

void TestPrinting::anyPaperKeepsTheA4Pages() {
    QFETCH(int, paper);
    Printed t(40);
    t.list->Command_ReportOut->click();
    const int a4Pages = t.p.reportPages;
    // The same report onto other paper, as a printer dialog may set it.
    const QString path = t.out.filePath(QStringLiteral("other.pdf"));
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        SetUpReportPage(DataReport_ListKenzai2(), writer);
        writer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
        const Result<int> pages =
            RenderReport(DataReport_ListKenzai2(), *t.s.DataEnvironment1->rsCommand2, writer);
        QVERIFY(pages);
        QCOMPARE(pages.value(), a4Pages);
    }
    const QStringList pages = ReadPdf(path).split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), a4Pages);
    for (int i = 1; i < pages.size(); ++i) {
        // The heading line stands above the page's first product, as on A4.
        const qsizetype heading = pages[i].indexOf(QStringLiteral("建材名（一般名）"));
        QVERIFY2(heading >= 0 && heading < pages[i].indexOf(QStringLiteral("建材0")),
                 qPrintable(QString::number(i)));
    }
}

void TestPrinting::longTextsWrapThenShrinkAFifthAtMost() {
    LoadedState t([](FixtureDb& db) {
        auto add = [&](const char* id, const QString& fibre) {
            db.AddProduct(Product({{u"ID", id},
                                   {u"建材名（一般名）", QStringLiteral("石綿含有ビニル床タイル")},
                                   {u"商品名", QStringLiteral("床タイル") + id},
                                   {u"石綿の種類", fibre},
                                   {u"製造開始", 1970},
                                   {u"製造終了", 1980}}));
        };
        add("1", QStringLiteral("クリソタイル"));
        add("2", QStringLiteral("クリソタイル、アモサイト、クロシドライト、トレモライト"));
    });
    t.s.MainRecordset = std::make_unique<KeyedRecordset>();
    OpenMaterialList(t.s, *t.s.MainConnection, *t.s.MainRecordset, QString());
    QVERIFY(WriteListReport(t.s, t.s.MainRecordset.get()));
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("list.pdf"));
    QVERIFY(SaveReportPdf(DataReport_ListKenzai2(), *t.s.DataEnvironment1->rsCommand2, path));
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    run.waitForFinished(30000);
    const QString xml = QString::fromUtf8(run.readAllStandardOutput());
    // Each word's height against the body type (9 pt), by the row it stands in.
    QMap<QString, double> heightOf;
    const QRegularExpression word(
        QStringLiteral(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]+)<)re"));
    for (auto m = word.globalMatch(xml); m.hasNext();) {
        const auto hit = m.next();
        heightOf[hit.captured(3)] = hit.captured(2).toDouble() - hit.captured(1).toDouble();
    }
    QVERIFY(!heightOf.isEmpty());
    for (auto it = heightOf.cbegin(); it != heightOf.cend(); ++it)
        QVERIFY2(it.value() >= 9.0 * 0.8 - 0.05, qPrintable(it.key()));
    // The short row keeps (nearly) the body size; the long row takes one size for all its
    // cells, and shows with "…" where its text is cut.
    QVERIFY(heightOf.value(QStringLiteral("床タイル1")) >= 9.0 * 0.95 - 0.05);
    QString cutWord;
    for (auto it = heightOf.cbegin(); it != heightOf.cend(); ++it)
        if (it.key().endsWith(u'…'))
            cutWord = it.key();
    QVERIFY2(!cutWord.isEmpty(), qPrintable(xml.left(400)));
    QVERIFY(qAbs(heightOf.value(QStringLiteral("床タイル2")) - heightOf.value(cutWord)) < 0.05);
}

void TestPrinting::reportFontKeepsItsCharacters() {
    QFile file(QStringLiteral("/usr/share/fonts/opentype/ipaexfont-gothic/ipaexg.ttf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray original = file.readAll();
    const QByteArray rewritten = WithoutLookAlikes(original, QStringLiteral("Test Gothic"));
    QRawFont before(original, 12), after(rewritten, 12);
    QVERIFY(after.isValid());
    QCOMPARE(after.familyName(), QStringLiteral("Test Gothic"));
    // Every character keeps its glyph; a look-alike sharing one is gone.
    const QString kept = QStringLiteral("石綿入力月 ～−　—‘’-A1ｶﾞ㈱");
    QCOMPARE(after.glyphIndexesForString(kept), before.glyphIndexesForString(kept));
    for (const char32_t gone : {0x2F6FU, 0x00ADU, 0x2003U, 0x301CU, 0x0336U})
        QVERIFY2(before.supportsCharacter(gone) && !after.supportsCharacter(gone),
                 qPrintable(QString::number(quint32(gone), 16)));
    QVERIFY(WithoutLookAlikes(QByteArray("not a font"), QStringLiteral("x")).isEmpty());
    QVERIFY(WithoutLookAlikes(original.left(4000), QStringLiteral("x")).isEmpty());
    QCOMPARE(ReportFontFamily(), QStringLiteral("Solario Report Gothic"));
}

// The edition of the data in use heads every page.
void TestPrinting::editionOfTheDataInUse_data() {
    QTest::addColumn<QString>("edition");
    QTest::newRow("the program's own") << "２００６年１２月版";
    QTest::newRow("an imported database's") << "２０２６年１２月版";
}

void TestPrinting::editionOfTheDataInUse() {
    QFETCH(QString, edition);
    Printed t(40);
    t.s.DataVersion = edition;
    t.list->Command_ReportOut->click();
    const QStringList pages = t.ListPages();
    QCOMPARE(pages.size(), t.p.reportPages);
    // Once on every page, in its heading, and never the program's own beside it.
    for (const QString& page : pages) {
        QCOMPARE(page.count(edition), 1);
        QCOMPARE(page.contains(QStringLiteral("２００６年１２月版")),
                 edition == u"２００６年１２月版");
    }
}

void TestPrinting::sampleNoteOnEveryPage_data() {
    QTest::addColumn<bool>("sample");
    QTest::newRow("sample data") << true;
    QTest::newRow("a database without the mark") << false;
}

void TestPrinting::sampleNoteOnEveryPage() {
    QFETCH(bool, sample);
    const QString note = QStringLiteral("サンプルデータ（架空）：実在の製品情報ではありません");
    Printed t(40);
    t.s.SampleData = sample;
    t.list->Command_ReportOut->click();
    const int pages = t.p.reportPages;
    QVERIFY(pages >= 2);
    // Read back as it comes out of the file: the note must be searchable as written.
    const QStringList text = t.ListPages();
    QCOMPARE(text.size(), pages);
    for (const QString& page : text)
        QCOMPARE(page.contains(note), sample);
    // The note takes no room from the rows: the pages break as without it.
    Printed plain(40);
    plain.list->Command_ReportOut->click();
    QCOMPARE(plain.p.reportPages, pages);
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
