#include "detail/form_detail.h"
#include "result_list/form_list.h"
#include "search_usage/form_error_usage.h"
#include "search_usage/form_search_d.h"
#include "search_usage/form_search_d2.h"
#include "search_usage/uctl_rs_nextpage.h"
#include "shell/screen_kit.h"
#include "support/loaded_state.h"
#include "support/test_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace solario;
using namespace solario::test;

namespace {

const QString kSlate = QStringLiteral("石綿含有住宅屋根用化粧スレート");
const QString kTile = QStringLiteral("石綿含有ビニル床タイル");
const QString kChimney = QStringLiteral("石綿セメント円筒");
const QString kLagging = QStringLiteral("石綿保温材");

void Fill(FixtureDb& db) {
    auto product = [&](const char* id, const QString& name, int start, int end,
                       const char16_t* flag, const char* maker) {
        db.AddProduct(Product({{u"ID", id},
                               {u"建材名（一般名）", name},
                               {u"商品名", QStringLiteral("品") + id},
                               {u"生産時のメーカー名", maker},
                               {u"製造開始", start},
                               {u"製造終了", end},
                               {u"建物の種類（戸建住宅）", 1},
                               {flag, 1}}));
    };
    product("0001", kSlate, 1970, 1985, u"外装材（屋根）", "架空スレート工業");
    product("0002", kTile, 1965, 1980, u"内装材（床）", "サンプル床材");
    product("0003", kChimney, 1960, 1990, u"設備（煙突）", "架空管材");
    product("0004", kLagging, 1960, 1980, u"その他（その他の部位）", "架空保温");
    db.AddGeneralName(true, kSlate, "33", Product({{u"屋根", 10}, {u"仕上げ材", 1}}));
    db.AddGeneralName(true, kTile, "30", Product({{u"廊下居室床", 10}, {u"仕上げ材", 1}}));
    db.AddGeneralName(true, kChimney, "41", Product({{u"煙突臭気抜き", 10}}));
    db.AddGeneralName(true, kLagging, "10", Product({{u"断熱材", 10}}));
    db.AddGeneralName(false, QStringLiteral("粘土瓦"), "N1",
                      Product({{u"屋根", 10}, {u"仕上げ材", 1}}));
}

struct Usage : LoadedState {
    Usage() : LoadedState(Fill), screen(s, p) {
        screen.Form_Load();
        screen.show();
        QApplication::setActiveWindow(&screen);
        screen.Form_Activate();
    }
    void Enter(const QString& start, const QString& end, const QList<int>& parts,
               const QList<int>& usages) {
        screen.CommandHelp->setFocus();
        screen.ComboStartYear->setEditText(start);
        screen.ComboEndYear->setEditText(end);
        for (int i : parts)
            screen.Check_Sekobui[i]->setChecked(true);
        for (int i : usages)
            screen.Check_Shiyoho[i]->setChecked(true);
    }
    Form_Search_D screen;
};

// The name selection over three found names, as the usage search leaves them.
struct Select : LoadedState {
    Select() : LoadedState(Fill), screen((Prepare(), s), p) {
        screen.Form_Load();
        screen.show();
        QApplication::setActiveWindow(&screen);
        screen.Form_Activate();
    }
    int Prepare() {
        s.GeneralNameCount = 3;
        s.GeneralNames = QStringList{kSlate, kTile, kChimney};
        s.GeneralNameIds = QStringList{"33", "30", "41"};
        s.GeneralNameCounts = QList<int>{1, 1, 1};
        s.GeneralNames.resize(257);
        s.GeneralNameIds.resize(257);
        s.GeneralNameCounts.resize(257, 0);
        s.NonContainingNames = QStringList{"粘土瓦", "金属屋根", QString()};
        s.UsageWhere = QStringLiteral("(建物の種類（戸建住宅）= True)");
        return 0;
    }
    Form_Search_D2 screen;
};

} // namespace

