#include "search_usage/uctl_rs_nextpage.h"
#include "support/helpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace solario;
using namespace solario::test;

namespace {

// A list of n entries "名0", "名1", ... with IDs "0", "1", ... and counts 10 + i, on its
// first page.
struct Paged {
    explicit Paged(int n) {
        QStringList names, ids;
        QList<int> counts;
        for (int i = 0; i < n; ++i) {
            names.append(QStringLiteral("名%1").arg(i));
            ids.append(QString::number(i));
            counts.append(10 + i);
        }
        list.SetRec_Cnt(n);
        list.Set_Data(names);
        list.Set_ID(ids);
        list.Set_Kensu(counts);
        list.Set_Name_List(QStringLiteral("next"));
    }
    QStringList Rows() const {
        QStringList rows;
        for (int r = 0; r < 6; ++r)
            rows.append(list.Label_Target_Name_List[r]->text());
        return rows;
    }
    QList<bool> Enabled() const {
        QList<bool> e;
        for (int r = 0; r < 6; ++r)
            e.append(list.Check1[r]->isEnabled());
        return e;
    }
    UCtl_RS_NextPage list;
};

} // namespace

class TestCheckList : public QObject {
    Q_OBJECT

private slots:
    void fourteenEntries();
    void pageSizes_data();
    void pageSizes();
    void ticksSurvivePaging();
    void keyboardTickIsRecordedAtOnce();
    void keyboardAloneTicksAndPages();
    void rowsTellTheirIds();
    void threeHundredEntries();
    void pagingKeepsTheFocusInTheList();
};

void TestCheckList::fourteenEntries() {
    Paged t(14);
    QCOMPARE(t.Rows(), QStringList({"名0", "名1", "名2", "名3", "名4", "名5"}));
    QCOMPARE(t.list.Label_Another_Name_List[0]->text(), QStringLiteral("10"));
    QVERIFY(!t.list.Cmd_Before->isEnabled());
    QVERIFY(t.list.Cmd_Next->isEnabled());
    t.list.Cmd_Next->click();
    QCOMPARE(t.Rows(), QStringList({"名6", "名7", "名8", "名9", "名10", "名11"}));
    QVERIFY(t.list.Cmd_Before->isEnabled());
    QVERIFY(t.list.Cmd_Next->isEnabled());
    t.list.Cmd_Next->click();
    QCOMPARE(t.Rows(), QStringList({"名12", "名13", "", "", "", ""}));
    QCOMPARE(t.Enabled(), QList<bool>({true, true, false, false, false, false}));
    QVERIFY(!t.list.Cmd_Info[2]->isEnabled());
    QVERIFY(!t.list.Cmd_Next->isEnabled());
    t.list.Cmd_Before->click();
    QCOMPARE(t.Rows(), QStringList({"名6", "名7", "名8", "名9", "名10", "名11"}));
    QCOMPARE(t.Enabled(), QList<bool>(6, true));
    QVERIFY(t.list.Cmd_Before->isEnabled());
    QVERIFY(t.list.Cmd_Next->isEnabled());
    t.list.Cmd_Before->click();
    QCOMPARE(t.Rows().first(), QStringLiteral("名0"));
    QVERIFY(!t.list.Cmd_Before->isEnabled());
}

void TestCheckList::pageSizes_data() {
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("firstPageRows");
    QTest::addColumn<bool>("next");
    QTest::newRow("none") << 0 << 0 << false;
    QTest::newRow("exactly six") << 6 << 6 << false;
    QTest::newRow("seven") << 7 << 6 << true;
    QTest::newRow("twelve") << 12 << 6 << true;
}

void TestCheckList::pageSizes() {
    QFETCH(int, entries);
    QFETCH(int, firstPageRows);
    QFETCH(bool, next);
    Paged t(entries);
    QCOMPARE(int(t.Enabled().count(true)), firstPageRows);
    QVERIFY(!t.list.Cmd_Before->isEnabled());
    QCOMPARE(t.list.Cmd_Next->isEnabled(), next);
    if (!next)
        return;
    t.list.Cmd_Next->click();
    QCOMPARE(int(t.Enabled().count(true)), entries - 6);
    QVERIFY(!t.list.Cmd_Next->isEnabled()); // 12 is not below 7 + 5
    t.list.Cmd_Before->click();
    QCOMPARE(t.Enabled(), QList<bool>(6, true)); // back to a full first page
}

void TestCheckList::ticksSurvivePaging() {
    Paged t(14);
    t.list.Check1[1]->click(); // entry 1
    t.list.Cmd_Next->click();
    t.list.Check1[5]->click(); // entry 11
    t.list.Cmd_Next->click();
    QVERIFY(!t.list.Check1[0]->isChecked());
    t.list.Cmd_Before->click();
    QVERIFY(t.list.Check1[5]->isChecked());
    t.list.Check1[5]->click(); // untick entry 11 again
    t.list.Cmd_Before->click();
    QVERIFY(t.list.Check1[1]->isChecked());
    QList<int> checks;
    t.list.Get_Check(checks);
    QCOMPARE(checks.size(), 14);
    QList<int> expected(14, 0);
    expected[1] = 1;
    QCOMPARE(checks, expected);
}

