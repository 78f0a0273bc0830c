#include "data/field_catalogue.h"
#include "data/query_builders.h"
#include "support/fixture_db.h"
#include "support/helpers.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace solario;
using solario::test::FixtureDb;
using solario::test::Product;

namespace {

const QString kRoofSlate = QStringLiteral("石綿含有住宅屋根用化粧スレート");
const QString kRoofing = QStringLiteral("石綿含有ルーフィング");
const QString kFloorTile = QStringLiteral("石綿含有ビニル床タイル");
const QString kFloorSheet = QStringLiteral("石綿含有ビニル床シート");
const QString kQuoted = QStringLiteral("O'Brien板"); // a name that holds an apostrophe

// Five products and the general names they belong to.
class Fixture {
public:
    Fixture() {
        InitFieldCatalogue(s);
        s.ProgramFolder = dir.path();
        FixtureDb db(dir.filePath(QStringLiteral("app.db")));
        db.AddProduct(Product({{u"ID", "0003"},
                               {u"建材名（一般名）", kFloorTile},
                               {u"商品名", "タイルB"},
                               {u"製造開始", 0},
                               {u"製造終了", 1990},
                               {u"不燃材料認定番号（番号）", "1234"},
                               {u"建物の種類（戸建住宅）", 1},
                               {u"内装材（床）", 1}}));
        db.AddProduct(Product({{u"ID", "0001"},
                               {u"建材名（一般名）", kRoofSlate},
                               {u"商品名", "スレートA"},
                               {u"製造開始", 1970},
                               {u"製造終了", 1985},
                               {u"不燃材料認定番号（種類）", "不燃"},
                               {u"不燃材料認定番号（番号）", "5678"},
                               {u"建物の種類（戸建住宅）", 1},
                               {u"外装材（屋根）", 1},
                               {u"使われ方（仕上げ材）", 1},
                               {u"形状・外観（ボード状厚さmm）", 5},
                               {u"備考欄", "一行目\r二行目"}}));
        db.AddProduct(Product({{u"ID", "0002"},
                               {u"建材名（一般名）", kRoofSlate},
                               {u"商品名", "アスレート"},
                               {u"製造開始", 1980},
                               {u"製造終了", 2000},
                               {u"外装材（屋根）", 1}}));
        db.AddProduct(Product({{u"ID", "0004"},
                               {u"建材名（一般名）", kQuoted},
                               {u"商品名", "オブライエン"},
                               {u"製造開始", 1975},
                               {u"製造終了", 1980},
                               {u"建物の種類（戸建住宅）", 1}}));
        db.AddProduct(Product({{u"ID", "0005"},
                               {u"建材名（一般名）", kFloorSheet},
                               {u"商品名", ""},
                               {u"製造開始", 1960},
                               {u"製造終了", 1970},
                               {u"不燃材料認定番号（種類）", "準不燃"},
                               {u"建物の種類（戸建住宅）", 1}}));
        db.AddGeneralName(true, kRoofSlate, "33", Product({{u"屋根", 10}, {u"仕上げ材", 1}}));
        db.AddGeneralName(true, kRoofing, "34", Product({{u"屋根", 20}, {u"下地材", 1}}));
        db.AddGeneralName(true, kFloorTile, "30", Product({{u"廊下居室床", 20}, {u"仕上げ材", 1}}));
        db.AddGeneralName(true, kFloorSheet, "31", Product({{u"洗面脱衣便所床", 10}}));
        db.AddGeneralName(true, kQuoted, "99", Product({{u"廊下居室床", 10}}));
        db.AddGeneralName(false, "金属屋根", "N2", Product({{u"屋根", 20}, {u"仕上げ材", 1}}));
        db.AddGeneralName(false, "粘土瓦", "N1", Product({{u"屋根", 10}, {u"仕上げ材", 1}}));
        db.AddGeneralName(false, "グラスウール", "N3", Product({{u"断熱材", 10}}));
        db.Close();
        QVERIFY(c.OpenReadOnly(dir.filePath(QStringLiteral("app.db"))));
    }

