#include "platform/line_breaks.h"

#include <QtTest>

using namespace solario;

class TestLineBreaks : public QObject {
    Q_OBJECT

private slots:
    void breaksBetweenPhrasesNeverInsideAWord_data();
    void breaksBetweenPhrasesNeverInsideAWord();
};

void TestLineBreaks::breaksBetweenPhrasesNeverInsideAWord_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("phrases"); // the text cut at every position given
    auto row = [](const char* name, const QStringList& phrases) {
        QTest::newRow(name) << phrases.join(QString()) << phrases;
    };
    row("kinds of asbestos", {"クリソタイル、", "アモサイト、", "クロシドライト"});
    row("a general name", {"化粧", "スレート"});
    row("a caption", {"型番・", "品番"});
    row("a sentence", {"裏面に", "製品", "名と", "ロットの", "印字が", "ある。"});
    row("a model number", {"AB-1234-", "CD-5678"});
    row("a product name with a blank", {"FRユキシロカバー ", "637号"});
    row("a forced line break", {"石綿\u2028", "含有"});
    row("one word", {"クロシドライト"});
}

void TestLineBreaks::breaksBetweenPhrasesNeverInsideAWord() {
    QFETCH(QString, text);
    QFETCH(QStringList, phrases);
    QStringList cut;
    qsizetype from = 0;
    for (const qsizetype p : LineBreakPositions(text)) {
        cut.append(text.mid(from, p - from));
        from = p;
    }
    cut.append(text.mid(from));
    QCOMPARE(cut, phrases);
}

QTEST_GUILESS_MAIN(TestLineBreaks)
#include "test_line_breaks.moc"
