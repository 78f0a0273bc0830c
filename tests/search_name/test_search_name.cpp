#include "detail/form_detail.h"
#include "result_list/form_list.h"
#include "search_name/form_error_3.h"
#include "search_name/form_search_n.h"
#include "support/helpers.h"
#include "support/loaded_state.h"
#include "support/test_screen.h"
#include "tools/sample_data.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace solario;
using namespace solario::test;

// What a user types into the name search, field by field.
struct NameInput {
    QString start{}, end{}, name{}, maker{}, product{}, model{}, kind{}, number{};
};
Q_DECLARE_METATYPE(NameInput)

namespace {

void FillProducts(FixtureDb& db) {
    db.AddProduct(Product({{u"ID", "0002"},
                           {u"建材名（一般名）", "石綿含有住宅屋根用化粧スレート"},
                           {u"商品名", "スレートA"},
                           {u"生産時のメーカー名", "架空スレート工業株式会社"},
                           {u"製造開始", 1970},
                           {u"製造終了", 1985}}));
    db.AddProduct(Product({{u"ID", "0001"},
                           {u"建材名（一般名）", "石綿含有ビニル床タイル"},
                           {u"商品名", "タイルB"},
                           {u"現在のメーカー名", "サンプル床材"},
                           {u"製造開始", 0},
                           {u"製造終了", 1990}}));
    db.AddProduct(Product({{u"ID", "0003"},
                           {u"建材名（一般名）", "石綿含有スレートボード・フレキシブル板"},
                           {u"商品名", "ＦＲボード １２号"},
                           {u"型番・品番", "DJ-2747"},
                           {u"生産時のメーカー名", "ｶｸｳｶﾞﾗｽ繊維株式会社"},
                           {u"製造開始", 1970},
                           {u"製造終了", 1990}}));
}

// The name search as the menu opens it, shown.
struct Search : LoadedState {
    Search() : LoadedState(FillProducts), screen(s, p) {
        screen.Form_Load();
        screen.show();
        QApplication::setActiveWindow(&screen);
        screen.Form_Activate();
    }
    Form_Search_N screen;
};

} // namespace

class TestSearchName : public QObject {
    Q_OBJECT

private slots:
    void controlsAndLists();
    void conditions_data();
    void conditions();
    void yearFieldCheckOnLeaving();
    void searchOpensTheListAndComesBack();
    void pastedFormatCharactersAreIgnored_data();
    void pastedFormatCharactersAreIgnored();
    void theRefusedCharacterIsSelected();
    void searchWithoutResultOpensTheNotice();
    void typedWidthsFindTheProduct_data();
    void typedWidthsFindTheProduct();
    void failingQueryKeepsTheScreen();
    void keys();
    void noticeShowsTheConditions();
    void routeFromMenuToRecordAndBack();
};

