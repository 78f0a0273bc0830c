#include "platform/connection.h"
#include "platform/keyed_recordset.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace solario;

namespace {

QByteArray FileHash(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A database file with one small table, written through a scratch-free path.
void MakeDatabase(const QString& path) {
    Connection w;
    // A file database opened for writing only in the test, through the URI layer below.
    QVERIFY(w.OpenScratch());
    QVERIFY(w.ExecuteBound(QStringLiteral("ATTACH DATABASE ? AS f"), {path}));
    QVERIFY(w.ExecuteBound(QStringLiteral("CREATE TABLE f.t (id TEXT, n INTEGER, r REAL, s TEXT)"),
                           {}));
    QVERIFY(w.ExecuteBound(QStringLiteral("INSERT INTO f.t VALUES ('2', 7, 1.5, 'b'), "
                                          "('1', NULL, NULL, ''), ('3', 0, 2.0, NULL)"),
                           {}));
}

} // namespace

class TestConnection : public QObject {
    Q_OBJECT

private slots:
    void refusesWhatIsNotADatabase_data();
    void refusesWhatIsNotADatabase();
    void neverWritesTheDatabase();
    void writesNothingBesideTheFile_data();
    void writesNothingBesideTheFile();
    void opensPathsWithUnusualCharacters();
    void snapshotHoldsExactRowsAndTypes();
    void cursorFollowsTheRows();
    void requeryReadsNewRows();
    void malformedQueryIsAnError_data();
    void malformedQueryIsAnError();
    void longTextsAndManyRowsSurvive();
    void boundTextsComeBackWhole();
    void keyedRowsReadInWindows();
    void keyedReorderAndItsFailures();
};

void TestConnection::refusesWhatIsNotADatabase_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("text file") << "text";
    QTest::newRow("empty file") << "empty";
    QTest::newRow("folder") << "folder";
}

void TestConnection::refusesWhatIsNotADatabase() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.db"));
    if (kind == u"text") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    } else if (kind == u"empty") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    } else if (kind == u"folder") {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("app.db")));
    }
    Connection c;
    const Status s = c.OpenReadOnly(path);
    if (kind == u"empty") {
        // SQLite takes an empty file as an empty database; opening it is no failure,
        // and every query then reports the missing table.
        QVERIFY(s);
        Recordset rs;
        QVERIFY(!rs.Open(QStringLiteral("SELECT * FROM アスベスト建材情報マスタ"), c));
        return;
    }
    QVERIFY(!s);
    QVERIFY(!s.error().isEmpty());
    QVERIFY2(s.error().contains(path), qPrintable(s.error()));
    QVERIFY(!c.IsOpen());
    if (kind == u"missing")
        QVERIFY(!QFile::exists(path)); // opening never creates the file
}

void TestConnection::neverWritesTheDatabase() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.db"));
    MakeDatabase(path);
    const QByteArray before = FileHash(path);
    Connection c;
    QVERIFY(c.OpenReadOnly(path));
    for (const char* sql : {"DELETE FROM t", "INSERT INTO t VALUES ('9', 1, 1, 'x')",
                            "UPDATE t SET s = 'z'", "DROP TABLE t", "CREATE TABLE u (a)"}) {
        const Status s = c.Execute(QString::fromLatin1(sql));
        QVERIFY2(!s, sql);
        QVERIFY2(s.error().contains(QStringLiteral("readonly")), qPrintable(s.error()));
    }
    // Not even a second statement smuggled behind a query gets through.
    Recordset rs;
    QVERIFY(!rs.Open(QStringLiteral("SELECT * FROM t; DELETE FROM t"), c));
    c.Close();
    QCOMPARE(FileHash(path), before);
}

void TestConnection::writesNothingBesideTheFile_data() {
    QTest::addColumn<QString>("journal");
    QTest::newRow("rollback journal") << "DELETE";
    QTest::newRow("write-ahead log") << "WAL";
}

