#include "data/report_data.h"

#include <QtTest>

using namespace solario;

namespace {

// A report data environment opened as at start-up.
struct Env {
    Env() {
        ok = env.OpenConnection();
        if (ok)
            ok = env.OpenRecordsets();
    }
    ReportDataEnvironment env;
    Status ok;
};

QString ConditionValue(ReportRecordset& rs, const QString& column) {
    const Result<const Recordset*> parent = rs.Parent();
    if (!parent)
        return QStringLiteral("<error>");
    return parent.value()->ValueText(0, parent.value()->FieldIndex(column));
}

// The fixed-size column/value arrays of the printing screens: unused entries are empty.
QStringList Fixed(int size, const QStringList& used) {
    QStringList a = used;
    while (a.size() < size)
        a.append(QString());
    return a;
}

QStringList ListRow(int sortNo, const QString& name) {
    return {name,
            QStringLiteral("商品"),
            QStringLiteral("型番"),
            QStringLiteral("メーカー"),
            QStringLiteral("1970～1980"),
            QStringLiteral("5"),
            QStringLiteral("クリソタイル"),
            QStringLiteral("不燃-1"),
            QStringLiteral("%1").arg(sortNo, 7, 10, QChar(u'0')),
            QStringLiteral("01")};
}

} // namespace

class TestReportData : public QObject {
    Q_OBJECT

private slots:
    void shapeCommandsAreParsed();
    void unreadableCommandIsRefused();
    void tablesAndConditionsRow();
    void updateWritesValuesUnchanged_data();
    void updateWritesValuesUnchanged();
    void listsEndAtTheFirstEmptyColumn();
    void insertIsSeenByTheNextRead();
    void secondPrintReplacesTheFirst();
    void detailRowIsOneRecord();
    void failingStatementIsReported();
};

void TestReportData::shapeCommandsAreParsed() {
    Result<ShapeCommand> c1 = ParseShapeCommand(kCommand1Text);
    QVERIFY2(c1, qPrintable(c1.error()));
    QCOMPARE(c1.value().text, kCommand1Text);
    QCOMPARE(c1.value().parentSql, QStringLiteral("SELECT * FROM `帳票検索条件テーブル`"));
    QCOMPARE(c1.value().parentName, QStringLiteral("Command1"));
    QCOMPARE(c1.value().childSql,
             QStringLiteral(
                 "select b.建材名, b.該当件数, b.ソートNo, b.ID from 帳票検索条件テーブル as a, "
                 "帳票アスベスト含有建材名テーブル as b where a.ID = b.ID order by b.ソートNo"));
    QCOMPARE(c1.value().childName, QStringLiteral("Command1_1"));
    QCOMPARE(c1.value().parentKey, QStringLiteral("ID"));
    QCOMPARE(c1.value().childKey, QStringLiteral("ID"));

    Result<ShapeCommand> c2 = ParseShapeCommand(kCommand2Text);
    QVERIFY2(c2, qPrintable(c2.error()));
    QCOMPARE(c2.value().childName, QStringLiteral("Command2_1"));
    QVERIFY(
        c2.value().childSql.startsWith(QStringLiteral("select b.建材名, b.商品名, b.型番・品番,")));
    QVERIFY(c2.value().childSql.endsWith(QStringLiteral("order by b.ソートNo")));

    Result<ShapeCommand> c3 = ParseShapeCommand(kCommand3Text);
    QVERIFY2(c3, qPrintable(c3.error()));
    QCOMPARE(c3.value().parentSql, QStringLiteral("SELECT * FROM `帳票含有建材個別情報テーブル`"));
    QVERIFY(c3.value().childSql.isEmpty());
}

void TestReportData::unreadableCommandIsRefused() {
    QVERIFY(!ParseShapeCommand(QStringLiteral(" SHAPE {SELECT 1} AS A APPEND")));
    QVERIFY(!ParseShapeCommand(QStringLiteral("   ")));
    // A part without its statement is no command.
    QVERIFY(!ParseShapeCommand(
        QStringLiteral("SHAPE { } AS A APPEND ({SELECT 1} AS B RELATE 'ID' TO 'ID') AS B")));
    QVERIFY(!ParseShapeCommand(
        QStringLiteral("SHAPE {SELECT 1} AS A APPEND ({} AS B RELATE 'ID' TO 'ID') AS B")));
    QVERIFY(!ParseShapeCommand(QStringLiteral(
        " SHAPE {SELECT 1}  AS A APPEND ({SELECT 2}  AS B RELATE 'ID' TO 'ID') AS C")));
}