void TestSearchName::controlsAndLists() {
    Search t;
    QCOMPARE(t.screen.windowTitle(), QStringLiteral("【ソラリオ】【建材名称等からの検索 】"));
    QCOMPARE(t.screen.TextStartYear->maxLength(), 4);
    QCOMPARE(t.screen.TextEndYear->maxLength(), 4);
    QCOMPARE(t.screen.Text_Maker->maxLength(), 30);
    QCOMPARE(t.screen.Text_Shohin->maxLength(), 30);
    QCOMPARE(t.screen.Text_Kataban->maxLength(), 24);
    QCOMPARE(t.screen.Text_NinteiNo->maxLength(), 7);
    // The name list is the database's 41 general names, character for character.
    const QStringList names = Items(*t.screen.Combo_KanzaiName);
    QCOMPARE(names.size(), 42);
    QCOMPARE(names.first(), QString());
    QCOMPARE(names.mid(1), sample::GeneralNames());
    QCOMPARE(t.screen.Combo_KanzaiName->currentIndex(), 0);
    const QStringList kinds = Items(*t.screen.Combo_Nintei);
    QCOMPARE(kinds.size(), 26);
    QCOMPARE(kinds[1], QStringLiteral("不燃"));
    QCOMPARE(kinds[4], QStringLiteral("不燃・屋根用（個）"));
    QCOMPARE(kinds[14], QStringLiteral("化粧（不燃）（個）"));
    QCOMPARE(kinds[25], QStringLiteral("UW"));
    // The hidden year lists: an empty entry, then the years; 0 never listed.
    QVERIFY(!t.screen.ComboStartYear->isVisible());
    QCOMPARE(Items(*t.screen.ComboStartYear), QStringList({"", "1970"}));
    QCOMPARE(Items(*t.screen.ComboEndYear), QStringList({"", "1990", "1985"}));
    QCOMPARE(t.screen.Frame5->title(),
             QStringLiteral("不燃材料等認定番号\u3000※認定の種類を選択し、番号を入力して下さい。"));
    QCOMPARE(t.screen.Frame2->title(),
             QStringLiteral("商品名\u3000\u3000\u3000※語句の一部で検索できます。"));
    // Tab order.
    const QStringList order = {"TextStartYear", "TextEndYear",  "Combo_KanzaiName", "Text_Maker",
                               "Text_Shohin",   "Text_Kataban", "Combo_Nintei",     "Text_NinteiNo",
                               "CommandSearch", "CommandHelp",  "CommandExit"};
    QWidget* w = t.screen.TextStartYear;
    for (const QString& name : order) {
        QCOMPARE(w->objectName(), name);
        w = w->nextInFocusChain();
        while (!w->isVisible() || w->focusPolicy() == Qt::NoFocus || w->inherits("QGroupBox") ||
               w->inherits("QLabel"))
            w = w->nextInFocusChain();
    }
}

void TestSearchName::conditions_data() {
    QTest::addColumn<NameInput>("input");
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("nintei");
    const QString maker =
        QStringLiteral("((現在のメーカー名 LIKE '%工業%') OR (生産時のメーカー名 LIKE '%工業%'))");
    QTest::newRow("nothing lists everything") << NameInput{} << "" << 0 << ""
                                              << "";
    QTest::newRow("start year only, widened by two")
        << NameInput{.start = "1985"} << "(製造終了 >= 1983 AND 製造開始 <= 9999)" << 0 << ""
        << "";
    QTest::newRow("end year only")
        << NameInput{.end = "1985"} << "(製造終了 >= 0 AND 製造開始 <= 1985)" << 0 << ""
        << "";
    QTest::newRow("both years") << NameInput{.start = "1983", .end = "1985"}
                                << "(製造終了 >= 1981 AND 製造開始 <= 1985)" << 0 << ""
                                << "";
    QTest::newRow("full-width years")
        << NameInput{.start = "１９８５"} << "(製造終了 >= 1983 AND 製造開始 <= 9999)" << 0 << ""
        << "";
    QTest::newRow("end before start")
        << NameInput{.start = "1990", .end = "1985"} << "" << 3 << "TextStartYear"
        << "";
    QTest::newRow("a year that is not a number")
        << NameInput{.start = "19x5"} << "" << 2 << "TextStartYear"
        << "";
    QTest::newRow("an end year that is not a number")
        << NameInput{.end = "ab"} << "" << 2 << "TextEndYear"
        << "";
    QTest::newRow("maker alone") << NameInput{.maker = "工業"} << maker << 0 << ""
                                 << "";
    QTest::newRow("general name first, then the maker")
        << NameInput{.name = "石綿含有ビニル床タイル", .maker = "工業"}
        << "(建材名（一般名） = '石綿含有ビニル床タイル') AND " + maker << 0 << ""
        << "";
    QTest::newRow("years, product and model")
        << NameInput{.end = "1990", .product = "ボード", .model = "AB"}
        << "(製造終了 >= 0 AND 製造開始 <= 1990) AND (商品名 LIKE '%ボード%') AND (型番・品番 LIKE "
           "'%AB%')"
        << 0 << ""
        << "";
    QTest::newRow("apostrophe in the maker")
        << NameInput{.maker = "O'Neil"} << "" << 9 << "Text_Maker"
        << "";
    QTest::newRow("percent in the maker") << NameInput{.maker = "50%"} << "" << 9 << "Text_Maker"
                                          << "";
    QTest::newRow("maker is checked before product")
        << NameInput{.maker = "a_b", .product = "c_d"} << "" << 9 << "Text_Maker"
        << "";
    QTest::newRow("underscore in the product")
        << NameInput{.product = "a_b"} << "" << 9 << "Text_Shohin"
        << "";
    QTest::newRow("hyphen in the model") << NameInput{.model = "A-1"} << "" << 9 << "Text_Kataban"
                                         << "";
    QTest::newRow("full-width hyphen in the model is escaped text")
        << NameInput{.model = "Ａ－１"} << "(型番・品番 LIKE '%Ａ－１%')" << 0 << ""
        << "";
    QTest::newRow("kind only") << NameInput{.kind = "不燃"} << "(不燃材料認定番号（種類） = '不燃')"
                               << 0 << ""
                               << "不燃-指定なし";
    QTest::newRow("number only") << NameInput{.number = "1234"}
                                 << "(不燃材料認定番号（番号） LIKE '%1234%')" << 0 << ""
                                 << "指定なし-1234";
    QTest::newRow("kind and number")
        << NameInput{.kind = "準不燃", .number = "1234"}
        << "(不燃材料認定番号（種類） = '準不燃') AND (不燃材料認定番号（番号） LIKE '%1234%')" << 0
        << ""
        << "準不燃-1234";
    QTest::newRow("full-width number")
        << NameInput{.number = "１２３４"} << "(不燃材料認定番号（番号） LIKE '%1234%')" << 0 << ""
        << "指定なし-１２３４";
    QTest::newRow("number with a hyphen")
        << NameInput{.number = "12-34"} << "" << 10 << "Text_NinteiNo"
        << "";
}

