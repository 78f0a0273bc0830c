#include "data/query_builders.h"
#include "platform/line_breaks.h"
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
#include "search_usage/usage_reports.h"
#include "shell/print_report.h"
#include "shell/screen_kit.h"
#include "support/loaded_state.h"
#include "support/scratch_mount.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QMap>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QXmlStreamReader>

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

// The text blocks of each page as pdftotext lays the page out (the lines of one cell make
// one block), each block's lines exactly as they come out.
using PdfPages = QList<QList<QStringList>>;
PdfPages PdfBlocks(const QString& path) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox-layout"), path, QStringLiteral("-")});
    run.waitForFinished(60000);
    QXmlStreamReader xml(run.readAllStandardOutput());
    PdfPages pages;
    QString line;
    double lastRight = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement() && name == u"page")
            pages.append(QList<QStringList>());
        else if (xml.isStartElement() && name == u"block" && !pages.isEmpty())
            pages.last().append(QStringList());
        else if (xml.isStartElement() && name == u"line")
            line.clear();
        else if (xml.isStartElement() && name == u"word") {
            // Words that touch are one text (a bold line comes out in pieces); a gap
            // between them is a blank, as pdftotext's own text says.
            const double left = xml.attributes().value(QStringLiteral("xMin")).toDouble();
            const double right = xml.attributes().value(QStringLiteral("xMax")).toDouble();
            if (!line.isEmpty() && left - lastRight > 0.5)
                line += u' ';
            line += xml.readElementText();
            lastRight = right;
        }
        else if (xml.isEndElement() && name == u"line" && !pages.isEmpty() &&
                 !pages.last().isEmpty())
            pages.last().last().append(line);
    }
    return pages;
}

// The rest of a value is the first lines of a block at the top of the next pages.
bool GoesOn(const PdfPages& pages, qsizetype page, const QString& rest) {
    if (rest.isEmpty())
        return true;
    if (page >= pages.size())
        return false;
    for (const QStringList& block : pages[page]) {
        QString lines;
        for (qsizetype i = 0; i < block.size(); ++i) {
            lines += block[i];
            if (lines == rest)
                return true;
            if (!rest.startsWith(lines))
                break;
            if (i == block.size() - 1 && GoesOn(pages, page + 1, rest.mid(lines.size())))
                return true;
        }
    }
    return false;
}

// The value is printed whole: lines of a block, one after the other, hold it exactly (or
// a word of a line does, where pdftotext took two cells of a row into one line), or it
// ends a block and goes on at the top of the next page.
bool PrintedWhole(const PdfPages& pages, const QString& value) {
    for (qsizetype page = 0; page < pages.size(); ++page)
        for (const QStringList& block : pages[page])
            for (qsizetype first = 0; first < block.size(); ++first) {
                if (block[first].split(u' ').contains(value))
                    return true;
                QString lines;
                for (qsizetype i = first; i < block.size(); ++i) {
                    lines += block[i];
                    if (lines == value)
                        return true;
                    if (!value.startsWith(lines))
                        break;
                    if (i == block.size() - 1 &&
                        GoesOn(pages, page + 1, value.mid(lines.size())))
                        return true;
                }
            }
    return false;
}

// Each word's height in points, as pdftotext measures it: the type it was set in.
QMap<QString, double> WordHeights(const QString& path) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    run.waitForFinished(30000);
    const QString xml = QString::fromUtf8(run.readAllStandardOutput());
    QMap<QString, double> heights;
    const QRegularExpression word(
        QStringLiteral(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]+)<)re"));
    for (auto m = word.globalMatch(xml); m.hasNext();) {
        const auto hit = m.next();
        heights[hit.captured(3)] = hit.captured(2).toDouble() - hit.captured(1).toDouble();
    }
    return heights;
}

// Values longer than their cells.
const QString kManyFibres = QStringLiteral("クリソタイル、アモサイト、クロシドライト");
const QString kLongModel = QStringLiteral("AB-1234-CD-5678-EF-9012-GH-3456-IJ-7890X"); // 40
const QString kLongProduct = QStringLiteral("石綿含有けい酸カルシウム板第二種耐火被覆用特殊加工品");
const QString kMaker = QStringLiteral("架空耐火建材工業株式会社");
QString LongDescription() {
    QString text;
    for (int i = 1; text.size() < 200; ++i)
        text += QStringLiteral("裏面に第%1ロットの印字がある。").arg(i);
    return text.left(200);
}

