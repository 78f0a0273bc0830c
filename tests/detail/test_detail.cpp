#include "detail/form_detail.h"
#include "shell/screen_kit.h"
#include "support/helpers.h"
#include "support/loaded_state.h"

#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

using namespace solario;
using namespace solario::test;

namespace {

// The detail screen over a record given column by column; every other column empty.
struct Detail : LoadedState {
    explicit Detail(std::initializer_list<std::pair<const char16_t*, QString>> values,
                    SearchRoute route = SearchRoute::None)
        : LoadedState([](FixtureDb&) {}), screen((Fill(values, route), s), p) {
        screen.Form_Load();
        screen.show();
        QApplication::setActiveWindow(&screen);
        screen.Form_Activate();
    }
    int Fill(std::initializer_list<std::pair<const char16_t*, QString>> values, SearchRoute route) {
        s.DetailValues = QStringList(84);
        for (const auto& [column, value] : values)
            s.DetailValues[FindFieldIndex(s, QString::fromUtf16(column))] = value;
        s.SearchRouteTitle = route;
        return 0;
    }
    Form_Detail screen;
};

// The caption standing right of a box, as the screen shows it.
QString CaptionOf(QCheckBox* box) {
    QWidget* parent = box->parentWidget();
    QLabel* nearest = nullptr;
    for (QLabel* l : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (l->geometry().left() >= box->geometry().right() &&
            std::abs(l->geometry().center().y() - box->geometry().center().y()) < box->height() &&
            (!nearest || l->geometry().left() < nearest->geometry().left()))
            nearest = l;
    return nearest ? nearest->text() : QString();
}

} // namespace

class TestDetail : public QObject {
    Q_OBJECT

private slots:
    void fillsLabelsAsStored();
    void periodAndCertificationRules_data();
    void periodAndCertificationRules();
    void ticks();
    void boxesStandBesideTheirCaptions();
    void salesRegionIsNeverShown();
    void boxesAreReadOnly();
    void valuesCanBeCopiedNotChanged();
    void enlargingGrowsThePage();
    void readableInLightAndDarkPalettes_data();
    void readableInLightAndDarkPalettes();
    void pageKeys_data();
    void pageKeys();
    void scrollBarSettings();
    void buttonsAndKeys();
};

void TestDetail::fillsLabelsAsStored() {
    Detail t({{u"建材名（一般名）", QStringLiteral("石綿含有ビニル床タイル")},
              {u"商品名", QStringLiteral("  前後に空白  ")},
              {u"固有の見分け方", QStringLiteral("一行目\r\n二行目")},
              {u"ＪＩＳ許可番号", QStringLiteral("第1号")},
              {u"aマーク", QStringLiteral("有")},
              {u"相談窓口（メーカー電話）", QStringLiteral("00-0000-0000")}});
    QCOMPARE(t.screen.windowTitle(), QStringLiteral("【ソラリオ】"));
    QCOMPARE(t.screen.Label_Ippan->text(), QStringLiteral("石綿含有ビニル床タイル"));
    QCOMPARE(t.screen.Label_Shohinmei->text(), QStringLiteral("  前後に空白  ")); // untrimmed
    QCOMPARE(t.screen.Label_Koyu_Miwakekata->text(), QStringLiteral("一行目\r\n二行目"));
    QCOMPARE(t.screen.Label_Hyoji[2]->text(), QStringLiteral("第1号"));
    QCOMPARE(t.screen.Label_Hyoji[4]->text(), QStringLiteral("有"));
    QCOMPARE(t.screen.Label_Madoguchi_Maker_TEL->text(), QStringLiteral("00-0000-0000"));
    QCOMPARE(t.screen.Label_Kataban->text(), QString()); // a NULL text arrives empty
}

void TestDetail::periodAndCertificationRules_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("cert");
    QTest::newRow("start 0 shows empty") << "0"
                                         << "1990"
                                         << ""
                                         << ""
                                         << ""
                                         << "1990"
                                         << "";
    QTest::newRow("end 0 stays 0") << "1970"
                                   << "0"
                                   << ""
                                   << ""
                                   << "1970"
                                   << "0"
                                   << "";
    QTest::newRow("start not a number") << ""
                                        << "1990"
                                        << ""
                                        << ""
                                        << ""
                                        << "1990"
                                        << "";
    QTest::newRow("kind without number") << "1970"
                                         << "1980"
                                         << "NM"
                                         << ""
                                         << "1970"
                                         << "1980"
                                         << "";
    QTest::newRow("number without kind") << "1970"
                                         << "1980"
                                         << ""
                                         << "1234"
                                         << "1970"
                                         << "1980"
                                         << "";
    QTest::newRow("kind and number") << "1970"
                                     << "1980"
                                     << "NM"
                                     << "1234"
                                     << "1970"
                                     << "1980"
                                     << "NM-1234";
}

