#include "data/report_data.h"
#include "platform/connection.h"
#include "platform/jet_sql.h"

#include <QtTest>

using namespace solario;

class TestJetSql : public QObject {
    Q_OBJECT

private slots:
    void translates_data();
    void translates();
    void concatenationTreatsNullAsEmpty_data();
    void concatenationTreatsNullAsEmpty();
    void doubleQuotedTextIsNeverAColumn();
    void deepNestingIsRefused();
    void likeIgnoresCaseAndWidth_data();
    void likeIgnoresCaseAndWidth();
};

void TestJetSql::translates_data() {
    QTest::addColumn<QString>("jet");
    QTest::addColumn<QString>("sqlite");
    QTest::newRow("double-quoted literal") << R"(SELECT "～")"
                                           << R"(SELECT '～')";
    QTest::newRow("apostrophe inside double quotes") << R"(x = "it's")"
                                                     << R"(x = 'it''s')";
    QTest::newRow("doubled double quote") << R"(x = "a""b")"
                                          << R"(x = 'a"b')";
    QTest::newRow("empty double-quoted literal") << R"(x = "")"
                                                 << R"(x = '')";
    QTest::newRow("single-quoted text untouched") << R"(x = 'a & "b" isnull(c)')"
                                                  << R"(x = 'a & "b" isnull(c)')";
    QTest::newRow("doubled apostrophe stays") << R"(x = 'O''Neil')"
                                              << R"(x = 'O''Neil')";
    QTest::newRow("ampersand") << "a & b"
                               << "jet_concat(a, b)";
    QTest::newRow("ampersand chain folds left") << "a & b & c"
                                                << "jet_concat(jet_concat(a, b), c)";
    QTest::newRow("ampersand stops at alias") << "a & b as c, d"
                                              << "jet_concat(a, b) as c, d";
    QTest::newRow("ampersand binds tighter than comparison") << "a & b = c AND d"
                                                             << "jet_concat(a, b) = c AND d";
    QTest::newRow("arithmetic binds tighter than ampersand") << "a + 1 & b"
                                                             << "jet_concat(a + 1, b)";
    QTest::newRow("isnull") << "isnull(x)"
                            << "(x IS NULL)";
    QTest::newRow("isnull any case, blank before group") << "ISNULL (x)"
                                                         << "(x IS NULL)";
    QTest::newRow("column containing isnull is a column") << "isnull_flag = 1"
                                                          << "isnull_flag = 1";
    QTest::newRow("bracketed and back-quoted names")
        << "x as [含有率(%)] FROM `帳票検索条件テーブル`"
        << "x as [含有率(%)] FROM `帳票検索条件テーブル`";
    QTest::newRow("production period of the list query")
        << R"( IIf(製造開始 = 0 , '', 製造開始) & "～" & 製造終了 as 製造期間 ,)"
        << " jet_concat(jet_concat(IIf(製造開始 = 0 , '', 製造開始), '～'), 製造終了) as 製造期間 "
           ",";
    QTest::newRow("certification of the list query")
        << R"( IIf( isnull(不燃材料認定番号（種類）) , '' ,  "" & 不燃材料認定番号（種類） & "-" & 不燃材料認定番号（番号） & "" ) as 不燃材料等認定番号)"
        << " IIf( (不燃材料認定番号（種類） IS NULL) , '' ,  "
           "jet_concat(jet_concat(jet_concat(jet_concat('', 不燃材料認定番号（種類）), '-'), "
           "不燃材料認定番号（番号）), '') ) as 不燃材料等認定番号";
    QTest::newRow("unbalanced parenthesis kept for the engine") << "count((x"
                                                                << "count((x";
    QTest::newRow("unterminated literal kept") << R"(x = "abc)"
                                               << R"(x = "abc)";
}

void TestJetSql::translates() {
    QFETCH(QString, jet);
    QFETCH(QString, sqlite);
    QCOMPARE(TranslateJetSql(jet).value(), sqlite);
}

void TestJetSql::concatenationTreatsNullAsEmpty_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("isNull");
    QTest::newRow("text and NULL") << R"("1970" & "～" & NULL)"
                                   << "1970～" << false;
    QTest::newRow("NULL and number") << R"(NULL & "～" & 1990)"
                                     << "～1990" << false;
    QTest::newRow("two NULLs give NULL") << "NULL & NULL"
                                         << "" << true;
    QTest::newRow("numbers become text") << "1970 & 1990"
                                         << "19701990" << false;
    QTest::newRow("period without start year") << R"(IIf(0 = 0 , '', 0) & "～" & 1990)"
                                               << "～1990" << false;
}

