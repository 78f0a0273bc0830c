#include "data/query_builders.h"
#include "detail/form_detail.h"
#include "result_list/form_list.h"
#include "result_list/list_model.h"
#include "shell/screen_kit.h"
#include "support/helpers.h"
#include "support/loaded_state.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <cstring>
#include <sqlite3.h>

using namespace solario;
using namespace solario::test;

namespace {

// Seven products whose names sort differently from their IDs.
void FillProducts(FixtureDb& db) {
    const char* names[] = {"ゆ", "あ", "え", "い", "お", "う", "か"};
    for (int i = 0; i < 7; ++i)
        db.AddProduct(Product({{u"ID", QStringLiteral("%1").arg(i + 1, 4, 10, QChar(u'0'))},
                               {u"建材名（一般名）", "石綿含有ビニル床タイル"},
                               {u"商品名", QString::fromUtf8(names[i])},
                               {u"製造開始", 1960 + (i % 3) * 10},
                               {u"製造終了", 2000 - i},
                               {u"内装材（床）", i % 2}}));
}

// A result list over the products the condition finds, as a search leaves it.
struct List : LoadedState {
    explicit List(const QString& where = QString(), SearchRoute route = SearchRoute::ByName,
                  const std::function<void(FixtureDb&)>& fill = FillProducts)
        : LoadedState(fill), screen((Open(where, route), s), p) {
        screen.Form_Load();
        screen.show();
        screen.Form_Activate();
    }
    int Open(const QString& where, SearchRoute route) {
        s.MainRecordset = std::make_unique<KeyedRecordset>();
        const Result<qint32> n = OpenMaterialList(s, *s.MainConnection, *s.MainRecordset, where);
        Q_ASSERT(n);
        s.SearchRouteTitle = route;
        return 0;
    }
    QStringList Products() const {
        QStringList names;
        for (qint32 r = 1; r <= screen.Model->rowCount(); ++r)
            names.append(screen.Model->CellText(r, 2));
        return names;
    }
    QPoint CellCentre(int row, int column) const {
        return screen.MSHFlexGridSearchResult->visualRect(screen.Model->index(row, column))
            .center();
    }
    Form_List screen;
};

// Products made for ties: few distinct values per column, NULL beside empty texts, whole
// and fractional numbers, IDs written out of order.
void FillTies(FixtureDb& db) {
    const QVariant null;
    const QVariant names[] = {"石綿含有ビニル床タイル", "石綿含有スレート", null};
    const QVariant products[] = {"A", "B", "", null, "ｶﾅ", "カナ", "a"};
    const QVariant models[] = {"1", "01", null, "", "1"};
    const QVariant makers[] = {"X工業", "Y", null, "ｘ工業"};
    const QVariant starts[] = {0, 1970, null, 1980, 1970};
    const QVariant ends[] = {1990, null, 1985, 1990};
    const QVariant contents[] = {null, 5, 5, 0.5, 12};
    const QVariant kinds[] = {"クリソタイル", null, "", "アモサイト"};
    const QVariant certKinds[] = {"不燃", null, "準不燃"};
    const QVariant certNumbers[] = {"1", null, "22"};
    for (int i = 0; i < 150; ++i) {
        auto pick = [i](const auto& values, int step) {
            return values[size_t(i * step + i / 7) % std::size(values)];
        };
        db.AddProduct(
            Product({{u"ID", QStringLiteral("%1").arg((i * 37) % 150, 4, 10, QChar(u'0'))},
                     {u"建材名（一般名）", pick(names, 1)},
                     {u"商品名", pick(products, 3)},
                     {u"型番・品番", pick(models, 2)},
                     {u"生産時のメーカー名", pick(makers, 5)},
                     {u"現在のメーカー名", pick(makers, 3)},
                     {u"製造開始", pick(starts, 1)},
                     {u"製造終了", pick(ends, 3)},
                     {u"石綿含有率", pick(contents, 2)},
                     {u"石綿の種類", pick(kinds, 1)},
                     {u"不燃材料認定番号（種類）", pick(certKinds, 1)},
                     {u"不燃材料認定番号（番号）", pick(certNumbers, 2)},
                     {u"俗称", pick(products, 5)},
                     {u"建物の種類（戸建住宅）", i % 3 == 0 ? null : QVariant(i % 2)},
                     {u"内装材（床）", i % 2}}));
    }
}

// Products whose texts a CSV file must carry unchanged.
void FillAwkwardTexts(FixtureDb& db) {
    const char* names[] = {"カンマ,入り", "引用符\"入り\"",     "改行\r\n入り", "O'Brien板",
                           "１００％",    "ＦＲボード　１２号", "LFだけ\nの行", ""};
    for (int i = 0; i < 8; ++i)
        db.AddProduct(Product({{u"ID", QStringLiteral("%1").arg(i + 1, 4, 10, QChar(u'0'))},
                               {u"建材名（一般名）", "石綿含有スレート"},
                               {u"商品名", QString::fromUtf8(names[i])},
                               {u"型番・品番", i == 2 ? QVariant() : QVariant("A,1")},
                               {u"製造開始", 1970},
                               {u"製造終了", 1980 + i},
                               {u"石綿含有率", i}}));
}

// A CSV file read by Python's own reader, one list of fields per record.
QList<QStringList> ReadCsv(const QString& path) {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv, json, sys\n"
                                 "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                                 "    print(json.dumps(list(csv.reader(f))))"),
                  path});
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        return {};
    QList<QStringList> records;
    for (const QJsonValue& record :
         QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList fields;
        for (const QJsonValue& field : record.toArray())
            fields.append(field.toString());
        records.append(fields);
    }
    return records;
}