class TestSearchUsage : public QObject {
    Q_OBJECT

private slots:
    void comingBackFindsTheTickBoxLeft();
    void usageWhere_data();
    void usageWhere();
    void search_data();
    void search();
    void partsAreASingleChoice();
    void movingKeysKeepTheTicks();
    void typedYearIsSearched_data();
    void typedYearIsSearched();
    void nameCondition();
    void enlargingGrowsTheCheckList();
    void nameConditionRefusals();
    void nameSearchAndNotice();
    void nameDocumentsAndKeys();
    void notices();
    void routeFromMenuToRecordAndBack();
};

void TestSearchUsage::usageWhere_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("where");
    const QString house = QStringLiteral("(建物の種類（戸建住宅）= True)");
    QTest::newRow("both") << "1983"
                          << "1985" << house + " AND (製造終了 >= 1982 AND 製造開始 <= 1985)";
    QTest::newRow("start only") << "1985"
                                << "" << house + " AND (製造終了 >= 1984 AND 製造開始 <= 9999)";
    QTest::newRow("end only") << ""
                              << "1985" << house + " AND (製造終了 >= 0 AND 製造開始 <= 1985)";
    QTest::newRow("same year") << "1985"
                               << "1985" << house + " AND (製造終了 >= 1984 AND 製造開始 <= 1985)";
    QTest::newRow("full-width") << "１９８５"
                                << "" << house + " AND (製造終了 >= 1984 AND 製造開始 <= 9999)";
    QTest::newRow("none") << ""
                          << "" << house;
}

void TestSearchUsage::usageWhere() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, where);
    QCOMPARE(BuildUsageWhere(start, end), where);
}

void TestSearchUsage::search_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QList<int>>("parts");
    QTest::addColumn<QList<int>>("usages");
    QTest::addColumn<int>("message");
    QTest::addColumn<QString>("outcome"); // the focus after a message, or the screen that opens
    QTest::newRow("no year") << ""
                             << "" << QList<int>{0} << QList<int>{0} << 1 << "TextStartYear";
    QTest::newRow("end before start")
        << "1990"
        << "1985" << QList<int>{0} << QList<int>{0} << 3 << "TextStartYear";
    QTest::newRow("a year that is no number")
        << "19x5"
        << "" << QList<int>{0} << QList<int>{0} << 2 << "TextStartYear";
    QTest::newRow("no part") << "1985"
                             << "" << QList<int>{} << QList<int>{0} << 4 << "Check_Sekobui(0)";
    QTest::newRow("two parts: the lower one")
        << "1985"
        << "" << QList<int>{4, 1} << QList<int>{0} << 5 << "Check_Sekobui(1)";
    QTest::newRow("floor without usage")
        << "1985"
        << "" << QList<int>{13} << QList<int>{} << 6 << "Check_Shiyoho(0)";
    QTest::newRow("pipes with a usage")
        << "1985"
        << "" << QList<int>{15} << QList<int>{0} << 7 << "Check_Shiyoho(0)";
    QTest::newRow("pipes with both usages: the last ticked")
        << "1985"
        << "" << QList<int>{15} << QList<int>{0, 1} << 7 << "Check_Shiyoho(1)";
    QTest::newRow("roof finish, end year only")
        << ""
        << "1985" << QList<int>{0} << QList<int>{0} << 0 << "Form_Search_D2";
    QTest::newRow("floor finish") << "1975"
                                  << "1985" << QList<int>{13} << QList<int>{0} << 0
                                  << "Form_Search_D2";
    QTest::newRow("chimney: the column without its ideographic space")
        << "1985"
        << "" << QList<int>{14} << QList<int>{} << 0 << "Form_Search_D2";
    QTest::newRow("skirting: nothing found")
        << "1985"
        << "" << QList<int>{16} << QList<int>{} << 0 << "Form_Error_1";
    QTest::newRow("roof finish after the years: nothing found")
        << "1990"
        << "" << QList<int>{0} << QList<int>{0} << 0 << "Form_Error_1";
    QTest::newRow("insulation always ends on its notice")
        << "1970"
        << "" << QList<int>{17} << QList<int>{} << 0 << "Form_Error_1_1";
}