    QTemporaryDir dir;
    AppState s;
    Connection c;
};

template <typename Rows> int Row(const Rows& rs, const QString& id) {
    const int column = rs.FieldIndex(QStringLiteral("ID"));
    for (qint32 r = 0; r < rs.RecordCount(); ++r)
        if (rs.ValueText(r, column) == id)
            return r;
    return -1;
}

template <typename Rows> QString Field(const Rows& rs, const QString& id, const QString& column) {
    return rs.ValueText(Row(rs, id), rs.FieldIndex(column));
}

} // namespace

class TestQueryBuilders : public QObject {
    Q_OBJECT

private slots:
    void listQueryText();
    void detailQueryText();
    void lookupQueryTexts_data();
    void lookupQueryTexts();
    void yearComboQueryText();
    void listShowsEveryProductInIdOrder();
    void listFieldsAreTexts();
    void listWithConditionAndResort();
    void malformedConditionIsReportedNotFatal();
    void detailHasEveryField();
    void lookup_data();
    void lookup();
    void lookupHoldsEveryName();
    void lookupFailureLeavesNoStaleNames();
    void storedNameWithNulFindsItsProducts();
    void yearCombos();
};

void TestQueryBuilders::listQueryText() {
    AppState s;
    InitFieldCatalogue(s);
    const QString sql = BuildMaterialListSql(s, QString());
    QVERIFY(sql.startsWith(QStringLiteral(
        "SELECT  IIf( isnull(建材名（一般名）) , '' , 建材名（一般名）) as 建材名（一般名）, "
        "IIf( isnull(商品名) , '' , 商品名) as 商品名,")));
    QVERIFY(sql.contains(QStringLiteral(
        "生産時のメーカー名) as 生産時のメーカー名, IIf(製造開始 = 0 , '', 製造開始) & \"～\" & "
        "製造終了 as 製造期間 , IIf( isnull(石綿含有率) , '' , 石綿含有率) as [含有率(%)],")));
    QVERIFY(sql.contains(QStringLiteral(
        " IIf( isnull(不燃材料認定番号（種類）) , '' ,  \"\" & 不燃材料認定番号（種類） & \"-\" & "
        "不燃材料認定番号（番号） & \"\" ) as 不燃材料等認定番号, IIf( isnull(現在のメーカー名)")));
    QVERIFY(sql.contains(QStringLiteral(" IIf( 建物の種類（戸建住宅） = True , '○' , '') as "
                                        "建物の種類（戸建住宅）,")));
    QVERIFY(sql.endsWith(
        QStringLiteral(" IIf( isnull(ID) , '' , ID) as ID FROM アスベスト建材情報マスタ")));
    QVERIFY(!sql.contains(QStringLiteral(" as 製造終了")));
    QVERIFY(!sql.contains(QStringLiteral(" as 不燃材料認定番号（番号）")));
    QCOMPARE(BuildMaterialListSql(s, QStringLiteral("(ID = '1')")),
             sql + QStringLiteral(" WHERE (ID = '1')"));
}

void TestQueryBuilders::detailQueryText() {
    AppState s;
    InitFieldCatalogue(s);
    const QString sql = BuildMaterialDetailSql(s, QStringLiteral(" ID = '0001' "));
    QVERIFY(sql.startsWith(QStringLiteral(
        "SELECT  IIf( isnull(建材名（一般名）) , '' , 建材名（一般名）) as 建材名（一般名）,")));
    QVERIFY(sql.contains(QStringLiteral(" IIf( isnull(製造開始) , '' , 製造開始) as 製造開始, IIf( "
                                        "isnull(製造終了) , '' , 製造終了) as 製造終了,")));
    QVERIFY(sql.endsWith(QStringLiteral(
        " IIf( isnull(ID) , '' , ID) as ID FROM アスベスト建材情報マスタ WHERE  ID = '0001' ")));
}