// A copy of the database with the indexes the generator writes.
QString CopyWithIndexes(const QString& path) {
    const QString copy = path + QStringLiteral(".indexed");
    if (!QFile::copy(path, copy))
        return QString();
    sqlite3* db = nullptr;
    if (sqlite3_open(copy.toUtf8().constData(), &db) != SQLITE_OK)
        return QString();
    AppState s;
    InitFieldCatalogue(s);
    bool ok = true;
    for (const QString& index : ListIndexStatements(s))
        ok = ok &&
             sqlite3_exec(db, index.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok ? copy : QString();
}

} // namespace

class TestList : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void gridLayout();
    void widthsSpreadAndStay();
    void sortIsMarkedAndKeepsTheTickInView();
    void sortOrders_data();
    void sortOrders();
    void tickRules();
    void mouseOnTheGrid();
    void oneRowList();
    void sortingTurnsAndKeepsTheTick();
    void sortNeedsAColumn();
    void periodSortsByStartThenEnd();
    void detailOfTheTickedProduct();
    void keysAndButtons();
    void keyboardTicksAndLeavesTheGrid();
    void enlargingGrowsTheGrid();
    void modelKeepsItsContract();
    void windowedListIsTheFullQuery_data();
    void windowedListIsTheFullQuery();
    void tickGoesToTheFirstRowThatReadsTheSame();
    void csvHoldsEveryRowAsShown();
    void csvFailuresLeaveNoFile();
    void copyPutsRowsOnTheClipboard();
};

void TestList::initTestCase() {
    QStandardPaths::setTestModeEnabled(true); // the user's own settings stay untouched
}

void TestList::init() {
    QSettings(QStringLiteral("Solario"), QStringLiteral("Solario")).remove(QStringLiteral("columns"));
}

void TestList::widthsSpreadAndStay() {
    std::unique_ptr<List> t = std::make_unique<List>();
    QTableView& grid = *t->screen.MSHFlexGridSearchResult;
    auto widths = [&grid] {
        QList<int> w;
        for (int c = 0; c <= 8; ++c)
            w.append(grid.columnWidth(c));
        return w;
    };
    const QList<int> opening = widths();
    // Wider: the text columns take the extra width in proportion; the tick, the period,
    // the content and the other centred columns keep theirs, and nothing scrolls sideways.
    t->screen.resize(t->screen.size() + QSize(400, 0));
    const QList<int> wide = widths();
    QCOMPARE(wide[0], opening[0]);
    QList<int> grown;
    for (int c = 1; c <= 8; ++c) {
        const bool centred = (t->screen.Model->Alignment(c) & Qt::AlignHCenter) != 0;
        QVERIFY2(centred ? wide[c] == opening[c] : wide[c] > opening[c], qPrintable(QString::number(c)));
        if (!centred)
            grown.append(c);
    }
    QVERIFY(grown.size() >= 4);
    for (int c : grown) // in proportion, within rounding
        QVERIFY(std::abs(double(wide[c] - opening[c]) / opening[c] -
                         double(wide[grown[0]] - opening[grown[0]]) / opening[grown[0]]) < 0.02);
    QCoreApplication::processEvents();
    QCOMPARE(grid.horizontalScrollBar()->maximum(), 0);
    // A width the user drags survives a sort, a resize of the window, and the next list.
    grid.horizontalHeader()->resizeSection(3, 333);
    t->screen.ClickHeading(2);
    t->screen.CommandSort->click();
    QCOMPARE(grid.columnWidth(3), 333);
    t->screen.resize(t->screen.size() + QSize(100, 0));
    QCOMPARE(grid.columnWidth(3), 333);
    t->screen.CommandSort->click();
    QCOMPARE(grid.columnWidth(3), 333);
    t.reset();
    List again;
    QCOMPARE(again.screen.MSHFlexGridSearchResult->columnWidth(3), 333);
    QCOMPARE(again.screen.MSHFlexGridSearchResult->columnWidth(2), opening[2]);
}