void TestConnection::writesNothingBesideTheFile() {
    // Whatever journal mode the file was written in, reading it leaves its folder as it
    // was: a read-only installation starts, and no -shm or -wal files appear.
    QFETCH(QString, journal);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.db"));
    MakeDatabase(path);
    {
        Connection w;
        QVERIFY(w.OpenScratch());
        QVERIFY(w.ExecuteBound(QStringLiteral("ATTACH DATABASE ? AS f"), {path}));
        QVERIFY(w.ExecuteBound(QStringLiteral("PRAGMA f.journal_mode=") + journal, {}));
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(before, QStringList{QStringLiteral("app.db")});
    Connection c;
    QVERIFY(c.OpenReadOnly(path));
    Recordset rs;
    QVERIFY(rs.Open(QStringLiteral("SELECT id FROM t ORDER BY id"), c));
    QCOMPARE(rs.RecordCount(), 3);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
    c.Close();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
}

void TestConnection::opensPathsWithUnusualCharacters() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("ソラリオ #1 ?%20 100%"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/app.db");
    MakeDatabase(path);
    Connection c;
    const Status s = c.OpenReadOnly(path);
    QVERIFY2(s, qPrintable(s.error()));
    Recordset rs;
    QVERIFY(rs.Open(QStringLiteral("SELECT * FROM t"), c));
    QCOMPARE(rs.RecordCount(), 3);
}

void TestConnection::snapshotHoldsExactRowsAndTypes() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.db"));
    MakeDatabase(path);
    Connection c;
    QVERIFY(c.OpenReadOnly(path));
    Recordset rs;
    QVERIFY(rs.Open(QStringLiteral("SELECT id, n, r, s FROM t ORDER BY id"), c));
    QCOMPARE(rs.RecordCount(), 3);
    QCOMPARE(rs.FieldCount(), 4);
    QCOMPARE(rs.FieldName(3), QStringLiteral("s"));
    QCOMPARE(rs.FieldIndex(QStringLiteral("S")), 3); // names ignore case, as in Jet
    QCOMPARE(rs.FieldIndex(QStringLiteral("nothing")), -1);

    // Row "1": NULL number and an empty text (which is not NULL).
    QVERIFY(rs.Value(0, 1).IsNull());
    QCOMPARE(rs.Value(0, 1).ToText(), QString());
    QCOMPARE(rs.Value(0, 3).type(), FieldValue::Type::Text);
    QVERIFY(!rs.Value(0, 3).IsNull());
    // Row "2": number, real and text.
    QCOMPARE(rs.Value(1, 1).type(), FieldValue::Type::Integer);
    QCOMPARE(rs.Value(1, 1).ToText(), QStringLiteral("7"));
    QCOMPARE(rs.Value(1, 2).ToText(), QStringLiteral("1.5"));
    QCOMPARE(rs.ValueText(1, 3), QStringLiteral("b"));
    // Row "3": a real with no fraction prints without one; NULL text.
    QCOMPARE(rs.ValueText(2, 2), QStringLiteral("2"));
    QVERIFY(rs.Value(2, 3).IsNull());
    // Outside the snapshot there is nothing, and no crash.
    QVERIFY(rs.Value(3, 0).IsNull());
    QVERIFY(rs.Value(0, 9).IsNull());
    QVERIFY(rs.Value(-1, 0).IsNull());
}

void TestConnection::cursorFollowsTheRows() {
    Connection c;
    QVERIFY(c.OpenScratch());
    Recordset rs;
    QVERIFY(rs.Open(QStringLiteral("SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3"), c));
    QStringList seen;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        seen.append(rs.Field(0).ToText());
    QCOMPARE(seen, QStringList({"1", "2", "3"}));
    QVERIFY(rs.Eof());
    QVERIFY(rs.Field(0).IsNull());
    rs.MoveNext(); // past the end stays at the end
    QVERIFY(rs.Eof());
    rs.MoveLast();
    QCOMPARE(rs.Field(0).ToText(), QStringLiteral("3"));

    Recordset empty;
    QVERIFY(empty.Open(QStringLiteral("SELECT 1 WHERE 0"), c));
    QCOMPARE(empty.RecordCount(), 0);
    QVERIFY(empty.Eof());
    QVERIFY(empty.Bof());
    QCOMPARE(empty.FieldCount(), 1);
}

void TestConnection::requeryReadsNewRows() {
    Connection c;
    QVERIFY(c.OpenScratch());
    QVERIFY(c.Execute(QStringLiteral("CREATE TABLE t (a TEXT)")));
    Recordset rs;
    QVERIFY(rs.Open(QStringLiteral("SELECT a FROM t"), c));
    QCOMPARE(rs.RecordCount(), 0);
    QVERIFY(c.ExecuteBound(QStringLiteral("INSERT INTO t VALUES (?)"), {QStringLiteral("it's")}));
    QCOMPARE(rs.RecordCount(), 0); // a snapshot
    QVERIFY(rs.Requery());
    QCOMPARE(rs.RecordCount(), 1);
    QCOMPARE(rs.Field(0).ToText(), QStringLiteral("it's"));
}

