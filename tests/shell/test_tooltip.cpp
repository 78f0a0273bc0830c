#include "shell/tooltip.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <QtTest>

using namespace solario;

class TestToolTip : public QObject {
    Q_OBJECT

private slots:
    void nothingWorksBeforeCreate();
    void createMakesOneWindow();
    void toolsPerControl();
    void textsAndHeader();
    void settings();
    void tipsShowTheirLines();
};

void TestToolTip::nothingWorksBeforeCreate() {
    QWidget form;
    auto* button = new QPushButton(&form);
    clsToolTip tip;
    QVERIFY(!tip.hWnd());
    QVERIFY(!tip.AddTool(button, QStringLiteral("x")));
    QCOMPARE(tip.ToolCount(), 0);
    QVERIFY(!tip.HasToolTip(button));
    QCOMPARE(tip.ToolText(button), QString());
    QCOMPARE(tip.MaxTipWidth(), 0);
    QCOMPARE(tip.DelayTime(clsToolTip::kAutoPop), 0);
    QVERIFY(!tip.RemoveTool(button));
    // The header and fIsWindow need no window.
    QVERIFY(!tip.ToolTipHeaderShow());
    tip.SetToolTipHeader(QStringLiteral("H"));
    QVERIFY(tip.ToolTipHeaderShow());
    QVERIFY(clsToolTip::fIsWindow(button));
}

void TestToolTip::createMakesOneWindow() {
    QWidget form;
    clsToolTip tip;
    QVERIFY(tip.Create(&form));
    QWidget* window = tip.hWnd();
    QVERIFY(window);
    QVERIFY(tip.Create(&form));
    QCOMPARE(tip.hWnd(), window);
    QCOMPARE(tip.ToolTipHandle(), window);
}

void TestToolTip::toolsPerControl() {
    QWidget form;
    auto* button = new QPushButton(&form);
    auto* other = new QPushButton(&form);
    auto* label = new QLabel(&form);
    clsToolTip tip;
    QVERIFY(tip.Create(&form));
    QVERIFY(!clsToolTip::fIsWindow(label));
    QVERIFY(!clsToolTip::fIsWindow(nullptr));
    QVERIFY(!tip.AddTool(label, QStringLiteral("x"))); // a label has no window of its own
    QVERIFY(tip.AddTool(button));                      // an empty tip
    QVERIFY(!tip.AddTool(button, QStringLiteral("again")));
    QCOMPARE(tip.ToolCount(), 1);
    QVERIFY(tip.HasToolTip(button));
    QVERIFY(!tip.ShowTipFor(button)); // no text: nothing shows

    tip.SetToolText(button, QStringLiteral("説明"));
    QCOMPARE(tip.ToolText(button), QStringLiteral("説明"));
    QVERIFY(tip.ShowTipFor(button));
    QVERIFY(tip.IsTipShown());

    tip.SetToolText(other, QStringLiteral("no tool")); // a control without a tool gets none
    QVERIFY(!tip.HasToolTip(other));
    QCOMPARE(tip.ToolCount(), 1);

    tip.SetToolText(button, QString()); // an empty text removes the tool
    QVERIFY(!tip.HasToolTip(button));
    QCOMPARE(tip.ToolCount(), 0);
    QVERIFY(!tip.RemoveTool(button));
}

void TestToolTip::textsAndHeader() {
    QWidget form;
    auto* a = new QPushButton(&form);
    auto* b = new QPushButton(&form);
    auto* c = new QPushButton(&form);
    clsToolTip tip;
    QVERIFY(tip.Create(&form));
    tip.SetToolTipHeader(QStringLiteral("H"));
    QVERIFY(tip.AddTool(a));
    tip.SetToolText(a, QStringLiteral("abc"));
    QCOMPARE(tip.ToolText(a), QStringLiteral("H\r\nabc"));
    QVERIFY(tip.AddTool(b, QStringLiteral("def")));
    QCOMPARE(tip.ToolText(b), QStringLiteral("H\r\ndef"));
    QVERIFY(tip.AddTool(c)); // an empty text gets no header
    QCOMPARE(tip.ToolText(c), QString());
    tip.SetToolTipHeaderShow(false);
    tip.SetToolText(a, QStringLiteral("abc"));
    QCOMPARE(tip.ToolText(a), QStringLiteral("abc"));
    tip.SetToolTipHeaderShow(true);
    tip.SetToolTipHeader(QString()); // an empty header is never put in front
    tip.SetToolText(a, QStringLiteral("abc"));
    QCOMPARE(tip.ToolText(a), QStringLiteral("abc"));
}

void TestToolTip::settings() {
    QWidget form;
    clsToolTip tip;
    QVERIFY(tip.Create(&form));
    QCOMPARE(tip.MaxTipWidth(), -1);
    tip.SetMaxTipWidth(240);
    QCOMPARE(tip.MaxTipWidth(), 240);
    tip.SetMaxTipWidth(0);
    QCOMPARE(tip.MaxTipWidth(), -1);

    tip.SetDelayTime(clsToolTip::kAutoPop, 20000);
    QCOMPARE(tip.DelayTime(clsToolTip::kAutoPop), 20000);
    tip.SetDelayTime(4 + clsToolTip::kInitial, 50); // only the two low bits name the kind
    QCOMPARE(tip.DelayTime(clsToolTip::kInitial), 50);

    tip.SetMargin(1, 7);
    QCOMPARE(tip.Margin(1), 7);
    QCOMPARE(tip.Margin(4), 0);
    tip.SetMargin(4, 9); // changes nothing
    for (int side = 0; side < 4; ++side)
        QVERIFY(tip.Margin(side) != 9);

    tip.SetBackColor(QColor(255, 255, 200));
    tip.SetForeColor(QColor(10, 20, 30));
    QCOMPARE(tip.BackColor(), QColor(255, 255, 200));
    QCOMPARE(tip.ForeColor(), QColor(10, 20, 30));
}

void TestToolTip::tipsShowTheirLines() {
    QWidget form;
    auto* button = new QPushButton(&form);
    clsToolTip tip;
    QVERIFY(tip.Create(&form));
    QVERIFY(tip.AddTool(button, QStringLiteral("一行目\r\r三行目")));
    QVERIFY(tip.ShowTipFor(button));
    auto* shown = qobject_cast<QLabel*>(tip.hWnd());
    QVERIFY(shown);
    // Until a width is set, a tip is one line.
    QCOMPARE(shown->text(), QStringLiteral("一行目  三行目"));
    tip.SetMaxTipWidth(240);
    QVERIFY(tip.ShowTipFor(button));
    QCOMPARE(shown->text(), QStringLiteral("一行目\n\n三行目"));
}

QTEST_MAIN(TestToolTip)
#include "test_tooltip.moc"