void TestDetail::periodAndCertificationRules() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, kind);
    QFETCH(QString, number);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, cert);
    Detail t({{u"製造開始", start},
              {u"製造終了", end},
              {u"不燃材料認定番号（種類）", kind},
              {u"不燃材料認定番号（番号）", number}});
    QCOMPARE(t.screen.Label_IshiwataSeozo_From->text(), from);
    QCOMPARE(t.screen.Label_IshiwataSeozo_To->text(), to);
    QCOMPARE(t.screen.Label_BohkaZairyo->text(), cert);
}

void TestDetail::ticks() {
    Detail t({{u"建物の種類（戸建住宅）", QStringLiteral("○")},
              {u"外装材（屋根）", QString()},
              {u"内装材（台所天井）", QStringLiteral("○")},
              {u"内装材（その他）", QStringLiteral("○")},
              {u"使われ方（下地材）", QStringLiteral("○")},
              {u"素材（繊維系）", QStringLiteral(" ")},
              {u"素材（アスファルト系）", QString()}});
    QVERIFY(t.screen.Check_Tatemono_Shurui[0]->isChecked());
    QVERIFY(!t.screen.Check_Tatemono_Shurui[1]->isChecked());
    QVERIFY(!t.screen.Check_Sekobui_Gaiso[0]->isChecked());
    QVERIFY(t.screen.Check_Sekobui_Naiso[2]->isChecked());
    QVERIFY(t.screen.Check_Sekobui_Naiso[16]->isChecked());
    QVERIFY(!t.screen.Check_Sekobui_Naiso[15]->isChecked());
    QVERIFY(t.screen.Check_Use[1]->isChecked());
    QVERIFY(!t.screen.Check_Use[0]->isChecked());
    QVERIFY(t.screen.Check_Sozai_Fiber[0]->isChecked()); // any text, even a blank
    QVERIFY(!t.screen.Check_Sozai_Asphalt[0]->isChecked());
    QCOMPARE(t.screen.Check_Tatemono_Shurui.size(), 7);
    QCOMPARE(t.screen.Check_Sekobui_Gaiso.size(), 6);
    QCOMPARE(t.screen.Check_Sekobui_Naiso.size(), 17);
    QCOMPARE(t.screen.Check_Taika_Hifuku.size(), 4);
    QCOMPARE(t.screen.Check_Setubi.size(), 3);
}

void TestDetail::boxesStandBesideTheirCaptions() {
    Detail t({});
    QCOMPARE(CaptionOf(t.screen.Check_Sekobui_Naiso[2]), QStringLiteral("台所天井"));
    QCOMPARE(CaptionOf(t.screen.Check_Sekobui_Naiso[8]), QStringLiteral("間仕切り"));
    QCOMPARE(CaptionOf(t.screen.Check_Sekobui_Naiso[16]), QStringLiteral("その他"));
    QCOMPARE(CaptionOf(t.screen.Check_Tatemono_Shurui[3]), QStringLiteral("店舗・事務所"));
    QCOMPARE(CaptionOf(t.screen.Check_Setubi[1]), QStringLiteral("臭気抜き"));
    QCOMPARE(t.screen.Check_Sozai_Cement[0]->text(), QStringLiteral("セメント・窯業セメント系"));
}

void TestDetail::salesRegionIsNeverShown() {
    Detail t({{u"販売地域", QStringLiteral("全国")}});
    QCOMPARE(t.screen.Label_Hanbai_Chiiki->text(), QStringLiteral("全国"));
    QVERIFY(!t.screen.Label_Hanbai_Chiiki->isVisible());
    QVERIFY(!t.screen.Frame4->isVisible());
}