void TestConnection::malformedQueryIsAnError_data() {
    QTest::addColumn<QString>("sql");
    QTest::newRow("unbalanced quote") << "SELECT a FROM t WHERE a = 'x";
    QTest::newRow("unknown column") << "SELECT nothing FROM t";
    QTest::newRow("unknown table") << "SELECT * FROM nothing";
    QTest::newRow("garbage") << ")))(((";
    QTest::newRow("empty") << "";
    QTest::newRow("two statements") << "SELECT 1; SELECT 2";
    // SQLite would read only up to the NUL, a statement that still runs, finding all.
    QTest::newRow("NUL cutting a condition")
        << QStringLiteral("SELECT * FROM t WHERE a = 'b' OR 1") + QChar(0) + QStringLiteral(" = 0");
}

void TestConnection::malformedQueryIsAnError() {
    QFETCH(QString, sql);
    Connection c;
    QVERIFY(c.OpenScratch());
    QVERIFY(c.Execute(QStringLiteral("CREATE TABLE t (a TEXT)")));
    Recordset rs;
    QVERIFY(rs.Open(QStringLiteral("SELECT 1"), c));
    const Status s = rs.Open(sql, c);
    QVERIFY(!s);
    QVERIFY(!s.error().isEmpty());
    QVERIFY(!rs.IsOpen());
    QCOMPARE(rs.RecordCount(), 0);
    QVERIFY(!c.Execute(sql));

    Recordset never;
    QVERIFY(!never.Requery()); // nothing to read again
    Connection closed;
    QVERIFY(!never.Open(QStringLiteral("SELECT 1"), closed));
}

void TestConnection::longTextsAndManyRowsSurvive() {
    // Texts longer than one storage block, and enough rows to fill several blocks.
    Connection c;
    QVERIFY(c.OpenScratch());
    QVERIFY(c.Execute(QStringLiteral("CREATE TABLE t (i INTEGER, s TEXT)")));
    const QString huge = QString(3'000'000, QChar(u'石'));
    QVERIFY(c.ExecuteBound(QStringLiteral("INSERT INTO t VALUES (0, ?)"), {huge}));
    QVERIFY(c.ExecuteBound(
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 60000) "
            "INSERT INTO t SELECT i, printf('行%05d・%s', i, substr('アスベスト含有建材', 1, i % "
            "9)) FROM n"),
        {}));
    Recordset rs;
    QVERIFY(rs.Open(QStringLiteral("SELECT i, s FROM t ORDER BY i"), c));
    QCOMPARE(rs.RecordCount(), 60001);
    QCOMPARE(rs.ValueText(0, 1), huge);
    for (int i : {1, 2, 8, 9, 30000, 59999, 60000}) {
        const QString expected = QStringLiteral("行%1・").arg(i, 5, 10, QChar(u'0')) +
                                 QStringLiteral("アスベスト含有建材").left(i % 9);
        QCOMPARE(rs.ValueText(i, 1), expected);
        QCOMPARE(rs.Value(i, 0).ToInteger(), qint64(i));
    }
}

void TestConnection::boundTextsComeBackWhole() {
    // A value that begins with what looks like a byte-order mark is stored as given, and the
    // same text quoted into a statement finds it.
    Connection c;
    QVERIFY(c.OpenScratch());
    QVERIFY(c.Execute(QStringLiteral("CREATE TABLE t (s TEXT)")));
    const QStringList texts = {QStringLiteral(u"\uFFFE\uFFFDk\uFFFDy"), QStringLiteral(u"\uFEFFJD－2747"),
                               QStringLiteral(u"\uFFFE石綿"), QStringLiteral(u"石綿\uFEFF")};
    for (const QString& text : texts) {
        QVERIFY(c.Execute(QStringLiteral("DELETE FROM t")));
        QVERIFY(c.ExecuteBound(QStringLiteral("INSERT INTO t VALUES (?)"), {text}));
        Recordset rs;
        QVERIFY(rs.Open(QStringLiteral("SELECT s, s = '") + text + QStringLiteral("' FROM t"), c));
        QCOMPARE(rs.ValueText(0, 0), text);
        QCOMPARE(rs.Value(0, 1).ToInteger(), qint64(1));
    }
}