void TestReportData::tablesAndConditionsRow() {
    Env e;
    QVERIFY2(e.ok, qPrintable(e.ok.error()));
    const std::pair<QString, const QStringList*> tables[] = {
        {kConditionsTable, &ConditionsColumns()},
        {kGeneralNameReportTable, &GeneralNameReportColumns()},
        {kListReportTable, &ListReportColumns()},
        {kDetailReportTable, &DetailReportColumns()}};
    for (const auto& [table, columns] : tables) {
        Recordset rs;
        QVERIFY(rs.Open(QStringLiteral("SELECT * FROM `") + table + u'`', e.env.Connection1));
        QStringList names;
        for (int i = 0; i < rs.FieldCount(); ++i)
            names.append(rs.FieldName(i));
        QCOMPARE(names, *columns);
        Recordset types;
        QVERIFY(types.Open(QStringLiteral("SELECT count(*) FROM pragma_table_info('") + table +
                               QStringLiteral("') WHERE type <> 'TEXT'"),
                           e.env.Connection1));
        QCOMPARE(types.Field(0).ToInteger(), 0); // every column is text
    }
    QCOMPARE(DetailReportColumns().size(), 35);

    Result<const Recordset*> parent = e.env.rsCommand1->Parent();
    QVERIFY(parent);
    QCOMPARE(parent.value()->RecordCount(), 1);
    QCOMPARE(ConditionValue(*e.env.rsCommand1, QStringLiteral("ID")), QStringLiteral("01"));
    QVERIFY(parent.value()->Value(0, 1).IsNull());
    Result<const Recordset*> children = e.env.rsCommand1->Children();
    QVERIFY(children);
    QCOMPARE(children.value()->RecordCount(), 0);
}

void TestReportData::updateWritesValuesUnchanged_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("apostrophe") << "O'Neil";
    QTest::newRow("carriage returns") << "一行目\r二行目\r";
    QTest::newRow("leading and trailing blanks") << "  前後に空白  ";
    QTest::newRow("ideographic blank alone") << "\u3000";
    QTest::newRow("single blank") << " ";
    QTest::newRow("quotes and semicolon") << "\"x\"; DROP TABLE 帳票検索条件テーブル; --";
}

void TestReportData::updateWritesValuesUnchanged() {
    QFETCH(QString, value);
    Env e;
    QVERIFY(e.ok);
    const Status s = UpdateReportConditions(
        e.env, *e.env.rsCommand1, Fixed(17, {QStringLiteral("竣工年"), QStringLiteral("施工部位")}),
        Fixed(17, {value, QStringLiteral("B")}));
    QVERIFY2(s, qPrintable(s.error()));
    QCOMPARE(ConditionValue(*e.env.rsCommand1, QStringLiteral("竣工年")), value);
    QCOMPARE(ConditionValue(*e.env.rsCommand1, QStringLiteral("施工部位")), QStringLiteral("B"));
    // Columns that this print does not write keep what they had.
    QVERIFY(UpdateReportConditions(e.env, *e.env.rsCommand2, {QStringLiteral("建材名"), QString()},
                                   {QStringLiteral("C"), QString()}));
    QCOMPARE(ConditionValue(*e.env.rsCommand2, QStringLiteral("竣工年")), value);
    QCOMPARE(ConditionValue(*e.env.rsCommand2, QStringLiteral("建材名")), QStringLiteral("C"));
    // Still exactly one conditions row.
    QCOMPARE(e.env.rsCommand2->Parent().value()->RecordCount(), 1);
}

void TestReportData::listsEndAtTheFirstEmptyColumn() {
    Env e;
    QVERIFY(e.ok);
    QStringList columns = ListReportColumns();
    QStringList values = ListRow(1, QStringLiteral("名"));
    QCOMPARE(columns.size(), 10);
    QVERIFY(InsertRow(e.env, *e.env.rsCommand2, kListReportTable, Fixed(17, columns),
                      Fixed(17, values)));
    // A name after an empty entry is never read.
    QStringList cut = Fixed(17, {QStringLiteral("建材名"), QStringLiteral("ID")});
    cut[2] = QString();
    cut[3] = QStringLiteral("存在しない列");
    QVERIFY(InsertRow(e.env, *e.env.rsCommand2, kListReportTable, cut,
                      Fixed(17, {QStringLiteral("二行目"), QStringLiteral("01")})));
    const Result<const Recordset*> rows = e.env.rsCommand2->Children();
    QVERIFY(rows);
    QCOMPARE(rows.value()->RecordCount(), 2);

    // 16 used columns in a 17-entry array: all 16 are written, the 17th ends the list.
    const QStringList sixteen = DetailReportColumns().mid(0, 16);
    QStringList sixteenValues;
    for (const QString& c : sixteen)
        sixteenValues.append(c + QStringLiteral("の値"));
    QVERIFY(InsertRow(e.env, *e.env.rsCommand3, kDetailReportTable, Fixed(17, sixteen),
                      Fixed(17, sixteenValues)));
    const Recordset* detail = e.env.rsCommand3->Parent().value();
    QCOMPARE(detail->RecordCount(), 1);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(detail->ValueText(0, i), sixteenValues[i]);
    QVERIFY(detail->Value(0, 16).IsNull());

    // Nothing to write is an error, not an invalid statement sent to the engine.
    QVERIFY(!UpdateReportConditions(e.env, *e.env.rsCommand1, Fixed(17, {}), Fixed(17, {})));
    QVERIFY(!InsertRow(e.env, *e.env.rsCommand1, kListReportTable, {}, {}));
}