void TestSearchUsage::search() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QList<int>, parts);
    QFETCH(QList<int>, usages);
    QFETCH(int, message);
    QFETCH(QString, outcome);
    Usage t;
    t.Enter(start, end, parts, usages);
    t.screen.CommandSearchDetail->click();
    if (message != 0) {
        QCOMPARE(t.p.boxes.size(), 1);
        QCOMPARE(t.p.boxes[0].text, t.s.Messages[size_t(message)]);
        QCOMPARE(t.p.boxes[0].focus, outcome);
        QVERIFY(t.p.Calls(QStringLiteral("ShowModal")).isEmpty());
        QVERIFY(t.screen.isVisible());
        return;
    }
    QVERIFY(t.p.boxes.isEmpty());
    QCOMPARE(t.p.Calls(QStringLiteral("ShowModal")),
             QStringList{QStringLiteral("ShowModal:") + outcome});
    QCOMPARE(t.s.UsageWhere, BuildUsageWhere(start, end));
    QCOMPARE(t.s.CondSekobui, t.screen.Check_Sekobui[parts[0]]->text()); // the caption, unchanged
    QCOMPARE(t.s.CondShiyoho,
             usages.isEmpty() ? QString() : t.screen.Check_Shiyoho[usages[0]]->text());
    QCOMPARE(t.s.InsulationFlag, parts[0] == 17 ? 1 : 0);
    if (parts[0] == 14) {
        QCOMPARE(t.s.CondSekobui, QStringLiteral("煙突\u3000臭気抜き"));
        QCOMPARE(t.s.GeneralNames.value(0), kChimney); // the lookup found it under 煙突臭気抜き
    }
    if (outcome == u"Form_Error_1_1")
        QCOMPARE(t.s.GeneralNameCount, 1); // names were found, and still the notice
    QVERIFY(t.screen.isVisible());
}

void TestSearchUsage::partsAreASingleChoice() {
    Usage t;
    QTest::mouseClick(t.screen.Check_Sekobui[3], Qt::LeftButton);
    QTest::mouseClick(t.screen.Check_Sekobui[5], Qt::LeftButton);
    QVERIFY(!t.screen.Check_Sekobui[3]->isChecked());
    QVERIFY(t.screen.Check_Sekobui[5]->isChecked());
    QTest::mouseClick(t.screen.Check_Sekobui[5], Qt::LeftButton); // clicking it again: no part
    for (QCheckBox* b : t.screen.Check_Sekobui)
        QVERIFY(!b->isChecked());
    QTest::mouseClick(t.screen.Check_Shiyoho[0], Qt::LeftButton);
    QTest::keyClick(t.screen.Check_Shiyoho[1], Qt::Key_Space);
    QVERIFY(!t.screen.Check_Shiyoho[0]->isChecked());
    QVERIFY(t.screen.Check_Shiyoho[1]->isChecked());
    // A character key on an unticked box clears the others before it toggles.
    t.screen.Check_Sekobui[2]->setChecked(true);
    QTest::keyClick(t.screen.Check_Sekobui[7], Qt::Key_Space);
    QVERIFY(!t.screen.Check_Sekobui[2]->isChecked());
    QVERIFY(t.screen.Check_Sekobui[7]->isChecked());
    QCOMPARE(t.screen.Check_Sekobui[14]->text(), QStringLiteral("煙突\u3000臭気抜き"));
    QCOMPARE(t.screen.Check_Sekobui.size(), 18);
}