// A table of 2 000 rows whose stored order is not the order asked for.
void MakeNumbers(Connection& c) {
    QVERIFY(c.OpenScratch());
    QVERIFY(c.Execute(QStringLiteral("CREATE TABLE t (v INTEGER, s TEXT)")));
    QVERIFY(c.ExecuteBound(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < "
                       "1999) INSERT INTO t SELECT (i * 7919) % 2000, 'v' || ((i * 7919) % 2000) "
                       "FROM n"),
        {}));
}

// Rows far more than the windows kept, read in a scattered order and again: every cell
// is the row's own, whichever windows were dropped in between.
void TestConnection::keyedRowsReadInWindows() {
    Connection c;
    MakeNumbers(c);
    KeyedRecordset rs;
    QVERIFY(rs.Open(c, QStringLiteral("SELECT _rowid_, v FROM t ORDER BY v"),
                    QStringLiteral("SELECT v, s, _rowid_ FROM t"), QStringLiteral("_rowid_")));
    QCOMPARE(rs.RecordCount(), 2000);
    QCOMPARE(rs.FieldCount(), 2);
    QCOMPARE(rs.FieldName(1), QStringLiteral("s"));
    QCOMPARE(rs.FieldIndex(QStringLiteral("S")), 1);
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < 2000; ++i) {
            const qint32 row = qint32((i * 1237 + pass * 500) % 2000);
            QCOMPARE(rs.Value(row, 0).ToInteger(), qint64(row));
            QCOMPARE(rs.ValueText(row, 1), QStringLiteral("v%1").arg(row));
        }
    QVERIFY(rs.Value(2000, 0).IsNull());
    QVERIFY(rs.Value(-1, 0).IsNull());
    QVERIFY(rs.Value(0, 2).IsNull()); // the key column is not a cell
    // Rows by key, in the keys' order; a key no row has reads as no cells.
    const auto rows = rs.ReadByKeys({rs.Key(5), 999999, rs.Key(5), rs.Key(1999)});
    QVERIFY(rows);
    QCOMPARE(rows.value()[0].at(1).ToText(), QStringLiteral("v5"));
    QVERIFY(rows.value()[1].empty());
    QCOMPARE(rows.value()[2].at(1).ToText(), QStringLiteral("v5"));
    QCOMPARE(rows.value()[3].at(1).ToText(), QStringLiteral("v1999"));
}

// Another order reads the keys only; rows with equal sort values come in stored order; a
// failing order leaves the rows and their order as they were.
void TestConnection::keyedReorderAndItsFailures() {
    Connection c;
    MakeNumbers(c);
    KeyedRecordset rs;
    QVERIFY(!rs.Open(c, QStringLiteral("SELECT _rowid_ FROM missing"),
                     QStringLiteral("SELECT v, _rowid_ FROM t"), QStringLiteral("_rowid_")));
    QVERIFY(!rs.IsOpen());
    QVERIFY(!rs.Open(c, QStringLiteral("SELECT _rowid_ FROM t"),
                     QStringLiteral("SELECT nothing, _rowid_ FROM t"), QStringLiteral("_rowid_")));
    QVERIFY(!rs.IsOpen());
    QVERIFY(rs.Open(c, QStringLiteral("SELECT _rowid_, v FROM t ORDER BY v DESC"),
                    QStringLiteral("SELECT v, _rowid_ FROM t"), QStringLiteral("_rowid_")));
    QCOMPARE(rs.ValueText(0, 0), QStringLiteral("1999"));
    // Ten groups of equal values, each read backwards by the engine: the stored order wins.
    QVERIFY(rs.Reorder(QStringLiteral("SELECT _rowid_, v % 10 FROM t ORDER BY v % 10 DESC, "
                                      "_rowid_ DESC")));
    QCOMPARE(rs.RecordCount(), 2000);
    for (qint32 r = 1; r < rs.RecordCount(); ++r) {
        const qint64 a = rs.Value(r - 1, 0).ToInteger() % 10, b = rs.Value(r, 0).ToInteger() % 10;
        QVERIFY(a > b || (a == b && rs.Key(r - 1) < rs.Key(r)));
    }
    const QString before = rs.ValueText(0, 0);
    QVERIFY(!rs.Reorder(QStringLiteral("SELECT _rowid_ FROM t ORDER BY nothing")));
    QVERIFY(rs.IsOpen());
    QCOMPARE(rs.RecordCount(), 2000);
    QCOMPARE(rs.ValueText(0, 0), before);
}

QTEST_GUILESS_MAIN(TestConnection)
#include "test_connection.moc"
