#include "data/database.h"
#include "data/field_catalogue.h"
#include "data/query_builders.h"
#include "data/search_conditions.h"
#include "support/fixture_db.h"
#include "tools/sample_data.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>

using namespace solario;

namespace {

// One query's rows as a single text, to compare databases by content.
QByteArray Dump(Connection& c, const QString& sql) {
    Recordset rs;
    if (!rs.Open(sql, c))
        return "error";
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (qint32 r = 0; r < rs.RecordCount(); ++r)
        for (int f = 0; f < rs.FieldCount(); ++f) {
            const FieldValue v = rs.Value(r, f);
            h.addData((QString::number(int(v.type())) + v.ToText() + u'\x1f').toUtf8());
        }
    return h.result();
}

qint64 Count(Connection& c, const QString& sql) {
    Recordset rs;
    if (!rs.Open(sql, c))
        return -1;
    return rs.Field(0).ToInteger();
}

QByteArray DumpAll(Connection& c) {
    return Dump(c, QStringLiteral("SELECT * FROM アスベスト建材情報マスタ ORDER BY ID")) +
           Dump(c, QStringLiteral("SELECT * FROM 一般名－部位_含有マスタ ORDER BY ID")) +
           Dump(c, QStringLiteral("SELECT * FROM 一般名－部位_非含有マスタ ORDER BY ID"));
}

} // namespace

class TestSampleData : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameSeedSameData();
    void schemaFollowsTheCatalogue();
    void everyNameHasProductsAndPlaces();
    void flagsMatchThePlacesOfTheirName_data();
    void flagsMatchThePlacesOfTheirName();
    void valuesCoverTheCasesTheScreensHandle();
    void searchesFindTheSampleProducts();
    void mixedWidthsAreFoundEitherWay();
    void saysItIsSampleData();

private:
    QTemporaryDir dir_;
    QString path_;
    Connection c_;
};

void TestSampleData::initTestCase() {
    path_ = dir_.filePath(QStringLiteral("app.db"));
    const Status s = sample::WriteSampleDatabase(path_, 3000);
    QVERIFY2(s, qPrintable(s.error()));
    QVERIFY(c_.OpenReadOnly(path_));
}

void TestSampleData::sameSeedSameData() {
    const QString again = dir_.filePath(QStringLiteral("again.db"));
    const QString other = dir_.filePath(QStringLiteral("other.db"));
    QVERIFY(sample::WriteSampleDatabase(again, 3000));
    QVERIFY(sample::WriteSampleDatabase(other, 3000, 7));
    Connection a, o;
    QVERIFY(a.OpenReadOnly(again));
    QVERIFY(o.OpenReadOnly(other));
    QCOMPARE(DumpAll(a), DumpAll(c_));
    QVERIFY(DumpAll(o) != DumpAll(c_));
    QVERIFY(!QFile::exists(again + QStringLiteral(".partial")));
    QVERIFY(
        !sample::WriteSampleDatabase(dir_.filePath(QStringLiteral("no/such/folder/app.db")), 10));
}

void TestSampleData::schemaFollowsTheCatalogue() {
    AppState s;
    InitFieldCatalogue(s);
    Recordset info;
    QVERIFY(info.Open(
        QStringLiteral("SELECT name, type FROM pragma_table_info('アスベスト建材情報マスタ')"),
        c_));
    QCOMPARE(info.RecordCount(), 83);
    for (int i = 0; i < 83; ++i) {
        QCOMPARE(info.ValueText(i, 0), s.FieldNames[size_t(i)]);
        const QString& kind = s.FieldKinds[size_t(i)];
        QCOMPARE(info.ValueText(i, 1),
                 kind == kKindText ? QStringLiteral("TEXT") : QStringLiteral("INTEGER"));
    }
    QVERIFY(Count(c_, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND "
                                     "sql LIKE '%建材名（一般名）%'")) >= 1);
    QCOMPARE(Count(c_, QStringLiteral("SELECT count(*) FROM アスベスト建材情報マスタ")), 3000);
    QCOMPARE(
        Count(c_, QStringLiteral(
                      "SELECT count(*) FROM アスベスト建材情報マスタ WHERE typeof(ID) <> 'text'")),
        0);
    // Yes/no columns hold 0 or 1, so that "= True" selects them.
    QCOMPARE(Count(c_, QStringLiteral("SELECT count(*) FROM アスベスト建材情報マスタ WHERE "
                                      "外装材（屋根） NOT IN (0, 1)")),
             0);
}

