#include "shell/qt_platform.h"
#include "shell/screen.h"
#include "support/fake_platform.h"
#include "support/helpers.h"
#include "support/test_screen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QThread>
#include <QTimer>
#include <QtTest>

using namespace solario;
using solario::test::FakePlatform;
using solario::test::TestRoot;
using solario::test::TestScreen;

namespace {

// menu → search → list → detail, each made when its parent opens it.
std::function<std::unique_ptr<Screen>()> Chain(AppState& s, Platform& p, QStringList names) {
    if (names.isEmpty())
        return {};
    const QString name = names.takeFirst();
    return [&s, &p, name, names] {
        return std::make_unique<TestScreen>(s, p, name, Chain(s, p, names));
    };
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void backToMenuUnwindsTheChain();
    void backGoesOneStep();
    void closeBoxGoesBackWithoutQuestion();
    void childIsItsOwnWindow();
    void escAndEnterDoNothingOnTheirOwn();
    void enterPressesOnlyTheFocusedButton_data();
    void enterPressesOnlyTheFocusedButton();
    void keyCodes_data();
    void keyCodes();
    void desktopLoopDoesNotNest();
};

void TestNavigation::backToMenuUnwindsTheChain() {
    AppState s;
    FakePlatform p;
    TestRoot menu(s, p, QStringLiteral("Menu"), Chain(s, p, {"Search", "List", "Detail"}));
    menu.show();
    menu.Form_Activate();
    auto next = [](Screen& screen) { static_cast<TestScreen&>(screen).CommandNext->click(); };
    p.drivers = {next, next, [&](Screen& detail) {
                     QCOMPARE(detail.objectName(), QStringLiteral("Detail"));
                     static_cast<TestScreen&>(detail).CommandGoMenu->click();
                 }};
    menu.CommandNext->click();
    // Detail, list and search closed in that order; the menu is back and the flag is 0.
    QCOMPARE(p.Calls(QStringLiteral("Closed:")),
             QStringList({"Closed:Detail", "Closed:List", "Closed:Search"}));
    QCOMPARE(p.Calls(QStringLiteral("CloseAllHelp")).size(), 1);
    QVERIFY(menu.isVisible());
    QCOMPARE(s.BackToMenu, 0);
    QCOMPARE(menu.activations, 2);
}

void TestNavigation::backGoesOneStep() {
    AppState s;
    FakePlatform p;
    TestRoot menu(s, p, QStringLiteral("Menu"), Chain(s, p, {"Search", "List"}));
    menu.show();
    bool searchShownAgain = false;
    p.drivers = {[&](Screen& search) {
                     static_cast<TestScreen&>(search).CommandNext->click();
                     // "戻る" on the list comes back here, not to the menu.
                     searchShownAgain = search.isVisible() && !search.IsUnloaded();
                     QCOMPARE(static_cast<TestScreen&>(search).activations, 2);
                 },
                 [&](Screen& list) { static_cast<TestScreen&>(list).CommandExit->click(); }};
    menu.CommandNext->click();
    QVERIFY(searchShownAgain);
    QCOMPARE(p.Calls(QStringLiteral("Closed:")), QStringList({"Closed:List", "Closed:Search"}));
}

void TestNavigation::closeBoxGoesBackWithoutQuestion() {
    AppState s;
    FakePlatform p;
    TestRoot menu(s, p, QStringLiteral("Menu"), Chain(s, p, {"Search"}));
    menu.show();
    p.drivers = {[&](Screen& search) { search.close(); }};
    menu.CommandNext->click();
    QVERIFY(p.boxes.isEmpty());
    QVERIFY(menu.isVisible());
    QCOMPARE(p.Calls(QStringLiteral("Closed:Search")).size(), 1);
}

void TestNavigation::childIsItsOwnWindow() {
    AppState s;
    FakePlatform p;
    TestRoot menu(s, p, QStringLiteral("Menu"), Chain(s, p, {"Search"}));
    menu.show();
    p.drivers = {[&](Screen& search) {
        QVERIFY(search.isVisible());
        QCOMPARE(search.windowType(), Qt::Window);
        QVERIFY(!search.parentWidget());
        QVERIFY(search.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!menu.isVisible());
    }};
    menu.CommandNext->click();
}

void TestNavigation::escAndEnterDoNothingOnTheirOwn() {
    AppState s;
    FakePlatform p;
    TestScreen screen(s, p, QStringLiteral("Screen"));
    screen.show();
    QTest::keyClick(&screen, Qt::Key_Escape);
    QTest::keyClick(&screen, Qt::Key_Return);
    QVERIFY(screen.isVisible());
    QVERIFY(!screen.IsUnloaded());
}

void TestNavigation::enterPressesOnlyTheFocusedButton_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<bool>("pressed");
    QTest::newRow("button, Enter") << "CommandExit" << false << true;
    QTest::newRow("button, keypad Enter") << "CommandExit" << true << true;
    QTest::newRow("text box") << "Text" << false << false;
    QTest::newRow("tick box") << "Tick" << true << false;
}