// One product with long values and two with short ones.
void LongValues(FixtureDb& db) {
    db.AddProduct(Product({{u"ID", QStringLiteral("00001")},
                           {u"建材名（一般名）", QStringLiteral("石綿含有けい酸カルシウム板第２種")},
                           {u"商品名", kLongProduct},
                           {u"型番・品番", kLongModel},
                           {u"現在のメーカー名", kMaker},
                           {u"生産時のメーカー名", kMaker},
                           {u"石綿の種類", kManyFibres},
                           {u"石綿含有率", QStringLiteral("0.1～5")},
                           {u"商品名内容", LongDescription()},
                           {u"製造開始", 1970},
                           {u"製造終了", 1990}}));
    for (int i = 2; i <= 3; ++i)
        db.AddProduct(Product({{u"ID", QStringLiteral("0000%1").arg(i)},
                               {u"建材名（一般名）", QStringLiteral("石綿含有ビニル床タイル")},
                               {u"商品名", QStringLiteral("床タイル%1").arg(i)},
                               {u"生産時のメーカー名", QStringLiteral("架空床材工業")},
                               {u"石綿の種類", QStringLiteral("クリソタイル")},
                               {u"製造開始", 1970},
                               {u"製造終了", 1980}}));
}

// The record of the fixture's product as the detail screen holds it.
void OpenRecord(LoadedState& t, const QString& id) {
    t.s.DetailRecordset = std::make_unique<Recordset>();
    QVERIFY(OpenMaterialDetail(t.s, *t.s.MainConnection, *t.s.DetailRecordset,
                               QStringLiteral(" ID = '") + id + QStringLiteral("' ")));
    t.s.DetailValues.clear();
    for (int i = 0; i < t.s.FieldCount; ++i)
        t.s.DetailValues.append(t.s.DetailRecordset->ValueText(0, i));
    t.s.DetailValues.append(QString());
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
    void everyValuePrintsWhole();
    void aLongValueShrinksOnlyItsOwnCell();
    void aGrowingRowMovesToTheNextPage();
    void everyPageSaysWhenItWasPrinted();
    void greyscaleKeepsTheMessageDark();
    void aStoppedPrintLeavesNothingBehind();
    void aFullDiskKeepsTheOldPdf();
    void aBigPrintAsksFirst();
    void savedNamesSayWhatIsInThem();
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
    // Every product fits its line: eight under the conditions, then twenty-two a page.
    QCOMPARE(pages.size(), 3);
    const int products[] = {8, 22, 10};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(pages[i].count(QStringLiteral("架空床材工業")), products[i]);
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
    // Twenty-five names under the conditions, then thirty-four a page, each page under
    // the heading line.
    QCOMPARE(t.p.reportPages, 3);
    const QStringList pages = ReadPdf(out.filePath(QStringLiteral("DataReport_SelectKenzai.pdf")))
                                  .split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 3);
    const int perPage[] = {25, 34, 1};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(pages[i].count(QStringLiteral("名称")), perPage[i]);
        QCOMPARE(pages[i].count(QStringLiteral("アスベスト含有建材名（一般名）")), 1);
    }
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
    auto c = [&](const char* column) {
        const Recordset& cond = *env.rsCommand1->Parent().value();
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
        // The paper warns as the screen does: it can never read as "free of asbestos".
        ExpectReadable(out.filePath(QString::fromUtf8(layout) + QStringLiteral(".pdf")),
                       QStringList{QStringLiteral("石綿（アスベスト）"), QStringLiteral("【入力内容】"),
                                   QStringLiteral("２００６年１２月版"), kCautionHeadline} +
                           kCautionCases);
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

// Nothing is cut on any paper: every long value is found whole in its PDF, and "…" is
// never printed.
void TestPrinting::everyValuePrintsWhole() {
    LoadedState t(LongValues);
    QTemporaryDir out;
    t.p.reportFolder = out.path();
    auto check = [&](const QString& layout, const QStringList& values, int pages) {
        const QString path = out.filePath(layout + QStringLiteral(".pdf"));
        const PdfPages blocks = PdfBlocks(path);
        QCOMPARE(blocks.size(), pages);
        for (const QString& value : values)
            QVERIFY2(PrintedWhole(blocks, value), qPrintable(layout + QStringLiteral(": ") + value));
        QVERIFY2(!ReadPdf(path).contains(u'…'), qPrintable(layout));
    };

    // The result list, under long typed conditions.
    t.s.MainRecordset = std::make_unique<KeyedRecordset>();
    QVERIFY(OpenMaterialList(t.s, *t.s.MainConnection, *t.s.MainRecordset, QString()));
    t.s.SearchRouteTitle = SearchRoute::ByName;
    t.s.CondShohin = kLongProduct + kLongProduct;
    t.s.CondKataban = kLongModel;
    {
        Form_List list(t.s, t.p);
        list.Form_Load();
        list.Command_ReportOut->click();
    }
    check(QStringLiteral("DataReport_ListKenzai2"),
          {kLongProduct, kLongModel, kManyFibres, kMaker, t.s.CondShohin, QStringLiteral("0.1～5")},
          1);
    // Its lines break between phrases, never inside a word.
    const QList<qsizetype> phrases = LineBreakPositions(kLongProduct);
    bool found = false;
    for (const QStringList& block :
         PdfBlocks(out.filePath(QStringLiteral("DataReport_ListKenzai2.pdf"))).value(0))
        if (block.join(QString()) == kLongProduct && block.size() > 1) {
            found = true;
            qsizetype end = 0;
            for (const QString& line : block.mid(0, block.size() - 1))
                QVERIFY2(phrases.contains(end += line.size()), qPrintable(line));
        }
    QVERIFY(found);

    // The record: its description grows its cell, and the sheet goes on to a second page.
    OpenRecord(t, QStringLiteral("00001"));
    {
        Form_Detail detail(t.s, t.p);
        detail.Form_Load();
        detail.Command_ReportOut->click();
    }
    check(QStringLiteral("DataReport_DetailKenzai"),
          {kLongProduct, kLongModel, kManyFibres, kMaker, LongDescription()}, 2);

    // The names found by the usage search, a long one among them, and a long reference list.
    t.s.GeneralNameCount = 3;
    t.s.GeneralNames = {kLongProduct + kLongProduct, QStringLiteral("石綿スレート"),
                        QStringLiteral("ビニル床タイル")};
    t.s.GeneralNameIds = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    t.s.GeneralNameCounts = {1, 2, 3};
    QStringList reference;
    for (int i = 1; i <= 60; ++i)
        reference.append(QStringLiteral("非含有建材%1").arg(i));
    t.s.NonContainingNameList = reference.join(u'／');
    t.s.CondSekobui = QStringLiteral("居室天井");
    {
        Form_Search_D2 select(t.s, t.p);
        select.Form_Load();
        select.Command_ReportOut->click();
    }
    check(QStringLiteral("DataReport_SelectKenzai"),
          {kLongProduct + kLongProduct, t.s.NonContainingNameList}, 1);

    // The name search's notice, with long typed conditions.
    t.s.CondMaker = kMaker + kMaker + kMaker;
    {
        Form_Error_3 notice(t.s, t.p);
        notice.Form_Load();
        notice.Command_ReportOut->click();
    }
    check(QStringLiteral("DataReport_Error_3"), {t.s.CondMaker, t.s.CondShohin, kLongModel}, 1);

    // Sixty ticked names: the list goes on to a second page.
    QStringList ticked;
    for (int i = 1; i <= 60; ++i)
        ticked.append(QStringLiteral("石綿含有けい酸カルシウム板第２種%1").arg(i, 2, 10, QChar(u'0')));
    t.s.SelectedNames = ticked + QStringList{QString()};
    {
        Form_Error_2 notice(t.s, t.p);
        notice.Form_Load();
        notice.Command_ReportOut->click();
    }
    check(QStringLiteral("DataReport_Error_2"),
          {ticked.join(u'；') + u'；', t.s.CondMaker, kCautionHeadline}, 2);
}

// One long value takes a smaller type in its own cell; the rest of the sheet keeps the
// body type.
void TestPrinting::aLongValueShrinksOnlyItsOwnCell() {
    LoadedState t(LongValues);
    OpenRecord(t, QStringLiteral("00001"));
    QVERIFY(WriteDetailReport(t.s));
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("record.pdf"));
    QVERIFY(SaveReportPdf(DataReport_DetailKenzai(), *t.s.DataEnvironment1->rsCommand3, path));
    const QMap<QString, double> heights = WordHeights(path);
    QVERIFY(!heights.isEmpty());
    for (auto it = heights.cbegin(); it != heights.cend(); ++it)
        QVERIFY2(it.value() >= 7.0 - 0.05, qPrintable(it.key())); // never below 7 pt
    QVERIFY(heights.value(QStringLiteral("1970 ～ 1990"), heights.value(QStringLiteral("1970")))
            >= 9.0 - 0.05);
    QVERIFY2(heights.value(kMaker) >= 9.0 - 0.05, qPrintable(QString::number(heights.value(kMaker))));
    QVERIFY(heights.value(QStringLiteral("0.1～5")) >= 9.0 - 0.05);
    // The description's first line, at four fifths of the body type.
    double description = 0;
    for (auto it = heights.cbegin(); it != heights.cend(); ++it)
        if (it.key().startsWith(QStringLiteral("裏面に第1ロット")))
            description = it.value();
    QVERIFY(description > 0);
    QVERIFY2(qAbs(description - 9.0 * 0.8) < 0.1, qPrintable(QString::number(description)));
}