void TestQueryBuilders::lookupQueryTexts_data() {
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("usage");
    QTest::addColumn<QString>("containing");
    QTest::addColumn<QString>("nonContaining");
    QTest::newRow("屋根 with 仕上げ材")
        << "屋根"
        << "仕上げ材"
        << "SELECT 一般名, ID FROM 一般名－部位_含有マスタ WHERE 屋根 IS NOT NULL  AND 仕上げ材 IS "
           "NOT NULL  ORDER BY 屋根,一般名"
        << "SELECT 一般名 FROM 一般名－部位_非含有マスタ WHERE 屋根 IS NOT NULL  AND 仕上げ材 IS "
           "NOT NULL  ORDER BY 屋根,一般名";
    QTest::newRow("床 without usage")
        << "床"
        << ""
        << "SELECT 一般名, ID FROM 一般名－部位_含有マスタ WHERE  (廊下居室床 IS NOT NULL OR "
           "洗面脱衣便所床 IS NOT NULL)  ORDER BY 廊下居室床,洗面脱衣便所床,一般名"
        << "SELECT 一般名 FROM 一般名－部位_非含有マスタ WHERE  (廊下居室床 IS NOT NULL OR "
           "洗面脱衣便所床 IS NOT NULL)  ORDER BY 廊下居室床,洗面脱衣便所床,一般名";
}

void TestQueryBuilders::lookupQueryTexts() {
    QFETCH(QString, part);
    QFETCH(QString, usage);
    QFETCH(QString, containing);
    QFETCH(QString, nonContaining);
    QCOMPARE(BuildGeneralNameSql(kContainingTable, true, part, usage), containing);
    QCOMPARE(BuildGeneralNameSql(kNonContainingTable, false, part, usage), nonContaining);
}

void TestQueryBuilders::yearComboQueryText() {
    AppState s;
    InitFieldCatalogue(s);
    QCOMPARE(BuildDistinctSql(s, kMaterialTable, QStringLiteral("製造開始"), QStringLiteral("ASC")),
             QStringLiteral("SELECT DISTINCT 製造開始 FROM アスベスト建材情報マスタ WHERE 製造開始 "
                            "IS NOT NULL ORDER BY 製造開始 ASC"));
    QCOMPARE(BuildDistinctSql(s, kMaterialTable, QStringLiteral("商品名"), QStringLiteral("DESC")),
             QStringLiteral("SELECT DISTINCT 商品名 FROM アスベスト建材情報マスタ WHERE 商品名 IS "
                            "NOT NULL AND 商品名 <> ''  ORDER BY 商品名 DESC"));
}

void TestQueryBuilders::listShowsEveryProductInIdOrder() {
    Fixture f;
    KeyedRecordset rs;
    const Result<qint32> n = OpenMaterialList(f.s, f.c, rs, QString());
    QVERIFY2(n, qPrintable(n.error()));
    QCOMPARE(n.value(), 5);
    QVERIFY(!f.s.ListBaseSql.contains(QStringLiteral(" WHERE ")));
    QVERIFY(!f.s.ListBaseSql.contains(QStringLiteral("ORDER BY")));
    QCOMPARE(rs.FieldCount(), 81);
    QStringList ids;
    for (qint32 r = 0; r < rs.RecordCount(); ++r)
        ids.append(rs.ValueText(r, rs.FieldIndex(QStringLiteral("ID"))));
    QCOMPARE(ids, QStringList({"0001", "0002", "0003", "0004", "0005"}));
    // Grid columns 1 to 81 are the fields 0 to 80 in catalogue order, two rows merged.
    QCOMPARE(rs.FieldName(4), QStringLiteral("製造期間"));
    QCOMPARE(rs.FieldName(5), QStringLiteral("含有率(%)"));
    QCOMPARE(rs.FieldName(7), QStringLiteral("不燃材料等認定番号"));
    QCOMPARE(rs.FieldName(8), QStringLiteral("現在のメーカー名"));
    QCOMPARE(rs.FieldName(80), QStringLiteral("ID"));
}