void TestSearchName::conditions() {
    QFETCH(NameInput, input);
    QFETCH(QString, where);
    QFETCH(int, message);
    QFETCH(QString, focus);
    QFETCH(QString, nintei);
    Search t;
    Form_Search_N& f = t.screen;
    f.CommandHelp->setFocus(); // leave the empty year field before typing
    // The search reads the hidden year texts, as leaving the year fields leaves them.
    f.TextStartYear->setText(input.start);
    f.ComboStartYear->setEditText(input.start);
    f.TextEndYear->setText(input.end);
    f.ComboEndYear->setEditText(input.end);
    f.Combo_KanzaiName->setCurrentText(input.name);
    f.Text_Maker->setText(input.maker);
    f.Text_Shohin->setText(input.product);
    f.Text_Kataban->setText(input.model);
    f.Combo_Nintei->setCurrentText(input.kind);
    f.Text_NinteiNo->setText(input.number);
    const Form_Search_N::Condition c = f.BuildNameCondition();
    if (message == 0) {
        QVERIFY(t.p.boxes.isEmpty());
        QVERIFY(c.ok);
        QCOMPARE(c.where, where);
        QCOMPARE(t.s.CondNintei, nintei);
        QCOMPARE(t.s.CondStartYear, input.start);
        QCOMPARE(t.s.CondMaker, input.maker);
        QVERIFY(t.s.CondSekobui.isEmpty());
        return;
    }
    QVERIFY(!c.ok);
    QCOMPARE(t.p.boxes.size(), 1);
    QCOMPARE(t.p.boxes[0].text, t.s.Messages[size_t(message)]);
    QCOMPARE(t.p.boxes[0].title, QStringLiteral("エラー"));
    QCOMPARE(t.p.boxes[0].flags, box::kExclamation);
    if (message != 10) // the number check shows its box before the focus moves
        QCOMPARE(t.p.boxes[0].focus, focus);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void TestSearchName::yearFieldCheckOnLeaving() {
    Search t;
    t.screen.TextStartYear->setText(QStringLiteral("85"));
    t.screen.TextStartYear_LostFocus();
    QCOMPARE(t.p.boxes.size(), 1);
    QCOMPARE(t.p.boxes[0].text, t.s.Messages[2]);
    QCOMPARE(t.screen.ComboStartYear->currentText(), QStringLiteral("85")); // copied all the same
    QCOMPARE(QApplication::focusWidget(), t.screen.TextStartYear);
    t.screen.TextEndYear->setText(QStringLiteral("１９９０"));
    t.screen.TextEndYear_LostFocus();
    QCOMPARE(t.p.boxes.size(), 1);
    QCOMPARE(t.screen.ComboEndYear->currentText(), QStringLiteral("１９９０"));
    // Choosing from a year list copies the year into the field.
    t.screen.ComboStartYear->setCurrentIndex(1);
    t.screen.ComboStartYear_Click();
    QCOMPARE(t.screen.TextStartYear->text(), QStringLiteral("1970"));
}

void TestSearchName::searchOpensTheListAndComesBack() {
    Search t;
    t.screen.Text_Shohin->setText(QStringLiteral("タイル"));
    SearchRoute routeWhileOpen = SearchRoute::None;
    QStringList ids;
    t.p.drivers = {[&](Screen& list) {
        QCOMPARE(list.objectName(), QStringLiteral("Form_List"));
        routeWhileOpen = t.s.SearchRouteTitle;
        ids = t.s.ListIds.ToList();
        QVERIFY(!t.screen.isVisible());
    }};
    t.screen.CommandSearch->click();
    QCOMPARE(t.p.Calls(QStringLiteral("ShowModal")), QStringList{"ShowModal:Form_List"});
    QCOMPARE(RouteTitle(routeWhileOpen), QStringLiteral("建材名称等からの検索"));
    QCOMPARE(ids.mid(0, 1), QStringList{"0001"});
    QCOMPARE(t.s.SearchRouteTitle, SearchRoute::None);
    QVERIFY(!t.s.MainRecordset); // closed and released after the list
    QVERIFY(t.screen.isVisible());
    QCOMPARE(t.screen.Text_Shohin->text(), QStringLiteral("タイル"));

    // No input: every product, in ID order.
    t.screen.Text_Shohin->clear();
    t.p.drivers = {[&](Screen&) { ids = t.s.ListIds.ToList(); }};
    t.screen.CommandSearch->click();
    QCOMPARE(ids.mid(0, 2), QStringList({"0001", "0002"}));
}

void TestSearchName::typedWidthsFindTheProduct_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("ids");
    QTest::newRow("model, full width") << "Text_Kataban"
                                       << "ＤＪ－２７４７" << QStringList{"0003"};
    QTest::newRow("model, full-width dash only") << "Text_Kataban"
                                                 << "dj－2747" << QStringList{"0003"};
    QTest::newRow("maker in full-width kana, stored half width")
        << "Text_Maker"
        << "カクウガラス" << QStringList{"0003"};
    QTest::newRow("product, half-width letters, blank and digits")
        << "Text_Shohin"
        << "FRボード 12" << QStringList{"0003"};
    QTest::newRow("product, half-width letters") << "Text_Shohin"
                                                 << "frボード" << QStringList{"0003"};
    QTest::newRow("kana of another kind is another text") << "Text_Maker"
                                                          << "かくう" << QStringList{};
    QTest::newRow("model typed in kana mode, a long vowel mark for the dash")
        << "Text_Kataban"
        << "ＤＪー２７４７" << QStringList{"0003"};
}