// A row that grows does not fit what is left of its page: it starts the next one, under
// the heading line, and the pages after it keep their heading lines.
void TestPrinting::aGrowingRowMovesToTheNextPage() {
    LoadedState t([](FixtureDb& db) {
        db.Exec(QStringLiteral("BEGIN"));
        for (int i = 0; i < 40; ++i)
            db.AddProduct(
                Product({{u"ID", QStringLiteral("%1").arg(i + 1, 5, 10, QChar(u'0'))},
                         {u"建材名（一般名）", QStringLiteral("石綿含有ビニル床タイル")},
                         {u"商品名", QStringLiteral("建材%1").arg(i, 3, 10, QChar(u'0'))},
                         {u"石綿の種類", i == 7 ? kManyFibres + QStringLiteral("、トレモライト")
                                                : QStringLiteral("クリソタイル")},
                         {u"製造開始", 1970},
                         {u"製造終了", 1980}}));
        db.Exec(QStringLiteral("COMMIT"));
    });
    t.s.MainRecordset = std::make_unique<KeyedRecordset>();
    QVERIFY(OpenMaterialList(t.s, *t.s.MainConnection, *t.s.MainRecordset, QString()));
    QVERIFY(WriteListReport(t.s, t.s.MainRecordset.get()));
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("list.pdf"));
    const Result<int> printed =
        SaveReportPdf(DataReport_ListKenzai2(), *t.s.DataEnvironment1->rsCommand2, path);
    QVERIFY(printed);
    const QStringList pages = ReadPdf(path).split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), printed.value());
    // Eight products fit the first page when each fits its line; the tall eighth starts
    // the second page, and every page's products follow under its heading line.
    QCOMPARE(pages[0].count(QStringLiteral("建材0")), 7);
    int next = 0;
    for (const QString& page : pages) {
        const qsizetype heading = page.indexOf(QStringLiteral("建材名（一般名）"));
        const QString first = QStringLiteral("建材%1").arg(next, 3, 10, QChar(u'0'));
        QVERIFY2(heading >= 0 && heading < page.indexOf(first), qPrintable(first));
        next += int(page.count(QStringLiteral("建材0")));
    }
    QCOMPARE(next, 40);
    QVERIFY(PrintedWhole(PdfBlocks(path), kManyFibres + QStringLiteral("、トレモライト")));
}