void TestQueryBuilders::listFieldsAreTexts() {
    Fixture f;
    KeyedRecordset rs;
    QVERIFY(OpenMaterialList(f.s, f.c, rs, QString()));
    const QString period = QStringLiteral("製造期間"), cert = QStringLiteral("不燃材料等認定番号");
    QCOMPARE(Field(rs, "0001", period), QStringLiteral("1970～1985"));
    QCOMPARE(Field(rs, "0003", period), QStringLiteral("～1990")); // no start year recorded
    QCOMPARE(Field(rs, "0001", cert), QStringLiteral("不燃-5678"));
    QCOMPARE(Field(rs, "0003", cert), QString()); // kind NULL: empty even with a number
    QCOMPARE(Field(rs, "0005", cert), QStringLiteral("準不燃-")); // number NULL counts as empty
    QCOMPARE(Field(rs, "0001", QStringLiteral("外装材（屋根）")), QStringLiteral("○"));
    QCOMPARE(Field(rs, "0003", QStringLiteral("外装材（屋根）")), QString());
    QCOMPARE(Field(rs, "0003", QStringLiteral("内装材（床）")), QStringLiteral("○"));
    QCOMPARE(Field(rs, "0001", QStringLiteral("含有率(%)")), QString());
    QCOMPARE(Field(rs, "0001", QStringLiteral("形状・外観（ボード状厚さmm）")),
             QStringLiteral("5"));
    QCOMPARE(Field(rs, "0003", QStringLiteral("形状・外観（ボード状厚さmm）")), QString());
    QCOMPARE(Field(rs, "0001", QStringLiteral("備考欄")), QStringLiteral("一行目\r二行目"));
    // NULL texts come back as empty texts, not as NULL.
    QVERIFY(!rs.Value(Row(rs, "0003"), rs.FieldIndex(QStringLiteral("俗称"))).IsNull());
}

void TestQueryBuilders::listWithConditionAndResort() {
    Fixture f;
    KeyedRecordset rs;
    const QString where = QStringLiteral("(建材名（一般名） = ") + QuoteSqlText(kRoofSlate) +
                          QStringLiteral(") AND (製造終了 >= 1983 AND 製造開始 <= 9999)");
    Result<qint32> n = OpenMaterialList(f.s, f.c, rs, where);
    QVERIFY2(n, qPrintable(n.error()));
    QCOMPARE(n.value(), 2);
    QVERIFY(f.s.ListBaseSql.endsWith(QStringLiteral(" WHERE ") + where));

    n = RequerySorted(f.c, rs, f.s.ListBaseSql, QStringLiteral("商品名 DESC"));
    QVERIFY2(n, qPrintable(n.error()));
    QCOMPARE(n.value(), 2);
    QCOMPARE(rs.ValueText(0, 1), QStringLiteral("スレートA"));
    QCOMPARE(rs.ValueText(1, 1), QStringLiteral("アスレート"));

    // A value with an apostrophe, quoted soundly, finds its product.
    n = OpenMaterialList(f.s, f.c, rs,
                         QStringLiteral("(建材名（一般名） = ") + QuoteSqlText(kQuoted) + u')');
    QVERIFY2(n, qPrintable(n.error()));
    QCOMPARE(n.value(), 1);
}