void TestList::sortIsMarkedAndKeepsTheTickInView() {
    List t(QString(), SearchRoute::ByName, [](FixtureDb& db) {
        for (int i = 0; i < 300; ++i)
            db.AddProduct(Product({{u"ID", QStringLiteral("%1").arg(i + 1, 4, 10, QChar(u'0'))},
                                   {u"建材名（一般名）", "石綿含有スレート"},
                                   {u"商品名", QStringLiteral("商品%1").arg(i, 3, 10, QChar(u'0'))}}));
    });
    Form_List& list = t.screen;
    QTableView& grid = *list.MSHFlexGridSearchResult;
    QHeaderView& header = *grid.horizontalHeader();
    QCOMPARE(header.sortIndicatorSection(), -1); // nothing chosen, nothing sorted
    list.ClickTickCell(2); // 商品001
    // Chosen by a click on its heading: the arrow is there before the sort.
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                      QPoint(header.sectionViewportPosition(2) + 5, header.height() / 2));
    QCOMPARE(list.SortColumn, 2);
    QCOMPARE(header.sortIndicatorSection(), 2);
    QCOMPARE(header.sortIndicatorOrder(), Qt::AscendingOrder);
    list.CommandSort->click();
    list.CommandSort->click(); // descending: the ticked product goes to the end
    QCOMPARE(header.sortIndicatorSection(), 2);
    QCOMPARE(header.sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(list.Model->CellText(list.TickedRow(), 2), QStringLiteral("商品001"));
    QCOMPARE(list.TickedRow(), 299);
    QCOMPARE(grid.currentIndex().row(), 298);
    QCoreApplication::processEvents();
    const QRect row = grid.visualRect(list.Model->index(298, 2));
    QVERIFY(grid.viewport()->rect().contains(row));
    // Another column chosen by Ctrl+Space shows there; a click in the list takes the
    // choice back, and the arrow returns to the order the list has.
    grid.setFocus();
    grid.setCurrentIndex(list.Model->index(298, 3));
    QTest::keyClick(&grid, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(header.sortIndicatorSection(), 3);
    list.ClickDataCell(1, 4);
    QCOMPARE(header.sortIndicatorSection(), 2);
    QCOMPARE(header.sortIndicatorOrder(), Qt::DescendingOrder);
}

void TestList::gridLayout() {
    List t;
    QTableView& grid = *t.screen.MSHFlexGridSearchResult;
    QCOMPARE(t.screen.Model->columnCount(), 82);
    QCOMPARE(t.screen.LabelCount->text(), QStringLiteral("7"));
    QCOMPARE(t.screen.windowTitle(), QStringLiteral("【ソラリオ】"));
    // The catalogue's widths; the period is never cut, and what it takes comes out of the
    // general name's column so that all eight fit without a horizontal scroll bar.
    const int widths[] = {2200, 1700, 900, 1700, 1000, 900, 1000, 1700};
    for (int c = 1; c <= 8; ++c) {
        QVERIFY(!grid.isColumnHidden(c));
        if (c != 1 && c != 5)
            QCOMPARE(grid.columnWidth(c), Twips(grid, widths[c - 1]));
    }
    QVERIFY(grid.columnWidth(5) >= Twips(grid, 1000));
    QVERIFY(grid.columnWidth(5) >
            grid.fontMetrics().horizontalAdvance(QStringLiteral("1972～1988")));
    QVERIFY(grid.columnWidth(1) <= Twips(grid, 2200));
    QVERIFY(grid.columnWidth(1) > Twips(grid, 1800));
    QCoreApplication::processEvents();
    QCOMPARE(grid.horizontalScrollBar()->maximum(), 0);
    // A heading wider than its column wraps; the heading row is tall enough for it.
    QHeaderView& header = *grid.horizontalHeader();
    for (int c = 1; c <= 8; ++c) {
        const QString text =
            t.screen.Model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const QRect needed = header.fontMetrics().boundingRect(
            QRect(0, 0, header.sectionSize(c) - 8, 1000), Qt::AlignCenter | Qt::TextWordWrap, text);
        QVERIFY2(needed.width() <= header.sectionSize(c) - 8, qPrintable(text));
        QVERIFY2(needed.height() <= header.height() - 8, qPrintable(text));
    }
    QVERIFY(header.height() >= 2 * header.fontMetrics().height()); // 型番・品番 takes two
    // The user can still widen a column; the heading row follows.
    header.resizeSection(3, Twips(grid, 3000));
    QCOMPARE(grid.columnWidth(3), Twips(grid, 3000));
    for (int c = 9; c <= 81; ++c)
        QVERIFY(grid.isColumnHidden(c));
    const QStringList headings = {
        "建材名（一般名）", "商品名",     "型番・品番",         "生産時のメーカー名", "製造期間",
        "含有率(%)",        "石綿の種類", "不燃材料等認定番号", "現在のメーカー名"};
    for (int c = 1; c <= 9; ++c)
        QCOMPARE(t.screen.Model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                 headings[c - 1]);
    QCOMPARE(t.screen.Model->headerData(81, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("ID"));
    auto align = [&](int c) {
        return t.screen.Model->index(0, c).data(Qt::TextAlignmentRole).toInt();
    };
    QCOMPARE(align(5), int(Qt::AlignCenter));
    QCOMPARE(align(36), int(Qt::AlignCenter)); // 内装材（床）, a yes/no column
    QCOMPARE(align(2) & Qt::AlignHorizontal_Mask, int(Qt::AlignLeft));
    QCOMPARE(grid.horizontalHeader()->sectionResizeMode(2), QHeaderView::Interactive);
    // Every row starts with the empty box.
    QVERIFY(!t.screen.Model->index(0, 0).data(Qt::DecorationRole).value<QPixmap>().isNull());
    QCOMPARE(t.screen.TickedRow(), 0);
}

void TestList::sortOrders_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("order");
    QTest::newRow("general name") << 1 << "ASC"
                                  << "建材名（一般名） ASC";
    QTest::newRow("maker at production") << 4 << "DESC"
                                         << "生産時のメーカー名 DESC";
    QTest::newRow("period ascending") << 5 << "ASC"
                                      << "製造開始 ASC, 製造終了 ASC";
    QTest::newRow("period descending") << 5 << "DESC"
                                       << "製造終了 DESC, 製造開始 DESC";
    QTest::newRow("content") << 6 << "ASC"
                             << "石綿含有率 ASC";
    QTest::newRow("kind of asbestos") << 7 << "DESC"
                                      << "石綿の種類 DESC";
    QTest::newRow("certification") << 8 << "ASC"
                                   << "不燃材料認定番号（種類） ASC, 不燃材料認定番号（番号） ASC";
    QTest::newRow("current maker") << 9 << "ASC"
                                   << "現在のメーカー名 ASC";
    QTest::newRow("ID") << 81 << "DESC"
                        << "ID DESC";
}

void TestList::sortOrders() {
    QFETCH(int, column);
    QFETCH(QString, word);
    QFETCH(QString, order);
    AppState s;
    InitFieldCatalogue(s);
    QCOMPARE(BuildSortOrder(s, column, word), order);
}

void TestList::tickRules() {
    List t;
    t.screen.ClickTickCell(5);
    QCOMPARE(t.screen.TickedRow(), 5);
    t.screen.ClickTickCell(7);
    QCOMPARE(t.screen.TickedRow(), 7); // the tick moved
    QCOMPARE(t.screen.TickedRowCells[1], t.screen.Model->CellText(7, 2));
    QVERIFY(t.screen.Model->index(4, 0).data(Qt::DecorationRole).value<QPixmap>().toImage() !=
            t.screen.Model->index(6, 0).data(Qt::DecorationRole).value<QPixmap>().toImage());
    t.screen.ClickTickCell(7);
    QCOMPARE(t.screen.TickedRow(), 0); // removed
    t.screen.CommandDetail->click();
    QCOMPARE(t.p.boxes.size(), 1);
    QCOMPARE(
        t.p.boxes[0].text,
        QStringLiteral("詳細情報を表示するデータの行を選択（先頭カラムをチェック）してください。"));
    QCOMPARE(t.p.boxes[0].flags, box::kExclamation);
    QVERIFY(t.p.Calls(QStringLiteral("ShowModal")).isEmpty());
}

void TestList::mouseOnTheGrid() {
    List t;
    QWidget* cells = t.screen.MSHFlexGridSearchResult->viewport();
    QTest::mouseClick(cells, Qt::LeftButton, {}, t.CellCentre(1, 0));
    QCOMPARE(t.screen.TickedRow(), 2);
    QHeaderView* header = t.screen.MSHFlexGridSearchResult->horizontalHeader();
    const int x = header->sectionViewportPosition(2) + header->sectionSize(2) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    QCOMPARE(t.screen.SortColumn, 2);
    QCOMPARE(t.screen.SortDirIndex, 1);
    QTest::mouseClick(cells, Qt::LeftButton, {}, t.CellCentre(3, 2)); // a data cell
    QCOMPARE(t.screen.SortColumn, 0);
    QCOMPARE(t.screen.TickedRow(), 2); // a data cell never ticks
}

void TestList::oneRowList() {
    List t(QStringLiteral("(ID = '0003')"));
    QCOMPARE(t.screen.LabelCount->text(), QStringLiteral("1"));
    // Row 1 is also the last row: a click on its cell counts as a click on the heading.
    t.screen.ClickDataCell(1, 4);
    QCOMPARE(t.screen.SortColumn, 4);
    t.screen.CommandSort->click();
    QVERIFY(t.p.boxes.isEmpty());
    QCOMPARE(t.screen.Model->rowCount(), 1);
}

void TestList::sortingTurnsAndKeepsTheTick() {
    List t;
    const QString ticked = t.screen.Model->CellText(3, 2); // "え", ID 0003
    t.screen.ClickTickCell(3);
    t.screen.ClickHeading(2);
    t.screen.CommandSort->click();
    QCOMPARE(t.Products(), QStringList({"あ", "い", "う", "え", "お", "か", "ゆ"}));
    QCOMPARE(t.screen.Model->CellText(t.screen.TickedRow(), 2), ticked);
    QCOMPARE(t.screen.TickedRow(), 4);
    QCOMPARE(t.s.ListIds.value(3), QStringLiteral("0003")); // refilled in the new order
    t.screen.CommandSort->click();
    QCOMPARE(t.Products(), QStringList({"ゆ", "か", "お", "え", "う", "い", "あ"}));
    QCOMPARE(t.screen.TickedRow(), 4);
    t.screen.CommandSort->click();
    QCOMPARE(t.Products().first(), QStringLiteral("あ"));
    // Ticking again restarts the direction at ascending.
    t.screen.ClickTickCell(1);
    QCOMPARE(t.screen.SortDirIndex, 1);
    QCOMPARE(t.s.ListIds.size(), 8); // the list keeps its size
}

void TestList::sortNeedsAColumn() {
    List t;
    t.screen.CommandSort->click();
    QCOMPARE(t.p.boxes.size(), 1);
    QCOMPARE(t.p.boxes[0].text,
             QStringLiteral("並べ替えする項目を、列選択（列ヘッダーのクリック）してください。。"));
    QCOMPARE(t.screen.SortDirIndex, 1); // no flip
    t.screen.ClickHeading(2);
    t.screen.CommandSort->click();
    t.screen.ClickDataCell(2, 3); // clears the column
    t.screen.CommandSort->click();
    QCOMPARE(t.p.boxes.size(), 2);
}

void TestList::periodSortsByStartThenEnd() {
    List t;
    t.screen.ClickHeading(5);
    t.screen.CommandSort->click();
    QStringList periods;
    for (qint32 r = 1; r <= 7; ++r)
        periods.append(t.screen.Model->CellText(r, 5));
    QCOMPARE(periods, QStringList({"1960～1994", "1960～1997", "1960～2000", "1970～1996",
                                   "1970～1999", "1980～1995", "1980～1998"}));
    t.screen.CommandSort->click();
    QCOMPARE(t.screen.Model->CellText(1, 5), QStringLiteral("1960～2000")); // end year first
}

void TestList::detailOfTheTickedProduct() {
    List t;
    t.screen.ClickHeading(2);
    t.screen.CommandSort->click();
    t.screen.ClickTickCell(2); // "い", ID 0004
    QString shown;
    t.p.drivers = {[&](Screen& s) {
        shown = static_cast<Form_Detail&>(s).Label_Shohinmei->text();
        QCOMPARE(t.s.DetailValues.size(), 84);
        QCOMPARE(t.s.DetailValues[82], QStringLiteral("0004"));
        QVERIFY(t.s.DetailValues[83].isEmpty());
    }};
    t.screen.SortColumn = 2;
    t.screen.CommandDetail->click();
    QCOMPARE(shown, QStringLiteral("い"));
    QVERIFY(!t.s.DetailRecordset); // released
    QCOMPARE(t.screen.SortColumn, 0);
    QCOMPARE(t.screen.TickedRow(), 2); // still ticked on return
    QVERIFY(t.screen.isVisible());
}

void TestList::keysAndButtons() {
    List t(QString(), SearchRoute::ByUsage);
    QTest::keyClick(t.screen.MSHFlexGridSearchResult, Qt::Key_F1);
    QCOMPARE(t.p.Calls(QStringLiteral("ShowHelp")), QStringList{"ShowHelp:app.qhc:22:Form_List"});
    QTest::keyClick(t.screen.CommandSort, Qt::Key_F4);
    QCOMPARE(t.p.boxes.size(), 1);                           // nothing ticked
    QTest::keyClick(t.screen.CommandGoMenu, Qt::Key_Escape); // no key handler there
    QVERIFY(!t.screen.IsUnloaded());
    QTest::keyClick(t.screen.MSHFlexGridSearchResult, Qt::Key_F3);
    QCOMPARE(t.p.calls.last(), QStringLiteral("ShowReport:DataReport_ListKenzai2"));
    t.screen.CommandGoMenu->click();
    QCOMPARE(t.s.BackToMenu, 1);
    QVERIFY(t.screen.IsUnloaded());
    QCOMPARE(t.s.SearchRouteTitle, SearchRoute::None);

    List name;
    name.screen.CommandHelp->click();
    QCOMPARE(name.p.Calls(QStringLiteral("ShowHelp")),
             QStringList{"ShowHelp:app.qhc:32:Form_List"});
    QTest::keyClick(name.screen.CommandDetail, Qt::Key_Escape);
    QVERIFY(name.screen.IsUnloaded());
    QCOMPARE(name.s.BackToMenu, 0);
}

void TestList::keyboardTicksAndLeavesTheGrid() {
    List t;
    QApplication::setActiveWindow(&t.screen);
    QCOMPARE(FocusName(), QStringLiteral("CommandHelp")); // first in tab order
    t.screen.CommandDetail->setFocus();
    Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("MSHFlexGridSearchResult"));
    Press(Qt::Key_Down);
    Press(Qt::Key_Right); // on a data cell of the second row: the row is ticked all the same
    Press(Qt::Key_Space);
    QCOMPARE(t.screen.TickedRow(), 2);
    Press(Qt::Key_Space);
    QCOMPARE(t.screen.TickedRow(), 0);
    Press(Qt::Key_Space);
    QCOMPARE(t.screen.TickedRow(), 2);
    Press(Qt::Key_Tab); // out of the grid to the button below it, then round to the first
    QCOMPARE(FocusName(), QStringLiteral("CommandCsv"));
    Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("CommandHelp"));
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(FocusName(), QStringLiteral("MSHFlexGridSearchResult"));
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(FocusName(), QStringLiteral("CommandDetail"));
    QCOMPARE(t.screen.TickedRow(), 2);
    t.p.drivers = {[&](Screen& detail) {
        QCOMPARE(detail.objectName(), QStringLiteral("Form_Detail"));
        QCOMPARE(t.s.DetailValues.value(82), t.s.ListIds.value(1));
    }};
    Press(Qt::Key_Return); // the focused button
    QCOMPARE(t.p.Calls(QStringLiteral("ShowModal")), QStringList{"ShowModal:Form_Detail"});
    // A sort from the keyboard: Ctrl+Space on a cell of the 商品名 column, then F2.
    QApplication::setActiveWindow(&t.screen);
    t.screen.MSHFlexGridSearchResult->setFocus();
    t.screen.MSHFlexGridSearchResult->setCurrentIndex(t.screen.Model->index(0, 2));
    Press(Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(t.screen.SortColumn, 2);
    Press(Qt::Key_F2);
    QCOMPARE(t.Products().first(), QStringLiteral("あ"));
    QCOMPARE(t.screen.TickedRow(), 1); // the ticked product (あ), found again after the sort
}