void TestSearchName::typedWidthsFindTheProduct() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QStringList, ids);
    Search t;
    t.screen.findChild<QWidget*>(field)->setFocus();
    Type(typed);
    QStringList found;
    t.p.drivers = {[&](Screen&) {
        found = t.s.ListIds.ToList();
        found.removeLast();
    }};
    Press(Qt::Key_F2);
    QVERIFY2(t.p.boxes.isEmpty(), qPrintable(t.p.boxes.value(0).text));
    QCOMPARE(found, ids);
    QCOMPARE(t.p.Calls(QStringLiteral("ShowModal")),
             QStringList{ids.isEmpty() ? "ShowModal:Form_Error_3" : "ShowModal:Form_List"});
}

// A pasted text carries invisible format characters along: they are no part of what is
// searched, so the maker is found, not reported missing.
void TestSearchName::pastedFormatCharactersAreIgnored_data() {
    QTest::addColumn<QString>("pasted");
    QTest::newRow("zero-width space") << QStringLiteral("カクウ\u200Bガラス");
    QTest::newRow("direction mark") << QStringLiteral("\u200Fカクウガラス");
    QTest::newRow("byte-order mark and soft hyphen") << QStringLiteral("\uFEFFカクウ\u00ADガラス");
}

void TestSearchName::pastedFormatCharactersAreIgnored() {
    QFETCH(QString, pasted);
    Search t;
    t.screen.Text_Maker->setText(pasted);
    QStringList found;
    t.p.drivers = {[&](Screen&) {
        found = t.s.ListIds.ToList();
        found.removeLast();
    }};
    t.screen.Text_Maker->setFocus();
    Press(Qt::Key_F2);
    QVERIFY2(t.p.boxes.isEmpty(), qPrintable(t.p.boxes.value(0).text));
    QCOMPARE(found, QStringList{"0003"});
    QCOMPARE(t.s.CondMaker, QStringLiteral("カクウガラス"));
}