void TestQueryBuilders::malformedConditionIsReportedNotFatal() {
    Fixture f;
    KeyedRecordset rs;
    Recordset detail;
    for (const QString& where : {QStringLiteral("(建材名（一般名） = 'O'Brien板')"),
                                 QStringLiteral("(存在しない列 = 1)"), QStringLiteral("(((")}) {
        const Result<qint32> n = OpenMaterialList(f.s, f.c, rs, where);
        QVERIFY(!n);
        QVERIFY(!n.error().isEmpty());
        QVERIFY(!rs.IsOpen());
        QVERIFY(!RequerySorted(f.c, rs, f.s.ListBaseSql, QStringLiteral("商品名 ASC")));
        QVERIFY(!OpenMaterialDetail(f.s, f.c, detail, where));
    }
    // A sort that fails leaves the list open in the order it had.
    QVERIFY(OpenMaterialList(f.s, f.c, rs, QString()));
    QVERIFY(!RequerySorted(f.c, rs, f.s.ListBaseSql, QStringLiteral("存在しない列")));
    QVERIFY(rs.IsOpen());
    QCOMPARE(rs.RecordCount(), 5);
    QCOMPARE(rs.ValueText(0, 80), QStringLiteral("0001"));
}

void TestQueryBuilders::detailHasEveryField() {
    Fixture f;
    Recordset rs;
    const Result<qint32> n = OpenMaterialDetail(f.s, f.c, rs, QStringLiteral(" ID = '0003' "));
    QVERIFY2(n, qPrintable(n.error()));
    QCOMPARE(n.value(), 1);
    QCOMPARE(rs.FieldCount(), 83);
    for (int i = 0; i < 83; ++i)
        QCOMPARE(rs.FieldName(i), f.s.FieldNames[size_t(i)]);
    QCOMPARE(rs.Field(QStringLiteral("製造開始")).ToText(), QStringLiteral("0"));
    QCOMPARE(rs.Field(QStringLiteral("製造終了")).ToText(), QStringLiteral("1990"));
    QCOMPARE(rs.Field(QStringLiteral("不燃材料認定番号（番号）")).ToText(), QStringLiteral("1234"));
    QCOMPARE(rs.Field(QStringLiteral("内装材（床）")).ToText(), QStringLiteral("○"));
    QCOMPARE(rs.Field(QStringLiteral("商品名")).ToText(), QStringLiteral("タイルB"));
}

void TestQueryBuilders::lookup_data() {
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("usage");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("nonContaining");
    const QString house = QStringLiteral("(建物の種類（戸建住宅）= True)");
    QTest::newRow("roof finish; the roofing has no products and no finish")
        << QString() << "屋根"
        << "仕上げ材" << QStringList{kRoofSlate} << QStringList{"33"} << QList<int>{2}
        << QStringLiteral("粘土瓦／金属屋根");
    QTest::newRow("roof, detached houses only")
        << house << "屋根"
        << "仕上げ材" << QStringList{kRoofSlate} << QStringList{"33"} << QList<int>{1}
        << QStringLiteral("粘土瓦／金属屋根");
    QTest::newRow("roof without usage; a name without products is left out")
        << QString() << "屋根"
        << "" << QStringList{kRoofSlate} << QStringList{"33"} << QList<int>{2}
        << QStringLiteral("粘土瓦／金属屋根");
    QTest::newRow("floor uses both floor columns, NULL first")
        << QString() << "床"
        << "" << QStringList{kFloorSheet, kQuoted, kFloorTile} << QStringList{"31", "99", "30"}
        << QList<int>{1, 1, 1} << QString();
    QTest::newRow("floor finish") << QString() << "床"
                                  << "仕上げ材" << QStringList{kFloorTile} << QStringList{"30"}
                                  << QList<int>{1} << QString();
    QTest::newRow("years leave the older sheet out")
        << house + QStringLiteral(" AND (製造終了 >= 1979 AND 製造開始 <= 9999)") << "床"
        << "" << QStringList{kQuoted, kFloorTile} << QStringList{"99", "30"} << QList<int>{1, 1}
        << QString();
    QTest::newRow("nothing at the part")
        << QString() << "巾木"
        << "" << QStringList{} << QStringList{} << QList<int>{} << QString();
}