// Every page says when it was printed, in the bottom margin and at least 5 mm above the
// paper's edge; a layout without page numbers of its own says which page it is.
void TestPrinting::everyPageSaysWhenItWasPrinted() {
    Printed t(40);
    t.s.SampleData = true;
    QVERIFY(WriteListReport(t.s, t.s.MainRecordset.get()));
    const QDateTime at(QDate(2026, 12, 11), QTime(9, 5));
    const QString stamp = QStringLiteral("印刷日時：2026年12月11日 09:05");
    struct Case {
        const ReportLayout& layout;
        ReportRecordset& data;
        int pages;
        bool numbered; // by the layout itself
    };
    ReportDataEnvironment& env = *t.s.DataEnvironment1;
    t.s.SelectedNames = {QStringLiteral("甲"), QString()};
    QVERIFY(WriteUsageNotice(t.s, UsageNoticeKind::NoProduct));
    for (const Case& c : {Case{DataReport_ListKenzai2(), *env.rsCommand2, 3, true},
                          Case{DataReport_Error_2(), *env.rsCommand1, 1, false}}) {
        const auto document = ReportDocument::LayOut(PrintedLayout(t.s, c.layout, at), c.data);
        QVERIFY(document);
        const QString path = t.out.filePath(QStringLiteral("stamped.pdf"));
        QCOMPARE(SaveReportPdf(*document.value(), path).value(), c.pages);
        const QStringList pages = ReadPdf(path).split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), c.pages);
        for (int i = 0; i < c.pages; ++i) {
            QVERIFY2(pages[i].contains(stamp), qPrintable(pages[i].right(300)));
            QVERIFY(pages[i].contains(kSamplePageNote));
            QCOMPARE(pages[i].contains(QStringLiteral("ページ %1／%2").arg(i + 1).arg(c.pages)),
                     !c.numbered);
        }
        // Where it stands: below the printable area, inside what every printer prints.
        QProcess run;
        run.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
        run.waitForFinished(30000);
        const QString xml = QString::fromUtf8(run.readAllStandardOutput());
        const QRegularExpressionMatch page =
            QRegularExpression(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"))
                .match(xml);
        const QRegularExpressionMatch word =
            QRegularExpression(QStringLiteral(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">印刷日時)re"))
                .match(xml);
        QVERIFY(page.hasMatch() && word.hasMatch());
        const double mm = 72 / 25.4;
        const double height = page.captured(2).toDouble();
        QVERIFY2(word.captured(2).toDouble() <= height - 5 * mm,
                 qPrintable(word.captured(2) + u'/' + page.captured(2)));
        QVERIFY(word.captured(1).toDouble() >= height - c.layout.bottomMarginMm * mm);
    }
}