void TestSearchUsage::movingKeysKeepTheTicks() {
    Usage t;
    t.screen.TextStartYear->setFocus();
    Type(QStringLiteral("1985"));
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("Check_Sekobui(0)"));
    QCOMPARE(t.screen.Check_Sekobui[0]->text(), QStringLiteral("屋根"));
    Press(Qt::Key_Space);
    // Across every other part, on to the usages, and back: nothing the cursor passes is
    // cleared, and no key but Space ticks.
    for (int i = 0; i < 18; ++i)
        Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("Check_Shiyoho(0)"));
    Press(Qt::Key_Space);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Right, Qt::Key_Left, Qt::Key_F1,
                        Qt::Key_Return, Qt::Key_Backspace})
        Press(key);
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    QVERIFY(t.screen.Check_Sekobui[0]->isChecked());
    QVERIFY(t.screen.Check_Shiyoho[0]->isChecked());
    for (int i = 1; i < 18; ++i)
        QVERIFY(!t.screen.Check_Sekobui[i]->isChecked());
    QVERIFY(!t.screen.Check_Shiyoho[1]->isChecked());
    t.p.calls.clear();
    Press(Qt::Key_F2);
    QVERIFY(t.p.boxes.isEmpty());
    QCOMPARE(t.p.Calls(QStringLiteral("ShowModal")), QStringList{"ShowModal:Form_Search_D2"});
    QCOMPARE(t.s.CondSekobui, QStringLiteral("屋根"));
    QCOMPARE(t.s.CondShiyoho, QStringLiteral("仕上げ材"));
}

void TestSearchUsage::typedYearIsSearched_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");   // typed, the cursor still in the field at F2
    QTest::addColumn<int>("message");   // 0: the search runs
    QTest::addColumn<QString>("focus"); // after the message
    QTest::newRow("end year counts") << "1985"
                                     << "1990" << 0 << "";
    QTest::newRow("end before start") << "1990"
                                      << "1985" << 3 << "TextStartYear";
    QTest::newRow("a bad year stays in its field") << "1985"
                                                   << "19x" << 2 << "TextEndYear";
}

void TestSearchUsage::typedYearIsSearched() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(int, message);
    QFETCH(QString, focus);
    Usage t;
    t.screen.Check_Sekobui[0]->setChecked(true);
    t.screen.Check_Shiyoho[0]->setChecked(true);
    t.screen.TextStartYear->setFocus();
    Type(start);
    Press(Qt::Key_Tab);
    Type(end);
    Press(Qt::Key_F2);
    if (message != 0) {
        QCOMPARE(t.p.boxes.size(), 1);
        QCOMPARE(t.p.boxes[0].text, t.s.Messages[size_t(message)]);
        QCOMPARE(FocusName(), focus);
        QVERIFY(t.p.Calls(QStringLiteral("ShowModal")).isEmpty());
        return;
    }
    QVERIFY(t.p.boxes.isEmpty());
    QCOMPARE(t.s.CondStartYear, start);
    QCOMPARE(t.s.CondEndYear, end);
    QCOMPARE(t.s.UsageWhere, BuildUsageWhere(start, end));
}