void TestJetSql::concatenationTreatsNullAsEmpty() {
    QFETCH(QString, expression);
    QFETCH(QString, expected);
    QFETCH(bool, isNull);
    Connection c;
    QVERIFY(c.OpenScratch());
    Recordset rs;
    const Status s = rs.Open(QStringLiteral("SELECT ") + expression, c);
    QVERIFY2(s, qPrintable(s.error()));
    QCOMPARE(rs.RecordCount(), 1);
    QCOMPARE(rs.Field(0).IsNull(), isNull);
    QCOMPARE(rs.Field(0).ToText(), expected);
}

void TestJetSql::doubleQuotedTextIsNeverAColumn() {
    // SQLite would take "x" as a literal when no such column exists; with that fallback
    // off, a misspelt column is an error, not a silently constant condition.
    Connection c;
    QVERIFY(c.OpenScratch());
    QVERIFY(c.ExecuteBound(QStringLiteral("CREATE TABLE t (a TEXT)"), {}));
    QVERIFY(c.ExecuteBound(QStringLiteral("INSERT INTO t VALUES ('b')"), {}));
    const Status native = c.ExecuteBound(QStringLiteral("SELECT a FROM t WHERE a = \"b\""), {});
    QVERIFY(!native);
    QVERIFY2(native.error().contains(QStringLiteral("no such column")), qPrintable(native.error()));
    Recordset rs;
    QVERIFY(rs.Open(QStringLiteral("SELECT a FROM t WHERE a = \"b\""), c));
    QCOMPARE(rs.RecordCount(), 1);
}

void TestJetSql::deepNestingIsRefused() {
    // At the limit the text is translated; beyond it, and far beyond (a text that used
    // to exhaust the stack), it is refused with a reason, and so is a statement built on it.
    const auto nested = [](int depth) {
        return QStringLiteral("SELECT ") + QString(depth, u'(') + QStringLiteral("1 & 2") +
               QString(depth, u')');
    };
    const Result<QString> atLimit = TranslateJetSql(nested(kMaxNesting));
    QVERIFY(atLimit);
    QVERIFY(atLimit.value().contains(QStringLiteral("jet_concat(1, 2)")));
    for (int depth : {kMaxNesting + 1, 100000}) {
        const Result<QString> refused = TranslateJetSql(nested(depth));
        QVERIFY(!refused);
        QVERIFY2(refused.error().contains(QStringLiteral("入れ子が深すぎます")),
                 qPrintable(refused.error()));
    }
    Connection c;
    QVERIFY(c.OpenScratch());
    Recordset rs;
    const Status opened = rs.Open(nested(100000), c);
    QVERIFY(!opened);
    QVERIFY(opened.error().contains(QStringLiteral("入れ子が深すぎます")));
    QVERIFY(!c.Execute(nested(100000)));
    const Result<ShapeCommand> shape =
        ParseShapeCommand(QStringLiteral("SHAPE {") + nested(100000) +
                          QStringLiteral("} AS a APPEND ({SELECT 1} AS b RELATE 'x' TO 'y') AS b"));
    QVERIFY(!shape);
    QVERIFY(shape.error().contains(QStringLiteral("入れ子が深すぎます")));
}