// The orange message prints as a dark colour on a greyscale printer.
void TestPrinting::greyscaleKeepsTheMessageDark() {
    LoadedState t([](FixtureDb&) {});
    QVERIFY(WriteUsageNotice(t.s, UsageNoticeKind::NothingFound));
    const auto document =
        ReportDocument::LayOut(DataReport_Error_1(), *t.s.DataEnvironment1->rsCommand1);
    QVERIFY(document);
    auto pixels = [&](bool greyscale) {
        QImage page(1200, 850, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter p(&page);
        p.scale(page.width() / 16838.0, page.width() / 16838.0);
        document.value()->DrawPage(p, 0, greyscale);
        p.end();
        int orange = 0, darkest = 255;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                if (c.red() > 200 && c.green() > 90 && c.green() < 170 && c.blue() < 60)
                    ++orange;
                if (c.red() > c.blue() + 60) // the message's hue
                    darkest = std::min(darkest, qGray(c.rgb()));
            }
        return std::pair(orange, darkest);
    };
    const auto [colourOrange, colourGrey] = pixels(false);
    const auto [greyOrange, greyGrey] = pixels(true);
    QVERIFY(colourOrange > 100);
    QCOMPARE(greyOrange, 0);
    QVERIFY2(greyGrey < 100 && greyGrey < colourGrey - 40,
             qPrintable(QStringLiteral("%1 %2").arg(greyGrey).arg(colourGrey)));
}

// 中止 while the tables are written or the pages laid out shows nothing and leaves the
// tables as they were; 中止 while saving leaves the old file and no temporary one.
void TestPrinting::aStoppedPrintLeavesNothingBehind() {
    Printed t(300);
    t.p.calls.clear();
    t.p.stopAtStep = 100; // within the 300 rows written
    t.list->Command_ReportOut->click();
    QVERIFY(t.p.Calls(QStringLiteral("ShowReport")).isEmpty());
    QVERIFY(t.p.boxes.isEmpty());
    QCOMPARE(t.Lines().RecordCount(), 0);
    QCOMPARE(t.Condition(*t.s.DataEnvironment1->rsCommand2, QStringLiteral("竣工年")), QString());
    t.p.stopAtStep = 300 + 50; // the rows written, then within the layout
    t.p.progressSteps = 0;
    t.list->Command_ReportOut->click();
    QVERIFY(t.p.Calls(QStringLiteral("ShowReport")).isEmpty());
    QVERIFY(t.p.boxes.isEmpty());
    QCOMPARE(t.p.Calls(QStringLiteral("NotBusy")).size(), 2); // the pointer is back
    t.p.stopAtStep = 0;
    t.list->Command_ReportOut->click();
    QCOMPARE(t.p.Calls(QStringLiteral("ShowReport")).size(), 1);

    // Saving: stopped at the third of fifteen pages.
    const auto document =
        ReportDocument::LayOut(DataReport_ListKenzai2(), *t.s.DataEnvironment1->rsCommand2);
    QVERIFY(document);
    QCOMPARE(document.value()->PageCount(), 15);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("一覧.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the old file") > 0);
    old.close();
    const Result<int> saved = SaveReportPdf(*document.value(), path,
                                            [](qint64 done, qint64) { return done < 3; });
    QVERIFY(WasStopped(saved));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the old file"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("一覧.pdf")});
}