void TestReportData::insertIsSeenByTheNextRead() {
    Env e;
    QVERIFY(e.ok);
    ReportRecordset& rs = *e.env.rsCommand1;
    QVERIFY(DeleteAllRows(e.env, kGeneralNameReportTable, rs));
    for (int i = 1; i <= 3; ++i) {
        QVERIFY(
            InsertRow(e.env, rs, kGeneralNameReportTable, GeneralNameReportColumns(),
                      {QStringLiteral("建材%1").arg(4 - i), QString::number(i * 10),
                       QStringLiteral("%1").arg(4 - i, 7, 10, QChar(u'0')), QStringLiteral("01")}));
        // Writing only marks the recordset; it reads when the report asks.
        QVERIFY(rs.IsStale());
        const Result<QList<qint32>> mine = rs.ChildRowsOf(0);
        QVERIFY(mine);
        QCOMPARE(mine.value().size(), i);
        QVERIFY(!rs.IsStale());
    }
    // Child rows come in ソートNo order, whatever order they were written in.
    const Recordset* child = rs.Children().value();
    QCOMPARE(child->ValueText(0, 0), QStringLiteral("建材1"));
    QCOMPARE(child->ValueText(2, 0), QStringLiteral("建材3"));
    QCOMPARE(child->ValueText(0, 1), QStringLiteral("30"));
    // A row of another conditions ID belongs to no parent row.
    QVERIFY(InsertRow(e.env, rs, kGeneralNameReportTable, GeneralNameReportColumns(),
                      {QStringLiteral("他"), QStringLiteral("1"), QStringLiteral("0000009"),
                       QStringLiteral("02")}));
    QCOMPARE(rs.ChildRowsOf(0).value().size(), 3);
}

void TestReportData::secondPrintReplacesTheFirst() {
    Env e;
    QVERIFY(e.ok);
    ReportRecordset& rs = *e.env.rsCommand2;
    for (int print = 0; print < 2; ++print) {
        QVERIFY(DeleteAllRows(e.env, kListReportTable, rs));
        const int rows = print == 0 ? 31 : 5;
        for (int i = 1; i <= rows; ++i)
            QVERIFY(InsertRow(e.env, rs, kListReportTable, ListReportColumns(),
                              ListRow(i, QStringLiteral("第%1回").arg(print))));
        const Recordset* child = rs.Children().value();
        QCOMPARE(child->RecordCount(), rows);
        for (int i = 0; i < rows; ++i) {
            QCOMPARE(child->Value(i, child->FieldIndex(QStringLiteral("ソートNo"))).ToText(),
                     QStringLiteral("%1").arg(i + 1, 7, 10, QChar(u'0')));
            QCOMPARE(child->ValueText(i, 0), QStringLiteral("第%1回").arg(print));
        }
    }
}

void TestReportData::detailRowIsOneRecord() {
    Env e;
    QVERIFY(e.ok);
    QStringList values;
    for (const QString& c : DetailReportColumns())
        values.append(QStringLiteral("\u3000") + c);
    QVERIFY(DeleteAllRows(e.env, kDetailReportTable, *e.env.rsCommand2));
    QVERIFY(InsertRow(e.env, *e.env.rsCommand3, kDetailReportTable,
                      Fixed(129, DetailReportColumns()), Fixed(129, values)));
    const Recordset* rs = e.env.rsCommand3->Parent().value();
    QCOMPARE(rs->RecordCount(), 1);
    QCOMPARE(rs->FieldCount(), 35);
    QCOMPARE(rs->ValueText(0, 34), QStringLiteral("\u3000DBバージョン"));
    QVERIFY(e.env.rsCommand3->Children().value()->RecordCount() == 0);
}

void TestReportData::failingStatementIsReported() {
    Env e;
    QVERIFY(e.ok);
    const Status s = UpdateReportConditions(
        e.env, *e.env.rsCommand1, {QStringLiteral("存在しない列")}, {QStringLiteral("x")});
    QVERIFY(!s);
    QVERIFY(s.error().contains(QStringLiteral("存在しない列")));
    QVERIFY(!DeleteAllRows(e.env, QStringLiteral("存在しない表"), *e.env.rsCommand1));
    // The recordset still reads after a failure.
    QCOMPARE(ConditionValue(*e.env.rsCommand1, QStringLiteral("ID")), QStringLiteral("01"));

    e.env.Close();
    QVERIFY(!e.env.rsCommand1->Parent());
    QVERIFY(!DeleteAllRows(e.env, kListReportTable, *e.env.rsCommand2));
}

QTEST_GUILESS_MAIN(TestReportData)
#include "test_report_data.moc"