void TestNavigation::enterPressesOnlyTheFocusedButton() {
    QFETCH(QString, focus);
    QFETCH(bool, keypad);
    QFETCH(bool, pressed);
    AppState s;
    FakePlatform p;
    TestScreen screen(s, p, QStringLiteral("Screen"));
    auto* text = new QLineEdit(&screen);
    text->setObjectName(QStringLiteral("Text"));
    text->setText(QStringLiteral("型番"));
    auto* tick = new QCheckBox(QStringLiteral("屋根"), &screen);
    tick->setObjectName(QStringLiteral("Tick"));
    screen.show();
    QApplication::setActiveWindow(&screen);
    screen.findChild<QWidget*>(focus)->setFocus();
    QCOMPARE(solario::test::FocusName(), focus);
    if (keypad)
        solario::test::Press(Qt::Key_Enter, Qt::KeypadModifier);
    else
        solario::test::Press(Qt::Key_Return);
    QCOMPARE(screen.IsUnloaded(), pressed);
    QCOMPARE(text->text(), QStringLiteral("型番"));
    QVERIFY(!tick->isChecked());
}

void TestNavigation::keyCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("code");
    QTest::newRow("F1") << int(Qt::Key_F1) << 112;
    QTest::newRow("F6") << int(Qt::Key_F6) << 117;
    QTest::newRow("F9") << int(Qt::Key_F9) << 120;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << 27;
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 33;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 34;
    QTest::newRow("F10 is none") << int(Qt::Key_F10) << 0;
    QTest::newRow("a letter is none") << int(Qt::Key_A) << 0;
}

void TestNavigation::keyCodes() {
    QFETCH(int, key);
    QFETCH(int, code);
    QCOMPARE(KeyCodeOf(key), code);
}

void TestNavigation::desktopLoopDoesNotNest() {
    // Over the desktop implementation: each round trip to a child waits in one loop of
    // its own, and showing the parent again adds none.
    AppState s;
    QtPlatform p{QString()};
    QList<int> levels;
    TestRoot menu(s, p, QStringLiteral("Menu"), [&] {
        auto child = std::make_unique<TestScreen>(s, p, QStringLiteral("Child"));
        QTimer::singleShot(0, child.get(), [c = child.get(), &levels] {
            levels.append(QThread::currentThread()->loopLevel());
            c->CommandExit->click();
        });
        return child;
    });
    menu.show();
    const int base = QThread::currentThread()->loopLevel();
    for (int i = 0; i < 3; ++i) {
        menu.CommandNext->click();
        QVERIFY(menu.isVisible());
        QCOMPARE(QThread::currentThread()->loopLevel(), base);
    }
    QCOMPARE(levels, QList<int>({base + 1, base + 1, base + 1}));
}

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