// A PDF saved onto a disk without room fails with that cause, and the PDF that was
// there stays as it was, with nothing left beside it.
void TestPrinting::aFullDiskKeepsTheOldPdf() {
    ScratchMount disk(QStringLiteral("size=96k"));
    if (!disk.Mounted())
        QSKIP(disk.Why().constData());
    Printed t(300);
    QVERIFY(WriteListReport(t.s, t.s.MainRecordset.get()));
    const QString path = disk.FilePath(QStringLiteral("検索結果一覧.pdf"));
    QVERIFY(SaveReportPdf(DataReport_SelectKenzai(), *t.s.DataEnvironment1->rsCommand1, path));
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    const QByteArray before = old.readAll();
    old.close();
    const Result<int> saved =
        SaveReportPdf(DataReport_ListKenzai2(), *t.s.DataEnvironment1->rsCommand2, path);
    QVERIFY(!saved);
    QVERIFY2(saved.error().startsWith(QStringLiteral("ディスクの空きが足りません。")),
             qPrintable(saved.error()));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), before);
    QCOMPARE(QDir(disk.Path()).entryList(QDir::Files),
             QStringList{QStringLiteral("検索結果一覧.pdf")});
}

// A print of more than a hundred pages asks first, with the number of pages.
void TestPrinting::aBigPrintAsksFirst() {
    for (const auto& [products, pages] : {std::pair(2186, 100), std::pair(2187, 101)}) {
        Printed t(products);
        t.p.answers = {box::kNo};
        t.list->Command_ReportOut->click();
        if (pages <= 100) {
            QVERIFY(t.p.boxes.isEmpty());
            QCOMPARE(t.p.reportPages, pages);
            continue;
        }
        QCOMPARE(t.p.boxes.size(), 1);
        QCOMPARE(t.p.boxes[0].title, QStringLiteral("確認"));
        QVERIFY2(t.p.boxes[0].text.contains(QStringLiteral("101 ページ")),
                 qPrintable(t.p.boxes[0].text));
        QVERIFY(t.p.Calls(QStringLiteral("ShowReport")).isEmpty()); // いいえ: nothing shown
        t.list->Command_ReportOut->click();                          // はい
        QCOMPARE(t.p.reportPages, pages);
    }
}

// A save suggests a name that says what the print holds.
void TestPrinting::savedNamesSayWhatIsInThem() {
    LoadedState t(LongValues);
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    OpenRecord(t, QStringLiteral("00001"));
    Form_Detail detail(t.s, t.p);
    detail.Form_Load();
    detail.Command_ReportOut->click();
    QCOMPARE(t.p.shownLayout.fileName,
             QStringLiteral("建材個別情報_") + kLongProduct + QStringLiteral("_00001_") + today +
                 QStringLiteral(".pdf"));
    QCOMPARE(t.p.shownLayout.title, QStringLiteral("石綿含有建材個別情報"));
    t.s.CondStartYear = QStringLiteral("1985");
    t.s.CondSekobui = QStringLiteral("居室天井");
    t.s.CondShiyoho = QStringLiteral("仕上げ材");
    Form_Error_1 notice(t.s, t.p);
    notice.Command_ReportOut->click();
    QCOMPARE(t.p.shownLayout.fileName, QStringLiteral("検索結果_該当なし_1985～_居室天井_仕上げ材_") +
                                           today + QStringLiteral(".pdf"));
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
