#include "data/field_catalogue.h"

#include <QtTest>

using namespace solario;

class TestFieldCatalogue : public QObject {
    Q_OBJECT

private slots:
    void catalogueIsFilled();
    void findFieldIndex_data();
    void findFieldIndex();
};

void TestFieldCatalogue::catalogueIsFilled() {
    AppState s;
    s.FieldNames[120] = QStringLiteral("left over");
    InitFieldCatalogue(s);
    QCOMPARE(s.FieldCount, 83);
    QCOMPARE(s.SortWords[0], QStringLiteral("ASC"));
    QCOMPARE(s.SortWords[1], QStringLiteral("DESC"));
    QCOMPARE(s.FieldNames[0], QStringLiteral("建材名（一般名）"));
    QCOMPARE(s.FieldNames[82], QStringLiteral("ID"));
    // Full-width letters where the table has them, half-width where it has them.
    QCOMPARE(s.FieldNames[69], QStringLiteral("ＪＩＳ許可番号"));
    QCOMPARE(s.FieldNames[71], QStringLiteral("aマーク"));
    QCOMPARE(s.FieldNames[17], QStringLiteral("形状・外観（ボード状厚さmm）"));
    // The row after the last one is empty, and so is everything above it.
    for (size_t i = 83; i < s.FieldNames.size(); ++i) {
        QVERIFY(s.FieldNames[i].isEmpty());
        QVERIFY(s.FieldKinds[i].isEmpty());
        QCOMPARE(s.FieldWidths[i], qint16(0));
    }
    int texts = 0, numbers = 0, flags = 0;
    for (int i = 0; i < s.FieldCount; ++i) {
        const QString& k = s.FieldKinds[size_t(i)];
        texts += k == kKindText;
        numbers += k == kKindNumber;
        flags += k == kKindYesNo;
    }
    QCOMPARE(texts + numbers + flags, 83);
    QCOMPARE(numbers, 6);
    QCOMPARE(flags, 46);
    const qint16 widths[] = {2200, 1700, 900, 1700, 1000, 400, 900, 1000, 1700, 1000, 0};
    for (size_t i = 0; i < std::size(widths); ++i)
        QCOMPARE(s.FieldWidths[i], widths[i]);
}

void TestFieldCatalogue::findFieldIndex_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");
    QTest::newRow("empty text matches the first row") << "" << 0;
    QTest::newRow("first row containing the text") << "メーカー名" << 3;
    QTest::newRow("商品名 is not 商品名内容") << "商品名" << 1;
    QTest::newRow("商品名内容") << "商品名内容" << 68;
    QTest::newRow("製造開始") << "製造開始" << 4;
    QTest::newRow("製造終了") << "製造終了" << 5;
    QTest::newRow("ID") << "ID" << 82;
    QTest::newRow("case-sensitive") << "id" << -1;
    QTest::newRow("half-width parentheses are other characters") << "建材名(一般名)" << -1;
    QTest::newRow("unknown") << "存在しない列" << -1;
}

void TestFieldCatalogue::findFieldIndex() {
    QFETCH(QString, text);
    QFETCH(int, row);
    AppState s;
    InitFieldCatalogue(s);
    QCOMPARE(FindFieldIndex(s, text), row);
}

QTEST_GUILESS_MAIN(TestFieldCatalogue)
#include "test_field_catalogue.moc"