void TestJetSql::likeIgnoresCaseAndWidth_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("matches"); // -1: NULL
    QTest::newRow("ASCII case") << "Kogyo"
                                << "%KOGYO%" << 1;
    QTest::newRow("full-width letters, other case") << "ａｂｃ工業"
                                                    << "%ＡＢＣ%" << 1;
    QTest::newRow("Greek") << "αβγ"
                           << "%ΑΒΓ%" << 1;
    QTest::newRow("Japanese substring") << "架空スレート工業株式会社"
                                        << "%工業%" << 1;
    QTest::newRow("no match") << "架空窯業株式会社"
                              << "%工業%" << 0;
    // Widths, dashes and case are folded alike on both sides; kinds of kana, the long
    // vowel mark and look-alike letters are not.
    QTest::newRow("full-width typed, half-width stored") << "DJ-2747"
                                                         << "%ＤＪ－２７４７%" << 1;
    QTest::newRow("half-width typed, full-width stored") << "ＤＪ－２７４７"
                                                         << "%dj-2747%" << 1;
    QTest::newRow("full-width dash typed, en dash stored") << "AB\u2013100"
                                                           << "%AB－100%" << 1;
    QTest::newRow("minus sign and em dash") << "AB\u2212100"
                                            << "%AB\u2014100%" << 1;
    QTest::newRow("half-width katakana stored") << "ｶﾞﾗｽ工業"
                                                << "%ガラス%" << 1;
    QTest::newRow("half-width katakana typed") << "ガラス工業"
                                               << "%ｶﾞﾗｽ%" << 1;
    QTest::newRow("long vowel mark is no dash") << "ボ－ド"
                                                << "%ボード%" << 0;
    // Typed in kana mode, a dash between letters or digits comes out as the long vowel
    // mark: there it is read as the dash it stands for, on both sides.
    QTest::newRow("long vowel mark typed between letters and digits")
        << "JD－2747"
        << "%ＪＤー２７４７%" << 1;
    QTest::newRow("half-width long vowel mark stored between digits") << "AB12ｰ34"
                                                                      << "%ab12-34%" << 1;
    QTest::newRow("long vowel mark typed between digits, stored so") << "12ー34"
                                                                      << "%12ー34%" << 1;
    QTest::newRow("after kana it stays a long vowel mark") << "ボ-ド"
                                                           << "%ボード%" << 0;
    QTest::newRow("between a letter and kana it stays") << "Aーボ"
                                                        << "%A-ボ%" << 0;
    QTest::newRow("at a wildcard it stays") << "JD-"
                                            << "%JDー%" << 0;
    QTest::newRow("katakana and hiragana differ") << "アスベスト"
                                                  << "%あすべすと%" << 0;
    QTest::newRow("one and small L differ") << "A1B"
                                            << "%AlB%" << 0;
    QTest::newRow("a full-width percent is no wildcard") << "50abc"
                                                         << "%50％%" << 0;
    QTest::newRow("a full-width percent finds itself") << "含有率50%"
                                                       << "%50％%" << 1;
    QTest::newRow("wave dashes differ") << "1970\u301C1990"
                                        << "%\uFF5E%" << 0;
    QTest::newRow("underscore is one character") << "石綿A"
                                                 << "石綿_" << 1;
    QTest::newRow("underscore needs a character") << "石綿"
                                                  << "石綿_" << 0;
    QTest::newRow("anchored start") << "工業"
                                    << "工%" << 1;
    QTest::newRow("anchored end fails") << "工業所"
                                        << "%工業" << 0;
    QTest::newRow("backtracking") << "アアイアイウ"
                                  << "%アイウ" << 1;
    QTest::newRow("empty pattern matches only empty") << ""
                                                      << "" << 1;
    QTest::newRow("percent alone matches empty") << ""
                                                 << "%" << 1;
    QTest::newRow("outside the basic plane") << "\U00020BB7野家"
                                             << "_野家" << 1;
    QTest::newRow("NULL text") << ""
                               << "NULL" << -1;
}

void TestJetSql::likeIgnoresCaseAndWidth() {
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(int, matches);
    Connection c;
    QVERIFY(c.OpenScratch());
    QVERIFY(c.Execute(QStringLiteral("CREATE TABLE t (s TEXT)")));
    QVERIFY(c.ExecuteBound(QStringLiteral("INSERT INTO t VALUES (?)"), {text}));
    Recordset rs;
    const QString sql = pattern == u"NULL" ? QStringLiteral("SELECT NULL LIKE '%'")
                                           : QStringLiteral("SELECT s LIKE '") + pattern +
                                                 QStringLiteral("' FROM t");
    QVERIFY(rs.Open(sql, c));
    if (matches < 0)
        QVERIFY(rs.Field(0).IsNull());
    else
        QCOMPARE(rs.Field(0).ToInteger(), qint64(matches));
    // The escape form works as well.
    QVERIFY(rs.Open(
        QStringLiteral("SELECT '50%' LIKE '50!%' ESCAPE '!', '500' LIKE '50!%' ESCAPE '!'"), c));
    QCOMPARE(rs.Field(0).ToInteger(), 1);
    QCOMPARE(rs.Field(1).ToInteger(), 0);
}

QTEST_GUILESS_MAIN(TestJetSql)
#include "test_jet_sql.moc"