void TestSearchUsage::enlargingGrowsTheCheckList() {
    Select t;
    QVERIFY(t.screen.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QSize opening = t.screen.size();
    const QSize list = t.screen.UCtl_RS_NextPage1->size();
    const QPoint help = t.screen.CommandHelp->pos();
    t.screen.resize(opening + QSize(0, 240));
    QCoreApplication::processEvents();
    QVERIFY(t.screen.UCtl_RS_NextPage1->height() >= list.height() + 200);
    QCOMPARE(t.screen.CommandHelp->pos(), help);
    // Nothing overlaps: the reference list stands whole above the search button.
    const QRect reference(t.screen.List1->mapTo(&t.screen, QPoint()), t.screen.List1->size());
    QVERIFY(reference.bottom() < t.screen.CommandSearchDetail->geometry().top());
    QCOMPARE(t.screen.List1->height(), Twips(t.screen, 1200));
}

void TestSearchUsage::nameCondition() {
    Select t;
    QCOMPARE(FocusName(), QStringLiteral("TextMaker")); // first in tab order
    QCOMPARE(t.screen.List1->count(), 2);               // up to the first empty name
    QCOMPARE(t.screen.List1->item(1)->text(), QStringLiteral("金属屋根"));
    QCOMPARE(t.screen.UCtl_RS_NextPage1->Label_Target_Name_List[2]->text(), kChimney);
    t.screen.UCtl_RS_NextPage1->Check1[0]->click();
    t.screen.UCtl_RS_NextPage1->Check1[1]->click();
    t.screen.TextMaker->setText(QStringLiteral("ABC"));
    QCOMPARE(
        t.screen.BuildNameSelectWhere(),
        QStringLiteral(" (建材名（一般名） = '") + kSlate +
            QStringLiteral("' OR 建材名（一般名） = '") + kTile +
            QStringLiteral(
                "')  AND ((現在のメーカー名 LIKE '%ABC%') OR (生産時のメーカー名 LIKE '%ABC%'))"));
    QCOMPARE(t.s.SelectedNames.mid(0, 3), QStringList({kSlate, kTile, QString()}));
    QCOMPARE(t.s.CondMaker, QStringLiteral("ABC"));
    QVERIFY(t.s.CondKenzaiName.isEmpty());
    t.screen.TextMaker->clear();
    t.screen.UCtl_RS_NextPage1->Check1[0]->click(); // untick
    QCOMPARE(t.screen.BuildNameSelectWhere(),
             QStringLiteral(" (建材名（一般名） = '") + kTile + QStringLiteral("') "));
}

void TestSearchUsage::nameConditionRefusals() {
    Select t;
    QCOMPARE(t.screen.BuildNameSelectWhere(), QString());
    QCOMPARE(t.p.boxes.size(), 1);
    QCOMPARE(t.p.boxes[0].text, t.s.Messages[8]);
    QCOMPARE(t.p.boxes[0].focus, QStringLiteral("Check1(0)"));
    t.screen.UCtl_RS_NextPage1->Check1[2]->click();
    t.screen.TextMaker->setText(QStringLiteral("a_b"));
    t.screen.TextShohin->setText(QStringLiteral("c%d"));
    QCOMPARE(t.screen.BuildNameSelectWhere(), QString());
    QCOMPARE(t.p.boxes[1].text, t.s.Messages[9]);
    QCOMPARE(t.p.boxes[1].focus, QStringLiteral("TextMaker"));
    t.screen.TextMaker->setText(QStringLiteral("工業"));
    QCOMPARE(t.screen.BuildNameSelectWhere(), QString());
    QCOMPARE(t.p.boxes[2].focus, QStringLiteral("TextShohin"));
    QCOMPARE(t.s.CondMaker, QStringLiteral("工業")); // already set when the product is refused
}

void TestSearchUsage::nameSearchAndNotice() {
    Select t;
    t.screen.UCtl_RS_NextPage1->Check1[0]->click();
    SearchRoute route = SearchRoute::None;
    QString firstId;
    t.p.drivers = {[&](Screen& list) {
        QCOMPARE(list.objectName(), QStringLiteral("Form_List"));
        route = t.s.SearchRouteTitle;
        firstId = t.s.ListIds.value(0);
        static_cast<Form_List&>(list).CommandHelp->click();
    }};
    QTest::keyClick(t.screen.TextShohin, Qt::Key_F8);
    QCOMPARE(RouteTitle(route), QStringLiteral("使用状態からの検索"));
    QCOMPARE(t.p.Calls(QStringLiteral("ShowHelp")), QStringList{"ShowHelp:app.qhc:22:Form_List"});
    QCOMPARE(firstId, QStringLiteral("0001"));
    QCOMPARE(t.s.SearchRouteTitle, SearchRoute::None);
    QVERIFY(!t.s.MainRecordset);

    // No product of the ticked name is made by this maker: the notice, then back.
    t.screen.TextMaker->setText(QStringLiteral("存在しない会社"));
    QStringList listed;
    t.p.drivers = {[&](Screen& notice) {
        QCOMPARE(notice.objectName(), QStringLiteral("Form_Error_2"));
        auto& n = static_cast<UsageNotice&>(notice);
        for (int i = 0; i < n.List1->count(); ++i)
            listed.append(n.List1->item(i)->text());
        QCOMPARE(n.Label_maker_name->text(), QStringLiteral("存在しない会社"));
    }};
    t.screen.CommandSearchDetail->click();
    QCOMPARE(listed, QStringList{kSlate});
    QVERIFY(t.screen.isVisible());
    QVERIFY(t.screen.UCtl_RS_NextPage1->Check1[0]->isChecked()); // ticks and filters intact
    QCOMPARE(t.screen.TextMaker->text(), QStringLiteral("存在しない会社"));
}

void TestSearchUsage::nameDocumentsAndKeys() {
    Select t;
    auto doc = [&](const QString& id) {
        return QStringLiteral("OpenDocument:") + t.Doc(id + QStringLiteral(".pdf"));
    };
    t.screen.UCtl_RS_NextPage1->Cmd_Info[1]->click();
    QCOMPARE(t.p.calls.last(), doc(QStringLiteral("30")));
    QTest::keyClick(t.screen.TextMaker, Qt::Key_F3); // the second row of the page
    QCOMPARE(t.p.calls.last(), doc(QStringLiteral("30")));
    QTest::keyClick(t.screen.UCtl_RS_NextPage1->Check1[2], Qt::Key_F3); // the row it was pressed in
    QCOMPARE(t.p.calls.last(), doc(QStringLiteral("41")));
    QTest::keyClick(t.screen.UCtl_RS_NextPage1->Cmd_Info[0], Qt::Key_F7);
    QCOMPARE(t.p.calls.last(), doc(QStringLiteral("33")));
    t.p.calls.clear();
    QTest::keyClick(t.screen.TextShohin, Qt::Key_F6); // the fifth row is empty
    QVERIFY(t.p.calls.isEmpty());
    QVERIFY(t.p.boxes.isEmpty());
    QTest::keyClick(t.screen.List1, Qt::Key_F1);
    QCOMPARE(t.p.calls.last(), QStringLiteral("ShowHelp:app.qhc:18:Form_Search_D2"));
    QTest::keyClick(t.screen.CommandHelp, Qt::Key_F9);
    QCOMPARE(t.p.calls.last(), QStringLiteral("ShowReport:DataReport_SelectKenzai"));
    QTest::keyClick(t.screen.CommandGoMenu, Qt::Key_Escape); // no key handler there
    QVERIFY(!t.screen.IsUnloaded());
    QTest::keyClick(t.screen.CommandSearchDetail, Qt::Key_Escape);
    QVERIFY(t.screen.IsUnloaded());
}

void TestSearchUsage::notices() {
    LoadedState t(Fill);
    t.s.CondStartYear = QStringLiteral("1985");
    t.s.CondSekobui = QStringLiteral("断熱材");
    Form_Error_1_1 insulation(t.s, t.p);
    insulation.Form_Load();
    QCOMPARE(insulation.Label_shunkou_nen_from->text(), QStringLiteral("1985"));
    QCOMPARE(insulation.Label_shunkou_nen_to->text(), QString());
    QCOMPARE(insulation.Label_sekou_bui->text(), QStringLiteral("断熱材"));
    QCOMPARE(insulation.Label_use->text(), QString());
    QVERIFY(insulation.findChild<QLabel*>(QStringLiteral("Label2"))
                ->text()
                .contains(QStringLiteral("セルローズファイバー")));
    for (Qt::Key key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4})
        QTest::keyClick(insulation.CommandExit, key);
    QVERIFY(t.p.calls.isEmpty());
    QTest::keyClick(insulation.Command_ReportOut, Qt::Key_Escape);
    QVERIFY(insulation.IsUnloaded());

    Form_Error_1 nothing(t.s, t.p);
    nothing.Form_Load();
    QCOMPARE(nothing.Label_info->text(),
             QStringLiteral(
                 "入力条件に該当する石綿（アスベスト）含有建材は本データベース中にはありません。"));
    QTest::keyClick(nothing.CommandExit, Qt::Key_F2);
    QTest::keyClick(nothing.CommandExit, Qt::Key_F3);
    QTest::keyClick(nothing.CommandExit, Qt::Key_F4);
    QCOMPARE(t.p.calls,
             QStringList({QStringLiteral("OpenDocument:") + t.Doc(QStringLiteral("登録.pdf")),
                          QStringLiteral("OpenDocument:") + t.Doc(QStringLiteral("部位.pdf")),
                          QStringLiteral("OpenDocument:") + t.Doc(QStringLiteral("期間.pdf"))}));
    QCOMPARE(nothing.windowTitle(), QStringLiteral("【ソラリオ】【使用状態からの検索】"));
}