// Message 9 leaves the refused character selected, ready to be typed again.
void TestSearchName::theRefusedCharacterIsSelected() {
    Search t;
    t.screen.Text_Kataban->setText(QStringLiteral("AB-12"));
    t.screen.Text_Kataban->setFocus();
    Press(Qt::Key_F2);
    QCOMPARE(t.p.boxes.size(), 1);
    QCOMPARE(t.p.boxes[0].text, t.s.Messages[9]);
    QCOMPARE(t.p.boxes[0].focus, QStringLiteral("Text_Kataban"));
    QCOMPARE(t.screen.Text_Kataban->selectedText(), QStringLiteral("-"));
    QCOMPARE(t.screen.Text_Kataban->selectionStart(), 2);
}

void TestSearchName::searchWithoutResultOpensTheNotice() {
    Search t;
    t.screen.Text_Maker->setText(QStringLiteral("存在しない会社"));
    t.p.drivers = {[&](Screen& notice) {
        QCOMPARE(notice.objectName(), QStringLiteral("Form_Error_3"));
        auto& n = static_cast<Form_Error_3&>(notice);
        QCOMPARE(n.Label_maker_name->text(), QStringLiteral("存在しない会社"));
        QCOMPARE(FocusName(), QStringLiteral("Command_ReportOut")); // first in tab order
        Press(Qt::Key_Escape);
    }};
    t.screen.CommandSearch->click();
    QCOMPARE(t.p.Calls(QStringLiteral("Closed:")), QStringList{"Closed:Form_Error_3"});
    QVERIFY(t.screen.isVisible());
    QCOMPARE(t.screen.Text_Maker->text(), QStringLiteral("存在しない会社"));
    QVERIFY(!t.s.MainRecordset);
}

void TestSearchName::failingQueryKeepsTheScreen() {
    Search t;
    t.s.MainConnection->Close(); // the database went away
    t.screen.CommandSearch->click();
    QCOMPARE(t.p.boxes.size(), 1);
    QVERIFY(t.p.boxes[0].text.startsWith(QStringLiteral("検索できませんでした。")));
    QVERIFY(t.p.Calls(QStringLiteral("ShowModal")).isEmpty());
    QVERIFY(t.screen.isVisible());
    QVERIFY(!t.screen.IsUnloaded());
}

void TestSearchName::keys() {
    Search t;
    QTest::keyClick(t.screen.TextStartYear, Qt::Key_F2); // no key handler there
    QVERIFY(t.p.Calls(QStringLiteral("ShowModal")).isEmpty());
    QTest::keyClick(t.screen.Text_Maker, Qt::Key_F2);
    QCOMPARE(t.p.Calls(QStringLiteral("ShowModal")).size(), 1);
    QTest::keyClick(t.screen.Combo_Nintei, Qt::Key_F1);
    QCOMPARE(t.p.Calls(QStringLiteral("ShowHelp")),
             QStringList{"ShowHelp:app.qhc:28:Form_Search_N"});
    QTest::keyClick(t.screen.Text_NinteiNo, Qt::Key_Escape);
    QVERIFY(t.screen.IsUnloaded());
    QCOMPARE(t.p.calls.last(), QStringLiteral("CloseAllHelp:app.qhc:Form_Search_N"));
}