void TestCheckList::keyboardTickIsRecordedAtOnce() {
    Paged t(8);
    QTest::keyClick(t.list.Check1[2], Qt::Key_Space);
    QVERIFY(t.list.Check1[2]->isChecked());
    QList<int> checks;
    t.list.Get_Check(checks); // no page change in between
    QCOMPARE(checks.value(2), 1);
}

void TestCheckList::keyboardAloneTicksAndPages() {
    Paged t(14);
    t.list.show();
    QApplication::setActiveWindow(&t.list);
    t.list.Check1[0]->setFocus();
    Press(Qt::Key_Space);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("Check1(1)"));
    Press(Qt::Key_Space);
    // On to the page button, passing the other rows: moving never changes a tick.
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_F4})
        Press(key);
    while (FocusName() != u"Cmd_Next") {
        QVERIFY(FocusName().startsWith(u"C"));
        Press(Qt::Key_Tab);
    }
    Press(Qt::Key_Space);
    QCOMPARE(t.Rows().first(), QStringLiteral("名6"));
    t.list.Check1[3]->setFocus();
    Press(Qt::Key_Space);
    t.list.Cmd_Before->setFocus();
    Press(Qt::Key_Space);
    QCOMPARE(t.Rows().first(), QStringLiteral("名0"));
    QVERIFY(t.list.Check1[0]->isChecked());
    QVERIFY(t.list.Check1[1]->isChecked());
    QVERIFY(!t.list.Check1[2]->isChecked());
    QList<int> checks;
    t.list.Get_Check(checks);
    QCOMPARE(checks.mid(0, 10), QList<int>({1, 1, 0, 0, 0, 0, 0, 0, 0, 1}));
}

void TestCheckList::rowsTellTheirIds() {
    Paged t(8);
    QSignalSpy clicks(&t.list, &UCtl_RS_NextPage::Click);
    QSignalSpy keys(&t.list, &UCtl_RS_NextPage::KeyDown);
    t.list.Cmd_Next->click();
    QCOMPARE(t.list.GetID(0), QStringLiteral("6"));
    QCOMPARE(t.list.GetID(1), QStringLiteral("7"));
    QCOMPARE(t.list.GetID(2), QString()); // an empty row
    t.list.Cmd_Info[1]->click();
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks[0][0].toString(), QStringLiteral("7"));
    QTest::keyClick(t.list.Check1[0], Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(keys.size(), 1);
    QCOMPARE(keys[0][0].toInt(), 114);
    QCOMPARE(keys[0][1].toInt(), 1);
    QCOMPARE(keys[0][2].toString(), QStringLiteral("6"));
    QTest::keyClick(t.list.Cmd_Next, Qt::Key_F3); // page buttons raise nothing
    QCOMPARE(keys.size(), 1);
}

void TestCheckList::threeHundredEntries() {
    Paged t(300);
    t.list.Check1[0]->click(); // entry 0
    for (int page = 1; page < 50; ++page)
        t.list.Cmd_Next->click();
    QCOMPARE(t.Rows(), QStringList({"名294", "名295", "名296", "名297", "名298", "名299"}));
    QVERIFY(!t.list.Cmd_Next->isEnabled());
    t.list.Check1[5]->click(); // entry 299
    QList<int> checks;
    t.list.Get_Check(checks);
    QCOMPARE(checks.size(), 300);
    QCOMPARE(checks[0], 1);
    QCOMPARE(checks[299], 1);
    QCOMPARE(checks.count(1), 2);
}

// A paging button that turns itself off hands the focus to the other one, never to the
// control after the list (where the next key typed would land).
void TestCheckList::pagingKeepsTheFocusInTheList() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    Paged t(14);
    t.list.setParent(&window);
    const auto keep = qScopeGuard([&] { t.list.setParent(nullptr); }); // the list is t's own
    layout->addWidget(&t.list);
    auto* after = new QLineEdit(&window); // as メーカー名 follows the list
    layout->addWidget(after);
    window.show();
    QApplication::setActiveWindow(&window);
    t.list.Cmd_Next->setFocus();
    QTest::keyClick(t.list.Cmd_Next, Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), t.list.Cmd_Next); // still on, it keeps the focus
    QTest::keyClick(t.list.Cmd_Next, Qt::Key_Space);        // the last page: it turns off
    QVERIFY(!t.list.Cmd_Next->isEnabled());
    QCOMPARE(QApplication::focusWidget(), t.list.Cmd_Before);
    QTest::keyClick(t.list.Cmd_Before, Qt::Key_Space);
    QTest::keyClick(t.list.Cmd_Before, Qt::Key_Space); // the first page
    QVERIFY(!t.list.Cmd_Before->isEnabled());
    QCOMPARE(QApplication::focusWidget(), t.list.Cmd_Next);
    QVERIFY(!after->hasFocus());
}

QTEST_MAIN(TestCheckList)
#include "test_check_list.moc"
