#include "data/field_catalogue.h"

#include <QtTest>

using namespace solario;

class TestFieldCatalogue : public QObject {
    Q_OBJECT

private slots:
    void catalogueIsFilled();
    void findFieldIndex_data();
    void findFieldIndex();
    void flagColumnsAreColumnsOfTheCatalogue();
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

void TestFieldCatalogue::flagColumnsAreColumnsOfTheCatalogue() {
    AppState s;
    InitFieldCatalogue(s);
    const std::pair<FlagGroup, int> groups[] = {
        {FlagGroup::BuildingKind, 7}, {FlagGroup::Exterior, 6},  {FlagGroup::Interior, 17},
        {FlagGroup::Fireproofing, 4}, {FlagGroup::Equipment, 3}, {FlagGroup::OtherPart, 1},
        {FlagGroup::Usage, 2},        {FlagGroup::Material, 4}};
    for (const auto& [group, count] : groups) {
        const QList<FlagColumn> flags = FlagColumns(group);
        QCOMPARE(flags.size(), count);
        for (const FlagColumn& f : flags) {
            // The column by its whole name, as the record and its print read it.
            const qint32 row = FindFieldIndex(s, f.column);
            QVERIFY2(row >= 0 && s.FieldNames[size_t(row)] == f.column, qPrintable(f.column));
            // The materials are texts: a box is ticked when its text is not empty.
            QCOMPARE(s.FieldKinds[size_t(row)],
                     group == FlagGroup::Material ? kKindText : kKindYesNo);
            QVERIFY(!f.caption.isEmpty() && !f.reportCaption.isEmpty());
        }
    }
    // Only two materials are captioned differently on paper.
    const QList<FlagColumn> materials = FlagColumns(FlagGroup::Material);
    QCOMPARE(materials[0].caption, QStringLiteral("セメント・窯業セメント系"));
    QCOMPARE(materials[0].reportCaption, QStringLiteral("セメント・窯業系"));
    QCOMPARE(materials[2].reportCaption, QStringLiteral("プラスティック等樹脂系"));
}

QTEST_GUILESS_MAIN(TestFieldCatalogue)
#include "test_field_catalogue.moc"