void TestSampleData::everyNameHasProductsAndPlaces() {
    QCOMPARE(sample::GeneralNames().size(), 41);
    QCOMPARE(Count(c_, QStringLiteral("SELECT count(*) FROM 一般名－部位_含有マスタ")), 41);
    for (const QString& name : sample::GeneralNames()) {
        QVERIFY2(
            Count(c_,
                  QStringLiteral(
                      "SELECT count(*) FROM アスベスト建材情報マスタ WHERE 建材名（一般名） = ") +
                      QuoteSqlText(name)) > 0,
            qPrintable(name));
        QCOMPARE(Count(c_, QStringLiteral(
                               "SELECT count(*) FROM 一般名－部位_含有マスタ WHERE 一般名 = ") +
                               QuoteSqlText(name)),
                 1);
    }
    // Every product's name is written exactly as the lookup table writes it, so that the
    // name search's "=" needs no folding (and keeps its index).
    QCOMPARE(Count(c_, QStringLiteral("SELECT count(*) FROM アスベスト建材情報マスタ WHERE "
                                      "建材名（一般名） NOT IN (SELECT 一般名 FROM "
                                      "一般名－部位_含有マスタ)")),
             0);
    // The two middle dots are different characters.
    QVERIFY(sample::GeneralNames().contains(
        QStringLiteral("石綿含有スレートボード\u30FBフレキシブル板")));
    QVERIFY(sample::GeneralNames().contains(QStringLiteral("石綿含有スレートボード\uFF65平板")));
    QVERIFY(Count(c_, QStringLiteral("SELECT count(*) FROM 一般名－部位_非含有マスタ")) >= 12);
    QCOMPARE(Count(c_, QStringLiteral("SELECT count(*) FROM 一般名－部位_非含有マスタ WHERE 一般名 "
                                      "IN (SELECT 一般名 FROM 一般名－部位_含有マスタ)")),
             0);
    QVERIFY(
        Count(
            c_,
            QStringLiteral(
                "SELECT count(*) FROM 一般名－部位_非含有マスタ WHERE 一般名 = 'ロックウール'")) ==
        1);
}

void TestSampleData::flagsMatchThePlacesOfTheirName_data() {
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("place");
    QTest::newRow("roof") << "外装材（屋根）"
                          << "屋根 IS NOT NULL";
    QTest::newRow("outer wall") << "外装材（外壁）"
                                << "外壁 IS NOT NULL";
    QTest::newRow("eaves") << "外装材（軒天井・ピロティ）"
                           << "軒天井 IS NOT NULL";
    QTest::newRow("floor") << "内装材（床）"
                           << "(廊下居室床 IS NOT NULL OR 洗面脱衣便所床 IS NOT NULL)";
    QTest::newRow("skirting") << "内装材（巾木）"
                              << "巾木 IS NOT NULL";
    QTest::newRow("pipes") << "設備（給排水管）"
                           << "給排水管 IS NOT NULL";
    QTest::newRow("bath ceiling") << "内装材（浴室天井）"
                                  << "浴室天井 IS NOT NULL";
    QTest::newRow("finish") << "使われ方（仕上げ材）"
                            << "仕上げ材 IS NOT NULL";
    QTest::newRow("base") << "使われ方（下地材）"
                          << "下地材 IS NOT NULL";
}

void TestSampleData::flagsMatchThePlacesOfTheirName() {
    QFETCH(QString, flag);
    QFETCH(QString, place);
    const QString names =
        QStringLiteral("(SELECT 一般名 FROM 一般名－部位_含有マスタ WHERE ") + place + u')';
    // Flagged products belong to names found there, and such names have flagged products.
    QCOMPARE(Count(c_, QStringLiteral("SELECT count(*) FROM アスベスト建材情報マスタ WHERE ") +
                           flag + QStringLiteral(" = 1 AND 建材名（一般名） NOT IN ") + names),
             0);
    QVERIFY(Count(c_, QStringLiteral("SELECT count(*) FROM アスベスト建材情報マスタ WHERE ") +
                          flag + QStringLiteral(" = 1 AND 建材名（一般名） IN ") + names) > 0);
}