void TestSearchName::noticeShowsTheConditions() {
    LoadedState t(FillProducts);
    t.s.CondStartYear = QStringLiteral("1983");
    t.s.CondMaker = QStringLiteral("工業");
    t.s.CondNintei = QStringLiteral("不燃-指定なし");
    Form_Error_3 n(t.s, t.p);
    n.Form_Load();
    QCOMPARE(n.windowTitle(), QStringLiteral("【ソラリオ】【建材名称等からの検索】"));
    QCOMPARE(
        n.Label_info->text(),
        QStringLiteral(
            "入力条件に該当する石綿（アスベスト）含有建材は\n本データベース中にはありません。"));
    QCOMPARE(n.Label_shunkou_nen_from->text(), QStringLiteral("1983"));
    QCOMPARE(n.Label_shunkou_nen_to->text(), QString());
    QCOMPARE(n.Label_maker_name->text(), QStringLiteral("工業"));
    QCOMPARE(n.Label_kenzai->text(), QString());
    QCOMPARE(n.Label_nintei_no->text(), QStringLiteral("不燃-指定なし"));
    QCOMPARE(n.Label12->text(), QStringLiteral("商品名     ："));
    QCOMPARE(
        n.Command_kenzai_info->text(),
        QStringLiteral("本データベースに登録されている\n\u3000\u3000\u3000\u3000建材情報について"));
    const std::pair<Qt::Key, QString> keys[] = {{Qt::Key_F2, QStringLiteral("一覧.pdf")},
                                                {Qt::Key_F3, QStringLiteral("認定.pdf")},
                                                {Qt::Key_F4, QStringLiteral("登録.pdf")},
                                                {Qt::Key_F5, QStringLiteral("部位.pdf")},
                                                {Qt::Key_F6, QStringLiteral("期間.pdf")}};
    for (const auto& [key, doc] : keys) {
        t.p.calls.clear();
        QTest::keyClick(n.Command_shiyou_bui, key);
        QCOMPARE(t.p.calls, QStringList{QStringLiteral("OpenDocument:") + t.Doc(doc)});
    }
    QTest::keyClick(n.CommandExit, Qt::Key_F1); // F1 prints here
    QCOMPARE(t.p.calls.last(), QStringLiteral("ShowReport:DataReport_Error_3"));
    QVERIFY(!n.IsUnloaded());
    QTest::keyClick(n.Command_ryutu_kikan, Qt::Key_Escape);
    QVERIFY(n.IsUnloaded());
}

void TestSearchName::routeFromMenuToRecordAndBack() {
    LoadedState t(FillProducts);
    TestRoot menu(t.s, t.p, QStringLiteral("Form_Menu"), [&] {
        auto s = std::make_unique<Form_Search_N>(t.s, t.p);
        s->Form_Load();
        return s;
    });
    menu.show();
    t.p.drivers = {
        [&](Screen& s) { static_cast<Form_Search_N&>(s).CommandSearch->click(); },
        [&](Screen& s) {
            auto& list = static_cast<Form_List&>(s);
            list.ClickTickCell(2);
            QTest::keyClick(list.MSHFlexGridSearchResult, Qt::Key_F4); // F4 on the grid opens it
        },
        [&](Screen& s) {
            auto& detail = static_cast<Form_Detail&>(s);
            QCOMPARE(detail.Label_Ippan->text(), QStringLiteral("石綿含有住宅屋根用化粧スレート"));
            detail.CommandGoMenu->click();
        }};
    menu.CommandNext->click();
    QCOMPARE(t.p.Calls(QStringLiteral("Closed:")),
             QStringList({"Closed:Form_Detail", "Closed:Form_List", "Closed:Form_Search_N"}));
    QVERIFY(menu.isVisible());
    QCOMPARE(t.s.BackToMenu, 0);
    QVERIFY(!t.s.MainRecordset);
}

QTEST_MAIN(TestSearchName)
#include "test_search_name.moc"