void TestQueryBuilders::lookup() {
    QFETCH(QString, extra);
    QFETCH(QString, part);
    QFETCH(QString, usage);
    QFETCH(QStringList, names);
    QFETCH(QStringList, ids);
    QFETCH(QList<int>, counts);
    QFETCH(QString, nonContaining);
    Fixture f;
    std::unique_ptr<Recordset> rs;
    const Result<int> found = LookupGeneralNames(f.s, f.c, rs, extra, part, usage);
    QVERIFY2(found, qPrintable(found.error()));
    QVERIFY(!rs); // released
    QCOMPARE(found.value(), int(names.size()));
    QCOMPARE(f.s.GeneralNameCount, int(names.size()));
    QCOMPARE(f.s.GeneralNames.size(), 257);
    QCOMPARE(f.s.GeneralNames.mid(0, names.size()), names);
    QCOMPARE(f.s.GeneralNameIds.mid(0, ids.size()), ids);
    QCOMPARE(f.s.GeneralNameCounts.mid(0, counts.size()), counts);
    for (qsizetype i = names.size(); i < 257; ++i) {
        QVERIFY(f.s.GeneralNames[i].isEmpty());
        QVERIFY(f.s.GeneralNameIds[i].isEmpty());
        QCOMPARE(f.s.GeneralNameCounts[i], 0);
    }
    QCOMPARE(f.s.NonContainingNameList, nonContaining);
    QStringList expected =
        nonContaining.isEmpty() ? QStringList() : nonContaining.split(QStringLiteral("／"));
    expected.append(QString()); // one empty entry after the names
    QCOMPARE(f.s.NonContainingNames, expected);
}

void TestQueryBuilders::lookupHoldsEveryName() {
    QTemporaryDir dir;
    {
        FixtureDb db(dir.filePath(QStringLiteral("app.db")));
        db.Exec(QStringLiteral("BEGIN"));
        for (int i = 0; i < 300; ++i) {
            const QString name = QStringLiteral("建材%1").arg(i, 3, 10, QChar(u'0'));
            db.AddGeneralName(true, name, QString::number(i), Product({{u"屋根", i}}));
            db.AddProduct(Product({{u"ID", QString::number(i)}, {u"建材名（一般名）", name}}));
        }
        db.Exec(QStringLiteral("COMMIT"));
    }
    AppState s;
    Connection c;
    QVERIFY(c.OpenReadOnly(dir.filePath(QStringLiteral("app.db"))));
    std::unique_ptr<Recordset> rs;
    const Result<int> found =
        LookupGeneralNames(s, c, rs, QString(), QStringLiteral("屋根"), QString());
    QVERIFY2(found, qPrintable(found.error()));
    QCOMPARE(found.value(), 300);
    QCOMPARE(s.GeneralNames.size(), 300);
    QCOMPARE(s.GeneralNames[299], QStringLiteral("建材299"));
    QCOMPARE(s.GeneralNameCounts[299], 1);
}