void TestSampleData::valuesCoverTheCasesTheScreensHandle() {
    auto count = [&](const QString& where) {
        return Count(c_, QStringLiteral("SELECT count(*) FROM アスベスト建材情報マスタ WHERE ") +
                             where);
    };
    QVERIFY(count(QStringLiteral("製造開始 = 0")) > 0);
    QCOMPARE(count(QStringLiteral("製造開始 <> 0 AND (製造開始 < 1950 OR 製造開始 > 2005)")), 0);
    QCOMPARE(count(QStringLiteral(
                 "製造終了 < 1950 OR 製造終了 > 2005 OR 製造終了 < 製造開始 OR 製造終了 IS NULL")),
             0);
    QVERIFY(count(QStringLiteral(
                "不燃材料認定番号（種類） IS NULL AND 不燃材料認定番号（番号） IS NOT NULL")) > 0);
    QVERIFY(count(QStringLiteral("不燃材料認定番号（種類） IS NOT NULL")) > 0);
    const QStringList kinds = {"不燃",
                               "不燃（個）",
                               "不燃（屋根用）",
                               "不燃・屋根用（個）",
                               "準不燃",
                               "準不燃（個）",
                               "難燃",
                               "難燃（個）",
                               "準難燃",
                               "準難燃（個）",
                               "壁装材料",
                               "化粧（不燃）",
                               "化粧（準不燃）",
                               "化粧（不燃）（個）",
                               "基材同等",
                               "NM",
                               "NE",
                               "QM",
                               "QE",
                               "RM",
                               "RE",
                               "DR",
                               "DW",
                               "UR",
                               "UW"};
    QStringList quoted;
    for (const QString& k : kinds)
        quoted.append(QuoteSqlText(k));
    QCOMPARE(count(QStringLiteral("不燃材料認定番号（種類） NOT IN (") + quoted.join(u',') + u')'),
             0);
    QVERIFY(count(QStringLiteral("商品名 LIKE '%''%'")) > 0);
    QVERIFY(count(QStringLiteral("石綿含有率 LIKE '%％%'")) > 0);
    QVERIFY(count(QStringLiteral("instr(備考欄, char(13)) > 0")) > 0);
    QVERIFY(count(QStringLiteral("建物の種類（戸建住宅） = 1")) > 0);
    QVERIFY(count(QStringLiteral("建物の種類（戸建住宅） = 0")) > 0);

    // Every text column has text somewhere, and NULL and empty texts both occur.
    AppState s;
    InitFieldCatalogue(s);
    bool sawNull = false, sawEmpty = false;
    for (int i = 0; i < s.FieldCount; ++i) {
        if (s.FieldKinds[size_t(i)] != kKindText)
            continue;
        const QString& col = s.FieldNames[size_t(i)];
        QVERIFY2(count(col + QStringLiteral(" <> ''")) > 0, qPrintable(col));
        sawNull = sawNull || count(col + QStringLiteral(" IS NULL")) > 0;
        sawEmpty = sawEmpty || count(col + QStringLiteral(" = ''")) > 0;
    }
    QVERIFY(sawNull);
    QVERIFY(sawEmpty);
    // The numbers the detail screen shows exist too.
    QVERIFY(count(QStringLiteral("形状・外観（ボード状厚さmm） IS NOT NULL")) > 0);
    QVERIFY(count(QStringLiteral("形状・外観（巻物標準寸法mm） IS NOT NULL")) > 0);
}

void TestSampleData::searchesFindTheSampleProducts() {
    AppState s;
    InitFieldCatalogue(s);
    KeyedRecordset list;
    const Result<qint32> all = OpenMaterialList(s, c_, list, QString());
    QVERIFY2(all, qPrintable(all.error()));
    QCOMPARE(all.value(), 3000);

    std::unique_ptr<Recordset> rs;
    const QString house = QStringLiteral(
        "(建物の種類（戸建住宅）= True) AND (製造終了 >= 1984 AND 製造開始 <= 9999)");
    Result<int> roof =
        LookupGeneralNames(s, c_, rs, house, QStringLiteral("屋根"), QStringLiteral("仕上げ材"));
    QVERIFY2(roof, qPrintable(roof.error()));
    QVERIFY(roof.value() > 0);
    QVERIFY(s.GeneralNames.contains(QStringLiteral("石綿含有住宅屋根用化粧スレート")));
    QVERIFY(s.NonContainingNameList.contains(QStringLiteral("粘土瓦")));
    Result<int> floor =
        LookupGeneralNames(s, c_, rs, house, QStringLiteral("床"), QStringLiteral("仕上げ材"));
    QVERIFY(floor);
    QVERIFY(
        s.GeneralNames.mid(0, floor.value()).contains(QStringLiteral("石綿含有ビニル床タイル")));
    QVERIFY(!s.GeneralNames.contains(QStringLiteral("石綿含有住宅屋根用化粧スレート")));
}