void TestSearchUsage::routeFromMenuToRecordAndBack() {
    LoadedState t(Fill);
    TestRoot menu(t.s, t.p, QStringLiteral("Form_Menu"), [&] {
        auto s = std::make_unique<Form_Search_D>(t.s, t.p);
        s->Form_Load();
        return s;
    });
    menu.show();
    t.p.drivers = {[&](Screen& s) {
                       auto& usage = static_cast<Form_Search_D&>(s);
                       usage.ComboEndYear->setEditText(QStringLiteral("1985"));
                       usage.Check_Sekobui[0]->setChecked(true);
                       usage.Check_Shiyoho[0]->setChecked(true);
                       usage.CommandSearchDetail->click();
                   },
                   [&](Screen& s) {
                       auto& select = static_cast<Form_Search_D2&>(s);
                       select.UCtl_RS_NextPage1->Check1[0]->click();
                       select.CommandSearchDetail->click();
                   },
                   [&](Screen& s) {
                       auto& list = static_cast<Form_List&>(s);
                       list.ClickTickCell(1);
                       list.CommandDetail->click();
                   },
                   [&](Screen& s) {
                       auto& detail = static_cast<Form_Detail&>(s);
                       QCOMPARE(detail.Label_Ippan->text(), kSlate);
                       detail.CommandHelp->click();
                       detail.CommandGoMenu->click();
                   }};
    menu.CommandNext->click();
    QCOMPARE(t.p.Calls(QStringLiteral("ShowHelp")), QStringList{"ShowHelp:app.qhc:24:Form_Detail"});
    QCOMPARE(t.p.Calls(QStringLiteral("Closed:")),
             QStringList({"Closed:Form_Detail", "Closed:Form_List", "Closed:Form_Search_D2",
                          "Closed:Form_Search_D"}));
    QVERIFY(menu.isVisible());
    QCOMPARE(t.s.BackToMenu, 0);
}

// Back from the list, the focus is on the tick box the user left, not on メーカー名.
void TestSearchUsage::comingBackFindsTheTickBoxLeft() {
    Select t;
    QCheckBox* third = t.screen.UCtl_RS_NextPage1->Check1[2];
    third->setFocus();
    QTest::keyClick(third, Qt::Key_Space);
    QVERIFY(third->isChecked());
    QTest::keyClick(third, Qt::Key_F8);
    QCOMPARE(t.p.Calls(QStringLiteral("ShowModal")), QStringList{"ShowModal:Form_List"});
    QVERIFY(t.screen.isVisible());
    QApplication::setActiveWindow(&t.screen); // as the desktop gives it the keyboard back
    QCOMPARE(t.screen.focusWidget(), third);
    QCOMPARE(QApplication::focusWidget(), third);
    // And a key typed next acts on it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!third->isChecked());
}

QTEST_MAIN(TestSearchUsage)
#include "test_search_usage.moc"