void TestDetail::boxesAreReadOnly() {
    Detail t({{u"外装材（外壁）", QStringLiteral("○")}});
    QCheckBox* on = t.screen.Check_Sekobui_Gaiso[1];
    QCheckBox* off = t.screen.Check_Sekobui_Gaiso[0];
    QTest::mouseClick(on, Qt::LeftButton);
    QTest::mouseClick(off, Qt::LeftButton);
    QTest::keyClick(on, Qt::Key_Space);
    QTest::keyClick(off, Qt::Key_Space);
    QVERIFY(on->isChecked());
    QVERIFY(!off->isChecked());
    QCOMPARE(on->focusPolicy(), Qt::NoFocus); // not a tab stop
}

void TestDetail::valuesCanBeCopiedNotChanged() {
    Detail t({{u"型番・品番", QStringLiteral("ＤＪ－2747")},
              {u"相談窓口（メーカー電話）", QStringLiteral("03-0000-1234")}});
    QLabel* model = t.screen.Label_Kataban;
    QTest::mouseClick(model, Qt::LeftButton, {}, QPoint(2, model->height() / 2));
    QCOMPARE(FocusName(), QStringLiteral("Label_Kataban"));
    Press(Qt::Key_Home);
    Press(Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(model->selectedText(), QStringLiteral("ＤＪ－2747"));
    QApplication::clipboard()->clear();
    Press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("ＤＪ－2747"));
    // Typing, deleting and pasting change nothing.
    Type(QStringLiteral("x"));
    Press(Qt::Key_Delete);
    Press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(model->text(), QStringLiteral("ＤＪ－2747"));
    // The page keys still turn the page while the value has the focus.
    Press(Qt::Key_PageDown);
    QVERIFY(t.screen.VScroll1->value() > 0);
    // Tab passes the values by: from the last button it goes round to the first.
    t.screen.Command_shiyou_bui->setFocus();
    Press(Qt::Key_Tab);
    QVERIFY(!FocusName().startsWith(u"Label"));
    QCOMPARE(t.screen.Label_Madoguchi_Maker_TEL->text(), QStringLiteral("03-0000-1234"));
    QVERIFY(t.screen.Label_Madoguchi_Maker_TEL->textInteractionFlags() & Qt::TextSelectableByMouse);
}

void TestDetail::enlargingGrowsThePage() {
    Detail t({{u"商品名", QStringLiteral("ボード")}});
    QVERIFY(t.screen.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QSize opening = t.screen.size();
    const int pageWidth = t.screen.picI_Scroll->width();
    const int maximum = t.screen.VScroll1->maximum();
    t.screen.resize(opening + QSize(200, 300));
    QCOMPARE(t.screen.picI_Scroll->width(), pageWidth + 200);
    QCOMPARE(t.screen.VScroll1->height(), t.screen.height() - Twips(t.screen, 25));
    QVERIFY(t.screen.VScroll1->maximum() < maximum); // more of the page in view
    // A page key turns a whole (taller) view.
    t.screen.picI_Scroll->setFocus();
    Press(Qt::Key_PageDown);
    QCOMPARE(t.screen.VScroll1->value(),
             std::min(t.screen.VScroll1->pageStep(), t.screen.VScroll1->maximum()));
    QVERIFY(t.screen.VScroll1->pageStep() > 7700);
    // Back to the opening size: as it opened.
    t.screen.resize(opening);
    QCOMPARE(t.screen.VScroll1->maximum(), maximum);
}

void TestDetail::readableInLightAndDarkPalettes_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void TestDetail::readableInLightAndDarkPalettes() {
    QFETCH(bool, dark);
    Detail t({{u"型番・品番", QStringLiteral("AB-100")}});
    QPalette palette = t.screen.palette();
    if (dark) {
        palette.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
        palette.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
        palette.setColor(QPalette::Base, QColor(0x10, 0x10, 0x10));
        palette.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
    }
    t.screen.setPalette(palette);
    // What the page is painted with, and what its texts are written in.
    const QImage page = t.screen.picI_Scroll->grab().toImage();
    const QColor behind = page.pixelColor(page.width() - 2, page.height() - 2);
    const QLabel* value = t.screen.Label_Kataban;
    const QColor text = value->palette().color(value->foregroundRole());
    auto luminance = [](const QColor& c) {
        return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
    };
    QVERIFY2(std::abs(luminance(behind) - luminance(text)) > 0.5,
             qPrintable(behind.name() + QStringLiteral(" / ") + text.name()));
}

void TestDetail::pageKeys_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("after");
    QTest::newRow("Page Up at 0 stays 0") << 0 << int(kKeyPageUp) << 0;
    QTest::newRow("Page Down from 7000 stops at the end") << 7000 << int(kKeyPageDown) << 7600;
    QTest::newRow("Page Down at the end stays") << 7600 << int(kKeyPageDown) << 7600;
    QTest::newRow("Page Down from 0 goes to the end") << 0 << int(kKeyPageDown) << 7600;
    QTest::newRow("Page Up from 7600") << 7600 << int(kKeyPageUp) << 0;
    QTest::newRow("Page Up from 500") << 500 << int(kKeyPageUp) << 0;
    QTest::newRow("another key") << 300 << int(kKeyF1) << 300;
}