void TestSampleData::mixedWidthsAreFoundEitherWay() {
    // Model numbers come in the widths catalogues print them in.
    const QString model = QStringLiteral("SELECT count(*) FROM アスベスト建材情報マスタ WHERE ");
    QVERIFY(Count(c_, model + QStringLiteral("instr(型番・品番, '-') > 0")) > 100);
    QVERIFY(Count(c_, model + QStringLiteral("instr(型番・品番, '－') > 0")) > 100);
    QVERIFY(Count(c_, model + QStringLiteral("型番・品番 GLOB '[Ａ-Ｚ]*'")) > 100);
    QVERIFY(Count(c_, model + QStringLiteral("商品名 GLOB '*[０-９]号'")) > 100);
    QVERIFY(Count(c_, model + QStringLiteral("instr(生産時のメーカー名, 'ｶｸｳｶﾞﾗｽ') > 0")) > 0);

    AppState s;
    InitFieldCatalogue(s);
    Recordset half;
    QVERIFY(
        half.Open(model.left(model.indexOf(u"count")) +
                      QStringLiteral("型番・品番 FROM アスベスト建材情報マスタ WHERE 型番・品番 "
                                     "GLOB '[A-Z][A-Z]-[0-9]*' LIMIT 1"),
                  c_));
    QCOMPARE(half.RecordCount(), 1);
    const QString printed = half.ValueText(0, 0); // e.g. "DJ-2747"
    QString wide = printed;
    for (QChar& ch : wide)
        ch = ch == u'-' ? QChar(u'－') : QChar(char16_t(ch.unicode() + 0xFEE0));
    struct Case {
        QString where;
        QString same; // the products it must find, by exact values
    };
    const Case cases[] = {
        {LikeCondition(QStringLiteral("型番・品番"), wide),
         QStringLiteral("型番・品番 = '") + printed + u'\''},
        {MakerCondition(QStringLiteral("ASK架空工業")),
         QStringLiteral(
             "生産時のメーカー名 IN ('ＡＳＫ架空工業株式会社', 'ASK架空工業株式会社') OR "
             "現在のメーカー名 IN ('ＡＳＫ架空工業株式会社', 'ASK架空工業株式会社')")},
        {MakerCondition(QStringLiteral("カクウガラス")),
         QStringLiteral("生産時のメーカー名 = 'ｶｸｳｶﾞﾗｽ繊維株式会社' OR 現在のメーカー名 = "
                        "'ｶｸｳｶﾞﾗｽ繊維株式会社'")},
    };
    for (const Case& c : cases) {
        KeyedRecordset list;
        const Result<qint32> found = OpenMaterialList(s, c_, list, c.where);
        QVERIFY2(found, qPrintable(found.error()));
        const qint64 expected = Count(c_, model + u'(' + c.same + u')');
        QVERIFY2(expected > 0, qPrintable(c.same));
        QCOMPARE(qint64(found.value()), expected);
    }
}

void TestSampleData::saysItIsSampleData() {
    QVERIFY(IsSampleDatabase(c_));
    QCOMPARE(Dump(c_, QStringLiteral("SELECT value FROM solario_metadata WHERE key = 'edition'")),
             Dump(c_, QStringLiteral("SELECT '２００６年１２月版'")));
    const QString plain = dir_.filePath(QStringLiteral("plain.db"));
    test::FixtureDb(plain).Close();
    Connection p;
    QVERIFY(p.OpenReadOnly(plain));
    QVERIFY(!IsSampleDatabase(p));
}

QTEST_GUILESS_MAIN(TestSampleData)
#include "test_sample_data.moc"