void TestQueryBuilders::storedNameWithNulFindsItsProducts() {
    // A NUL inside a stored general name: the statements built on it keep their whole
    // text and compare the whole name, not the part before the NUL.
    const QString withNul = QStringLiteral("石綿") + QChar(0) + QStringLiteral("板");
    QTemporaryDir dir;
    {
        FixtureDb db(dir.filePath(QStringLiteral("app.db")));
        db.AddGeneralName(true, withNul, QStringLiteral("01"), Product({{u"屋根", 10}}));
        db.AddGeneralName(true, QStringLiteral("石綿"), QStringLiteral("02"),
                          Product({{u"屋根", 20}}));
        db.AddProduct(Product({{u"ID", QStringLiteral("N1")}, {u"建材名（一般名）", withNul}}));
        db.AddProduct(Product(
            {{u"ID", QStringLiteral("N2")}, {u"建材名（一般名）", QStringLiteral("石綿")}}));
        db.AddProduct(Product(
            {{u"ID", QStringLiteral("N3")}, {u"建材名（一般名）", QStringLiteral("石綿")}}));
    }
    AppState s;
    InitFieldCatalogue(s);
    Connection c;
    QVERIFY(c.OpenReadOnly(dir.filePath(QStringLiteral("app.db"))));
    std::unique_ptr<Recordset> rs;
    const Result<int> found =
        LookupGeneralNames(s, c, rs, QString(), QStringLiteral("屋根"), QString());
    QVERIFY2(found, qPrintable(found.error()));
    QCOMPARE(found.value(), 2);
    QCOMPARE(s.GeneralNames[0], withNul);
    QCOMPARE(s.GeneralNameCounts[0], 1);
    QCOMPARE(s.GeneralNameCounts[1], 2);

    KeyedRecordset list;
    const Result<qint32> n = OpenMaterialList(
        s, c, list, QStringLiteral("(建材名（一般名） = ") + QuoteSqlText(withNul) + u')');
    QVERIFY2(n, qPrintable(n.error()));
    QCOMPARE(n.value(), 1);
    QCOMPARE(list.ValueText(0, list.FieldIndex(QStringLiteral("ID"))), QStringLiteral("N1"));
}

void TestQueryBuilders::lookupFailureLeavesNoStaleNames() {
    Fixture f;
    std::unique_ptr<Recordset> rs;
    QVERIFY(LookupGeneralNames(f.s, f.c, rs, QString(), QStringLiteral("屋根"), QString()));
    QCOMPARE(f.s.GeneralNameCount, 1);
    const Result<int> failed = LookupGeneralNames(
        f.s, f.c, rs, QStringLiteral("(存在しない列 = 1)"), QStringLiteral("屋根"), QString());
    QVERIFY(!failed);
    QVERIFY(!rs);
    QCOMPARE(f.s.GeneralNameCount, 0);
    QVERIFY(f.s.GeneralNames[0].isEmpty());
    QCOMPARE(f.s.NonContainingNames, QStringList{QString()});
    QVERIFY(
        !LookupGeneralNames(f.s, f.c, rs, QString(), QStringLiteral("存在しない部位"), QString()));
}

void TestQueryBuilders::yearCombos() {
    Fixture f;
    std::unique_ptr<Recordset> rs;
    QStringList start, end, withFirst, names;
    QVERIFY(FillYearCombo(f.s, f.c, rs, QStringLiteral("製造開始"), start, QString(),
                          QStringLiteral("ASC")));
    QVERIFY(!rs);
    QCOMPARE(start, QStringList({"", "1960", "1970", "1975", "1980"})); // 0 never listed
    QVERIFY(FillYearCombo(f.s, f.c, rs, QStringLiteral("製造終了"), end, QString(),
                          QStringLiteral("DESC")));
    QCOMPARE(end, QStringList({"", "2000", "1990", "1985", "1980", "1970"}));
    QVERIFY(FillYearCombo(f.s, f.c, rs, QStringLiteral("製造開始"), withFirst,
                          QStringLiteral("全て"), QStringLiteral("ASC")));
    QCOMPARE(withFirst.mid(0, 3), QStringList({"全て", "", "1960"}));
    // A text column leaves out empty texts as well as NULLs.
    QVERIFY(FillDistinctCombo(f.s, f.c, rs, kMaterialTable, QStringLiteral("商品名"), names,
                              QString(), QStringLiteral("ASC")));
    QCOMPARE(names.size(), 5);
    QCOMPARE(names.first(), QString());

    QStringList broken;
    QVERIFY(!FillDistinctCombo(f.s, f.c, rs, QStringLiteral("存在しない表"),
                               QStringLiteral("製造開始"), broken, QString(),
                               QStringLiteral("ASC")));
    QVERIFY(!rs);
    QVERIFY(broken.isEmpty());
}

QTEST_MAIN(TestQueryBuilders)
#include "test_query_builders.moc"