void TestList::enlargingGrowsTheGrid() {
    List t;
    QVERIFY(t.screen.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QSize opening = t.screen.size();
    QCOMPARE(t.screen.minimumSize(), opening); // it opens at its designed size
    const QSize grid = t.screen.MSHFlexGridSearchResult->size();
    const QRect detail = t.screen.CommandDetail->geometry();
    t.screen.resize(opening + QSize(300, 200));
    QCOMPARE(t.screen.MSHFlexGridSearchResult->size(), grid + QSize(300, 200));
    QCOMPARE(t.screen.CommandDetail->geometry(), detail);
    QCOMPARE(t.screen.Image1->width(), t.screen.width()); // the banner spans the window
}

void TestList::modelKeepsItsContract() {
    // The tester checks every index, count and signal the model gives while it is bound,
    // ticked, re-bound for a sort and released.
    List t;
    QAbstractItemModelTester tester(t.screen.Model,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    t.screen.ClickTickCell(2);
    t.screen.ClickHeading(2);
    t.screen.CommandSort_Click();
    QCOMPARE(t.screen.Model->rowCount(), 7);
    t.screen.ClickTickCell(2);
    t.screen.Model->Bind(nullptr, 0);
    QCOMPARE(t.screen.Model->rowCount(), 0);
}

void TestList::windowedListIsTheFullQuery_data() {
    QTest::addColumn<QString>("where");
    QTest::newRow("whole table") << QString();
    QTest::newRow("maker") << MakerCondition(QStringLiteral("工業"));
    QTest::newRow("name") << QStringLiteral("(建材名（一般名） = '石綿含有スレート')");
    QTest::newRow("years") << BuildYearRangeWhere(QStringLiteral("1975"), QStringLiteral("1988"),
                                                  2);
}

// The list reads keys, then cells in windows; the rows it shows are exactly those the
// list SELECT returns as one statement, in the same order, cell for cell, for the first
// order and for every column sorted both ways. SQLite gives rows with equal keys in the
// stored order when it reads the table itself, and in an index's order when it takes a
// shortcut; the list always gives the stored order, so over the generator's indexes it
// shows what the plain table's full query shows.
void TestList::windowedListIsTheFullQuery() {
    QFETCH(QString, where);
    LoadedState t(FillTies);
    Connection& plain = *t.s.MainConnection;
    const QString indexedPath = CopyWithIndexes(t.dir.filePath(QStringLiteral("app.db")));
    QVERIFY(!indexedPath.isEmpty());
    Connection indexed;
    QVERIFY(indexed.OpenReadOnly(indexedPath));
    QStringList orders = {QString()};
    for (int column = 1; column <= 81; ++column)
        for (const QString& word : t.s.SortWords)
            orders.append(BuildSortOrder(t.s, column, word));
    for (Connection* c : {&plain, &indexed}) {
        KeyedRecordset list;
        const Result<qint32> opened = OpenMaterialList(t.s, *c, list, where);
        QVERIFY2(opened, qPrintable(opened.error()));
        QVERIFY(opened.value() > 10);
        for (const QString& order : orders) {
            if (!order.isEmpty()) {
                const Result<qint32> n = RequerySorted(*c, list, t.s.ListBaseSql, order);
                QVERIFY2(n, qPrintable(order + u' ' + n.error()));
            }
            Recordset full;
            const QString sql = t.s.ListBaseSql + QStringLiteral(" ORDER BY ") +
                                (order.isEmpty() ? QStringLiteral("ID") : order);
            QVERIFY2(full.Open(sql, plain), qPrintable(sql));
            QCOMPARE(list.RecordCount(), full.RecordCount());
            QCOMPARE(list.FieldCount(), full.FieldCount());
            for (int f = 0; f < full.FieldCount(); ++f)
                QCOMPARE(list.FieldName(f), full.FieldName(f));
            // Rows are read from the end backwards, so that windows are read out of order.
            for (qint32 r = full.RecordCount() - 1; r >= 0; --r)
                for (int f = 0; f < full.FieldCount(); ++f) {
                    const FieldValue a = list.Value(r, f), b = full.Value(r, f);
                    if (a.ToText() != b.ToText() || a.type() != b.type())
                        QFAIL(qPrintable(QStringLiteral("%1%2: row %3, %4: %5 / %6")
                                             .arg(c == &plain ? "" : "indexed: ", order,
                                                  QString::number(r), full.FieldName(f), a.ToText(),
                                                  b.ToText())));
                }
        }
    }
}

// Two products read alike in their first ten columns: after a sort the tick goes to the
// first of them in the new order, as the grid's texts decide, not to the ticked ID.
void TestList::tickGoesToTheFirstRowThatReadsTheSame() {
    LoadedState t([](FixtureDb& db) {
        for (const char* id : {"0001", "0002", "0003"})
            db.AddProduct(Product({{u"ID", id},
                                   {u"建材名（一般名）", "石綿含有スレート"},
                                   {u"商品名", std::strcmp(id, "0002") == 0 ? "B" : "A"},
                                   {u"製造開始", 1970},
                                   {u"製造終了", 1980},
                                   {u"備考欄", id}}));
    });
    t.s.MainRecordset = std::make_unique<KeyedRecordset>();
    QVERIFY(OpenMaterialList(t.s, *t.s.MainConnection, *t.s.MainRecordset, QString()));
    t.s.SearchRouteTitle = SearchRoute::ByName;
    Form_List screen(t.s, t.p);
    screen.Form_Load();
    screen.ClickTickCell(3); // 0003, product A
    screen.ClickHeading(2);
    screen.CommandSort_Click(); // ascending: 0001 A, 0003 A, 0002 B
    QCOMPARE(screen.TickedRow(), 1);
    QCOMPARE(t.s.ListIds.value(0), QStringLiteral("0001"));
    screen.CommandSort_Click(); // descending: 0002 B, then the two A in stored order
    QCOMPARE(t.s.ListIds.ToList(), QStringList({"0002", "0001", "0003", ""}));
    QCOMPARE(screen.TickedRow(), 2);
}

// F5 saves every row in the list's order, the shown columns and then the ID, as a CSV file
// that a strict reader reads back field for field; UTF-8 with a byte-order mark, CR LF.
void TestList::csvHoldsEveryRowAsShown() {
    LoadedState t(FillAwkwardTexts);
    t.s.MainRecordset = std::make_unique<KeyedRecordset>();
    QVERIFY(OpenMaterialList(t.s, *t.s.MainConnection, *t.s.MainRecordset, QString()));
    t.s.SearchRouteTitle = SearchRoute::ByName;
    Form_List screen(t.s, t.p);
    screen.Form_Load();
    screen.show();
    screen.ClickHeading(2);
    screen.CommandSort_Click(); // a sorted list is saved in its order
    QCOMPARE(screen.CommandCsv->text(), QStringLiteral("CSV保存（F5）"));
    const QString path = t.dir.filePath(QStringLiteral("一覧.csv"));
    t.p.saveAnswer = path;
    // The name says what the search asked for.
    t.s.CondStartYear = QStringLiteral("1980");
    t.s.CondMaker = QStringLiteral("架空");
    screen.MSHFlexGridSearchResult->setFocus();
    QTest::keyClick(screen.MSHFlexGridSearchResult, Qt::Key_F5);
    QVERIFY2(t.p.boxes.isEmpty(), qPrintable(t.p.boxes.value(0).text));
    QVERIFY(t.p.calls.contains(QStringLiteral("ChooseSaveFile:CSV保存:csv:検索結果一覧_1980～_架空_") +
                               QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) +
                               QStringLiteral(".csv")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), 9 + 1); // nine lines, one line break inside a field
    const QList<QStringList> records = ReadCsv(path);
    QCOMPARE(records.size(), 9);
    QCOMPARE(records[0],
             QStringList({"建材名（一般名）", "商品名", "型番・品番", "生産時のメーカー名",
                          "製造期間", "含有率(%)", "石綿の種類", "不燃材料等認定番号", "ID"}));
    for (qint32 r = 1; r <= 8; ++r) {
        QStringList shown;
        for (int c = 1; c <= 8; ++c)
            shown.append(screen.Model->CellText(r, c));
        shown.append(t.s.ListIds.value(r - 1));
        QCOMPARE(records[r], shown);
    }
    QCOMPARE(records[1][1], QString()); // the empty name sorts first
    QVERIFY(records.contains(QStringList(
        {"石綿含有スレート", "改行\r\n入り", "", "", "1970～1982", "2", "", "", "0003"})));
}

// A file that cannot be written: a message, no file, and the list as it was; a cancelled
// dialog writes nothing.
void TestList::csvFailuresLeaveNoFile() {
    List t;
    t.p.saveAnswer.clear();
    t.screen.CommandCsv->click();
    QVERIFY(t.p.boxes.isEmpty());
    const QString blocker = t.dir.filePath(QStringLiteral("a-file"));
    QFile(blocker).open(QIODevice::WriteOnly);
    t.p.saveAnswer = blocker + QStringLiteral("/一覧.csv"); // a folder that is a file
    t.screen.CommandCsv->click();
    QCOMPARE(t.p.boxes.size(), 1);
    QVERIFY(t.p.boxes[0].text.startsWith(QStringLiteral("CSVファイルを保存できませんでした。")));
    QVERIFY(!QFile::exists(t.p.saveAnswer));
    QCOMPARE(t.screen.Model->rowCount(), 7);
    QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files).filter(QStringLiteral(".csv")),
             QStringList());
}

// Ctrl+C in the grid copies the selected row under the headings, tab-separated; with
// nothing selected, the ticked row.
void TestList::copyPutsRowsOnTheClipboard() {
    List t;
    QTableView& grid = *t.screen.MSHFlexGridSearchResult;
    QApplication::clipboard()->clear();
    grid.setFocus();
    grid.clearSelection();
    t.screen.ClickTickCell(3);
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    QStringList lines = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 3); // headings, the row, and the empty rest after the last break
    QVERIFY(lines[0].startsWith(QStringLiteral("建材名（一般名）\t商品名\t")));
    QVERIFY(lines[0].endsWith(QStringLiteral("\tID")));
    QCOMPARE(lines[1].split(u'\t').value(1), t.screen.Model->CellText(3, 2));
    QCOMPARE(lines[1].split(u'\t').last(), t.s.ListIds.value(2));
    grid.setCurrentIndex(t.screen.Model->index(5, 2));
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    lines = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines[1].split(u'\t').last(), t.s.ListIds.value(5));
    QCOMPARE(t.screen.TickedRow(), 3); // copying ticks nothing
}

QTEST_MAIN(TestList)
#include "test_list.moc"