void TestDetail::pageKeys() {
    QFETCH(int, value);
    QFETCH(int, key);
    QFETCH(int, after);
    Detail t({});
    QCOMPARE(t.screen.VScroll1->maximum(), 7600);
    t.screen.VScroll1->setValue(value);
    QCOMPARE(t.screen.ContentTop(), -value);
    t.screen.CheckKeyCode(key);
    QCOMPARE(t.screen.VScroll1->value(), after);
    QCOMPARE(t.screen.ContentTop(), -after);
    QCOMPARE(t.screen.picI_Scroll->y(), -Twips(t.screen, after));
}

void TestDetail::scrollBarSettings() {
    Detail t({});
    QCOMPARE(t.screen.VScroll1->minimum(), 0);
    QCOMPARE(t.screen.VScroll1->singleStep(), 100);
    QCOMPARE(t.screen.VScroll1->pageStep(), 7700);
    QCOMPARE(t.screen.picI_Scroll->width(), t.screen.picWindow->width());
    QCOMPARE(t.screen.VScroll1->x(), t.screen.picWindow->width());
    QCOMPARE(t.screen.VScroll1->height(), t.screen.picWindow->height());
    // The page keys work from the page itself, which has the focus on activation.
    QCOMPARE(QApplication::focusWidget(), t.screen.picI_Scroll);
    QTest::keyClick(t.screen.picI_Scroll, Qt::Key_PageDown);
    QCOMPARE(t.screen.VScroll1->value(), 7600);
}

void TestDetail::buttonsAndKeys() {
    Detail name({}, SearchRoute::ByName);
    QTest::keyClick(name.screen.picI_Scroll, Qt::Key_F1); // the page has no help key
    QVERIFY(name.p.Calls(QStringLiteral("ShowHelp")).isEmpty());
    QTest::keyClick(name.screen.CommandExit, Qt::Key_F1);
    QCOMPARE(name.p.Calls(QStringLiteral("ShowHelp")),
             QStringList{"ShowHelp:app.qhc:34:Form_Detail"});
    QTest::keyClick(name.screen.CommandExit, Qt::Key_F2); // prints
    QCOMPARE(name.p.calls.last(), QStringLiteral("ShowReport:DataReport_DetailKenzai"));
    QVERIFY(!name.screen.IsUnloaded());
    name.screen.Command_shiyou_bui->click();
    QCOMPARE(name.p.Calls(QStringLiteral("OpenDocument")),
             QStringList{QStringLiteral("OpenDocument:") + name.Doc(QStringLiteral("部位.pdf"))});
    QTest::keyClick(name.screen.CommandHelp, Qt::Key_Escape);
    QVERIFY(name.screen.IsUnloaded());
    QCOMPARE(name.p.openHelp, 0);
    QCOMPARE(name.s.BackToMenu, 0);

    Detail usage({}, SearchRoute::ByUsage);
    usage.screen.CommandHelp->click();
    QCOMPARE(usage.p.Calls(QStringLiteral("ShowHelp")),
             QStringList{"ShowHelp:app.qhc:24:Form_Detail"});
    usage.screen.CommandGoMenu->click();
    QCOMPARE(usage.s.BackToMenu, 1);
    QVERIFY(usage.screen.IsUnloaded());
    QCOMPARE(usage.p.openHelp, 0);
}

QTEST_MAIN(TestDetail)
#include "test_detail.moc"
