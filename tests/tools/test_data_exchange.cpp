#include "data/database.h"
#include "data/field_catalogue.h"
#include "data/list_export.h"
#include "platform/connection.h"
#include "tools/data_exchange.h"
#include "tools/sample_data.h"

#include "support/scratch_mount.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QThread>
#include <csignal>
#include <unistd.h>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

using namespace solario;
using namespace solario::exchange;
using namespace Qt::StringLiterals;

namespace {

const QString kEdition = u"２０２６年１２月版"_s;

// Rows of a query as texts of SQLite's quote(), one list per row, straight from the
// engine (no translation layer in between).
QList<QStringList> Rows(const QString& path, const QString& sql) {
    QList<QStringList> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return {{u"cannot open"_s}};
    }
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        rows = {{QString::fromUtf8(sqlite3_errmsg(db))}};
    } else {
        while (sqlite3_step(st) == SQLITE_ROW) {
            QStringList row;
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                row.append(
                    QString::fromUtf16(static_cast<const char16_t*>(sqlite3_column_text16(st, c)),
                                       sqlite3_column_bytes16(st, c) / 2));
            rows.append(row);
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

// Every column of a table as quote() texts (type and value), in stored order.
QList<QStringList> TableRows(const QString& path, const QString& table) {
    QStringList quoted;
    for (const QString& c : MaterialTableColumns(table))
        quoted.append(u"quote(\""_s + c + u"\")"_s);
    return Rows(path, u"SELECT "_s + quoted.join(u',') + u" FROM \""_s + table +
                          u"\" ORDER BY _rowid_"_s);
}

// A row of a file: the table's columns, each given as it stands in the file (quotes
// included), the rest as the default says.
QString Line(const QString& table, const QHash<QString, QString>& fields,
             const QString& separator = u"\r\n"_s) {
    QStringList out;
    for (const QString& c : MaterialTableColumns(table)) {
        if (fields.contains(c)) {
            out.append(fields.value(c));
            continue;
        }
        // Products: yes/no columns "0", everything else empty.
        bool yesNo = false;
        if (table == kMaterialTable) {
            AppState s;
            InitFieldCatalogue(s);
            for (int i = 0; i < s.FieldCount; ++i)
                if (s.FieldNames[size_t(i)] == c)
                    yesNo = s.FieldKinds[size_t(i)] == kKindYesNo;
        }
        out.append(yesNo ? u"0"_s : QString());
    }
    return out.join(u',') + separator;
}

QString Heading(const QString& table, const QString& separator = u"\r\n"_s) {
    return MaterialTableColumns(table).join(u',') + separator;
}

// The three files of a small, sound import: two general names of asbestos-containing
// materials, one without, and one product.
struct Folder {
    QString containing = Heading(kContainingTable) +
                         Line(kContainingTable, {{u"一般名"_s, u"\"吹付け石綿\""_s},
                                                 {u"ID"_s, u"\"01\""_s},
                                                 {u"軒天井"_s, u"10"_s},
                                                 {u"仕上げ材"_s, u"1"_s}}) +
                         Line(kContainingTable, {{u"一般名"_s, u"\"石綿含有ビニル床タイル\""_s},
                                                 {u"ID"_s, u"\"02\""_s},
                                                 {u"廊下居室床"_s, u"10"_s}});
    QString nonContaining = Heading(kNonContainingTable) +
                            Line(kNonContainingTable, {{u"一般名"_s, u"\"ロックウール\""_s},
                                                       {u"ID"_s, u"\"N01\""_s},
                                                       {u"断熱材"_s, u"10"_s}});
    QString products = Heading(kMaterialTable) +
                       Line(kMaterialTable, {{u"建材名（一般名）"_s, u"\"吹付け石綿\""_s},
                                             {u"商品名"_s, u"\"ソラリナ\""_s},
                                             {u"ID"_s, u"\"P1\""_s}});

    // A second product, P2, whose column holds the given (faulty) field: file line 3.
    void AddFaultyProduct(const QString& column, const QString& field) {
        products += Line(kMaterialTable, {{u"建材名（一般名）"_s, u"\"吹付け石綿\""_s},
                                          {u"ID"_s, u"\"P2\""_s},
                                          {column, field}});
    }

    void Write(const QString& dir, const QByteArray& encoding = "UTF-8") const {
        QDir().mkpath(dir);
        const QList<std::pair<QString, QString>> files = {{kContainingTable, containing},
                                                          {kNonContainingTable, nonContaining},
                                                          {kMaterialTable, products}};
        for (const auto& [table, text] : files) {
            QFile f(QDir(dir).filePath(TableFileName(table)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            QStringEncoder encoder(encoding.constData());
            QVERIFY(encoder.isValid());
            f.write(encoder.encode(text));
        }
    }
};

struct Outcome {
    Status status;
    ImportSummary summary;
    QList<Rejection> rejections;
};

Outcome Import(const QString& folder, const QString& target, bool strict = false,
               bool allowEmpty = false) {
    Outcome o;
    ImportOptions options;
    options.edition = kEdition;
    options.strict = strict;
    options.allowEmpty = allowEmpty;
    options.date = QDate(2026, 12, 10);
    options.rejected = [&o](const Rejection& r) { o.rejections.append(r); };
    o.status = ImportDatabase(folder, target, options, o.summary);
    return o;
}

QStringList FolderEntries(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

} // namespace

class TestDataExchange : public QObject {
    Q_OBJECT

private slots:
    void exportThenImportGivesTheSameTables();
    void fieldForms_data();
    void fieldForms();
    void rejectedRowsAreListedAndTheRestKept();
    void strictRefusesTheWholeImport();
    void brokenInputsLeaveTheTargetAlone_data();
    void brokenInputsLeaveTheTargetAlone();
    void spreadsheetAndDatabaseExportsAreRead();
    void recordsDoNotDependOnBlocks_data();
    void recordsDoNotDependOnBlocks();
    void toolReportsByExitStatus();
    void spreadsheetTextsNeverRunAsFormulas_data();
    void spreadsheetTextsNeverRunAsFormulas();
    void formulaLikeTextsGoOutAndComeBackUnchanged();
    void whatMustNotBeReplacedIsRefused_data();
    void whatMustNotBeReplacedIsRefused();
    void anEmptyTableIsRefusedUnlessAllowed();
    void unicodeFilesAreReadOrRefusedWithTheReason_data();
    void unicodeFilesAreReadOrRefusedWithTheReason();
    void idsThatLostTheirZerosAreDoubted_data();
    void idsThatLostTheirZerosAreDoubted();
    void leftoversOfKilledRunsAreRemoved();
    void anExportReplacesAllFilesOrNone();
    void anExportOntoAFullDiskKeepsTheOldFiles();
    void aSignalLeavesNothingBehind();
    void installPutsTheDatabaseInTheUsersFolder();

private:
    QTemporaryDir dir_;
};

void TestDataExchange::exportThenImportGivesTheSameTables() {
    const QString original = dir_.filePath(u"roundtrip/original.db"_s);
    QDir().mkpath(dir_.filePath(u"roundtrip"_s));
    QVERIFY(sample::WriteSampleDatabase(original, 600));
    // The sample holds what the format must tell apart: NULL beside empty texts, and
    // texts with a lone CR, commas and quotes are written through the same path.
    QVERIFY(
        !Rows(original, u"SELECT 1 FROM アスベスト建材情報マスタ WHERE 俗称 IS NULL"_s).isEmpty());
    QVERIFY(!Rows(original, u"SELECT 1 FROM アスベスト建材情報マスタ WHERE 俗称 = ''"_s).isEmpty());
    QVERIFY(!Rows(original,
                  u"SELECT 1 FROM アスベスト建材情報マスタ WHERE instr(備考欄, char(13)) > 0"_s)
                 .isEmpty());

    const QString folder = dir_.filePath(u"roundtrip/csv"_s);
    QList<TableCount> counts;
    const Status exported = ExportDatabase(original, folder, counts);
    QVERIFY2(exported, qPrintable(exported.error()));
    QCOMPARE(counts.size(), 3);
    QCOMPARE(counts[2].rows, 600);

    const QByteArray products = ReadAll(QDir(folder).filePath(TableFileName(kMaterialTable)));
    QVERIFY(products.startsWith("\xEF\xBB\xBF\xE5\xBB\xBA")); // BOM, then 建材名（一般名）
    // CR LF ends every line; the sample's texts hold lone CRs only.
    QCOMPARE(products.count('\n'), products.count("\r\n"));
    QVERIFY(products.endsWith("\r\n"));
    QVERIFY(!products.contains("\n\n"));

    const QString imported = dir_.filePath(u"roundtrip/imported.db"_s);
    const Outcome o = Import(folder, imported);
    QVERIFY2(o.status, qPrintable(o.status.error()));
    QCOMPARE(o.summary.rejected, 0);
    for (const QString& table : ExchangedTables())
        QCOMPARE(TableRows(imported, table), TableRows(original, table));

    // The same indexes as the generator writes, the edition and the date, and no mark
    // of made-up data.
    QCOMPARE(
        Rows(imported, u"SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name"_s),
        Rows(original, u"SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name"_s));
    QCOMPARE(Rows(imported, u"SELECT key, value FROM solario_metadata ORDER BY key"_s),
             (QList<QStringList>{{u"edition"_s, kEdition}, {u"imported"_s, u"2026-12-10"_s}}));
    Connection c;
    QVERIFY(c.OpenReadOnly(imported));
    QVERIFY(!IsSampleDatabase(c));
    QCOMPARE(DatabaseEdition(c), kEdition);
    c.Close();
    // A rollback-journal file, left with nothing beside it.
    QCOMPARE(Rows(imported, u"PRAGMA journal_mode"_s), (QList<QStringList>{{u"delete"_s}}));
    QCOMPARE(FolderEntries(dir_.filePath(u"roundtrip"_s)),
             (QStringList{u"imported.db"_s, u"original.db"_s}));
}

void TestDataExchange::fieldForms_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("field");   // as it stands in the file
    QTest::addColumn<QString>("stored");  // quote() of the stored value, when accepted
    QTest::addColumn<QString>("refusal"); // part of the reason, when refused

    const QString p = kMaterialTable;
    const QString flag = u"外装材（屋根）"_s;
    // Yes/no, in the forms spreadsheets and database exports write.
    for (const auto& [field, stored] : QList<std::pair<QString, QString>>{{u"1"_s, u"1"_s},
                                                                          {u"0"_s, u"0"_s},
                                                                          {u"-1"_s, u"1"_s},
                                                                          {u"TRUE"_s, u"1"_s},
                                                                          {u"False"_s, u"0"_s},
                                                                          {u"yes"_s, u"1"_s},
                                                                          {u"No"_s, u"0"_s},
                                                                          {u"○"_s, u"1"_s},
                                                                          {QString(), u"0"_s},
                                                                          {u"\"1\""_s, u"1"_s},
                                                                          {u" 0 "_s, u"0"_s}})
        QTest::addRow("yes/no %s", qPrintable(field)) << p << flag << field << stored << QString();
    QTest::newRow("yes/no refused")
        << p << flag << u"2"_s << QString() << u"はい・いいえとして読めません"_s;
    QTest::newRow("yes/no 〇 is not ○") << p << flag << u"〇"_s << QString() << u"はい・いいえ"_s;

    // Years: whole numbers, also as a floating column exports them.
    const QString start = u"製造開始"_s;
    QTest::newRow("year") << p << start << u"1990"_s << u"1990"_s << QString();
    QTest::newRow("year with zero fraction")
        << p << start << u"1990.000000"_s << u"1990"_s << QString();
    QTest::newRow("year 0: none recorded") << p << start << u"0"_s << u"0"_s << QString();
    QTest::newRow("year empty") << p << u"製造終了"_s << QString() << u"NULL"_s << QString();
    QTest::newRow("year fraction") << p << start << u"1990.5"_s << QString() << u"年は整数で"_s;
    QTest::newRow("year two digits") << p << start << u"90"_s << QString() << u"西暦4桁か 0"_s;
    QTest::newRow("year as era") << p << start << u"\"平成2年\""_s << QString()
                                 << u"数値として読めません"_s;
    QTest::newRow("year as date") << p << start << u"\"12/01/90 00:00:00\""_s << QString()
                                  << u"数値として"_s;

    const QString size = u"形状・外観（ボード状厚さmm）"_s;
    QTest::newRow("number with blanks") << p << size << u" 12 "_s << u"12"_s << QString();
    QTest::newRow("number fraction") << p << size << u"4.5"_s << u"4.5"_s << QString();
    QTest::newRow("number with separator")
        << p << size << u"\"1,200\""_s << QString() << u"数値として"_s;
    QTest::newRow("number infinite") << p << size << u"inf"_s << QString() << u"数値として"_s;

    // Texts: NULL and empty told apart; quotes, commas and line ends kept.
    const QString name = u"商品名"_s;
    QTest::newRow("text NULL") << p << name << QString() << u"NULL"_s << QString();
    QTest::newRow("text empty") << p << name << u"\"\""_s << u"''"_s << QString();
    QTest::newRow("text unquoted") << p << name << u"ソラリナ"_s << u"'ソラリナ'"_s << QString();
    QTest::newRow("text comma and quotes")
        << p << name << u"\"a,\"\"b\"\"\""_s << u"'a,\"b\"'"_s << QString();
    QTest::newRow("text apostrophe and ％")
        << p << name << u"\"O'Neil 5％\""_s << u"'O''Neil 5％'"_s << QString();
    QTest::newRow("text CR LF") << p << u"備考欄"_s << u"\"一\r\n二\""_s << u"'一\r\n二'"_s
                                << QString();
    QTest::newRow("text lone CR") << p << u"備考欄"_s << u"\"一\r二\""_s << u"'一\r二'"_s
                                  << QString();
    QTest::newRow("text NUL") << p << name << u"\"a\u0000b\""_s << QString()
                              << u"制御文字（U+0000）"_s;
    QTest::newRow("text after quote")
        << p << name << u"\"a\"b"_s << QString() << u"区切りのない文字"_s;

    // Keys and names.
    QTest::newRow("ID empty") << p << u"ID"_s << u"\"\""_s << QString() << u"ID が空です"_s;
    QTest::newRow("ID missing") << p << u"ID"_s << QString() << QString() << u"ID が空です"_s;
    QTest::newRow("general name unknown")
        << p << u"建材名（一般名）"_s << u"\"石綿\""_s << QString()
        << u"一般名「石綿」が 一般名－部位_含有マスタ にありません"_s;
    QTest::newRow("general name empty")
        << p << u"建材名（一般名）"_s << QString() << QString() << u"一般名が空です"_s;

    // The general-name tables: a part holds a sort key, a usage is written only when
    // it applies (the searches take any value there as "applies").
    const QString g = kContainingTable;
    QTest::newRow("part sort key") << g << u"軒天井"_s << u"30"_s << u"30"_s << QString();
    QTest::newRow("part empty") << g << u"軒天井"_s << QString() << u"NULL"_s << QString();
    QTest::newRow("part as mark") << g << u"軒天井"_s << u"○"_s << QString() << u"数値として"_s;
    QTest::newRow("usage yes") << g << u"仕上げ材"_s << u"○"_s << u"1"_s << QString();
    QTest::newRow("usage -1") << g << u"仕上げ材"_s << u"-1"_s << u"1"_s << QString();
    QTest::newRow("usage empty") << g << u"仕上げ材"_s << QString() << u"NULL"_s << QString();
    QTest::newRow("usage 0") << g << u"仕上げ材"_s << u"0"_s << QString()
                             << u"当てはまらないときは空欄"_s;
    QTest::newRow("usage False") << g << u"仕上げ材"_s << u"False"_s << QString() << u"空欄"_s;
}

void TestDataExchange::fieldForms() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, field);
    QFETCH(QString, stored);
    QFETCH(QString, refusal);

    static int n = 0;
    const QString folder = dir_.filePath(u"forms/%1"_s.arg(++n));
    Folder files;
    if (table == kMaterialTable) {
        QHash<QString, QString> fields = {{u"建材名（一般名）"_s, u"\"吹付け石綿\""_s},
                                          {u"ID"_s, u"\"P1\""_s}};
        fields.insert(column, field);
        files.products = Heading(table) + Line(table, fields);
    } else {
        files.containing = Heading(table) + Line(table, {{u"一般名"_s, u"\"吹付け石綿\""_s},
                                                         {u"ID"_s, u"\"01\""_s},
                                                         {column, field}});
    }
    files.Write(folder);
    const QString target = folder + u"/app.db"_s;
    // A refused row leaves its table empty: that is imported here, to be looked at.
    const Outcome o = Import(folder, target, false, true);
    QVERIFY2(o.status, qPrintable(o.status.error()));
    if (!refusal.isEmpty()) {
        QVERIFY(!o.rejections.isEmpty());
        const Rejection& r = o.rejections.front();
        QCOMPARE(r.file, TableFileName(table));
        QCOMPARE(r.line, 2);
        if (!r.column.isEmpty())
            QCOMPARE(r.column, column);
        QVERIFY2(r.reason.contains(refusal), qPrintable(r.reason));
        QCOMPARE(Rows(target, u"SELECT count(*) FROM \""_s + table + u'"').value(0).value(0),
                 u"0"_s);
        return;
    }
    QCOMPARE(o.rejections.size(), 0);
    QCOMPARE(Rows(target, u"SELECT quote(\""_s + column + u"\") FROM \""_s + table + u'"'),
             (QList<QStringList>{{stored}}));
}

void TestDataExchange::rejectedRowsAreListedAndTheRestKept() {
    const QString folder = dir_.filePath(u"rejected"_s);
    const QString t = kMaterialTable;
    auto product = [&](const QString& id, const QHash<QString, QString>& more = {}) {
        QHash<QString, QString> f = {{u"建材名（一般名）"_s, u"\"吹付け石綿\""_s}, {u"ID"_s, id}};
        f.insert(more);
        return Line(t, f);
    };
    Folder files;
    files.products =
        Heading(t) +                                                                      // line 1
        product(u"\"P1\""_s) +                                                            // 2
        product(u"\"P2\""_s, {{u"備考欄"_s, u"\"二行の\r\n備考\""_s}}) +                  // 3-4
        product(u"\"P3\""_s, {{u"製造開始"_s, u"1990.5"_s}}) +                            // 5
        u"\"P4\",1,2\r\n"_s +                                                             // 6
        product(u"\"P1\""_s) +                                                            // 7
        u"\r\n"_s +                                                                       // 8
        product(u"\"P5\""_s, {{u"製造開始"_s, u"19x"_s}, {u"外装材（屋根）"_s, u"9"_s}}); // 9
    files.Write(folder);
    const QString target = folder + u"/app.db"_s;
    const Outcome o = Import(folder, target);
    QVERIFY2(o.status, qPrintable(o.status.error()));

    QStringList listed;
    for (const Rejection& r : o.rejections)
        listed.append(RejectionText(r));
    const QString f = TableFileName(t);
    QCOMPARE(
        listed,
        (QStringList{
            f + u":5: 製造開始: 年は整数で書いてください（「1990.5」）"_s,
            f + u":6: 列の数が見出しと違います（見出し 83 列、この行 3 列）"_s,
            f + u":7: ID: ID「P1」は 2 行目と重複しています"_s,
            f + u":9: 製造開始: 数値として読めません（「19x」）"_s,
            f + u":9: 外装材（屋根）: はい・いいえとして読めません（「9」）。1/0、-1、True/False、Yes/No、○/空欄のどれかで書いてください"_s}));
    QCOMPARE(o.summary.rejected, 4);
    QCOMPARE(o.summary.tables.size(), 3);
    QCOMPARE(o.summary.tables[2].rows, 2);
    QCOMPARE(o.summary.tables[2].rejected, 4);
    QCOMPARE(o.summary.tables[2].blankLines, 1);
    QCOMPARE(Rows(target, u"SELECT ID, 備考欄 FROM アスベスト建材情報マスタ ORDER BY _rowid_"_s),
             (QList<QStringList>{{u"P1"_s, QString()}, {u"P2"_s, u"二行の\r\n備考"_s}}));
}

void TestDataExchange::strictRefusesTheWholeImport() {
    const QString folder = dir_.filePath(u"strict"_s);
    Folder files;
    files.AddFaultyProduct(u"製造終了"_s, u"99"_s);
    files.Write(folder);
    const QString target = folder + u"/app.db"_s;
    QVERIFY(sample::WriteSampleDatabase(target, 20)); // the database in use
    const QByteArray inUse = ReadAll(target);
    const QStringList before = FolderEntries(folder);
    const Outcome o = Import(folder, target, true);
    QVERIFY(!o.status);
    QCOMPARE(o.status.error(), u"取り込みを中止しました（--strict）: "_s +
                                   TableFileName(kMaterialTable) +
                                   u":3: 製造終了: 年は西暦4桁か 0 で書いてください（「99」）"_s);
    QVERIFY(ReadAll(target) == inUse);
    QCOMPARE(FolderEntries(folder), before);
}

void TestDataExchange::brokenInputsLeaveTheTargetAlone_data() {
    QTest::addColumn<QString>("table");    // the file made broken
    QTest::addColumn<QByteArray>("bytes"); // its contents; empty: the file is missing
    QTest::addColumn<QString>("message");

    const QByteArray heading = Heading(kMaterialTable).toUtf8();
    QTest::newRow("file missing") << kMaterialTable << QByteArray() << u"ファイルがありません"_s;
    QTest::newRow("no heading") << kMaterialTable << QByteArray("\xEF\xBB\xBF")
                                << u"見出しの行がありません"_s;
    QTest::newRow("column missing")
        << kMaterialTable << Heading(kMaterialTable).replace(u",備考欄"_s, QString()).toUtf8()
        << u":1: 見出しに次の列がありません: 備考欄"_s;
    QTest::newRow("column twice") << kMaterialTable
                                  << QByteArray(heading).replace("\r\n", ",ID\r\n")
                                  << u":1: 見出しに列「ID」が二度あります"_s;
    // Bytes that are neither UTF-8 nor CP932 (0x81 0x20 starts no CP932 character).
    QStringEncoder cp932("windows-31j");
    const QByteArray cp932Heading = cp932.encode(Heading(kNonContainingTable));
    QTest::newRow("not text") << kNonContainingTable
                              << (cp932Heading + "\"\x81\x20\",\"N1\"" +
                                  QByteArray(MaterialTableColumns(kNonContainingTable).size() - 2,
                                             ',') +
                                  "\r\n")
                              << u"Shift_JIS として読めない文字があります"_s;
}

void TestDataExchange::brokenInputsLeaveTheTargetAlone() {
    QFETCH(QString, table);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    static int n = 0;
    const QString folder = dir_.filePath(u"broken/%1"_s.arg(++n));
    Folder().Write(folder);
    const QString file = QDir(folder).filePath(TableFileName(table));
    QFile::remove(file);
    if (!bytes.isEmpty()) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const QString target = folder + u"/app.db"_s;
    QVERIFY(sample::WriteSampleDatabase(target, 50));
    const QByteArray before = ReadAll(target);
    const QStringList entries = FolderEntries(folder);

    const Outcome o = Import(folder, target);
    QVERIFY(!o.status);
    QVERIFY2(o.status.error().contains(message), qPrintable(o.status.error()));
    QVERIFY(ReadAll(target) == before);
    QCOMPARE(FolderEntries(folder), entries);
}

void TestDataExchange::spreadsheetAndDatabaseExportsAreRead() {
    const QString folder = dir_.filePath(u"foreign"_s);
    Folder files;
    // As the Access export tool writes a table: LF line ends, no byte-order mark, the
    // heading unquoted, texts quoted, numbers and TRUE/FALSE (its --boolean-words) bare,
    // NULL and empty texts alike as nothing, and the table's own column order with a
    // column the program does not use.
    QStringList columns = MaterialTableColumns(kMaterialTable);
    columns.move(columns.indexOf(u"ID"_s), 0);
    columns.append(u"更新日"_s);
    QHash<QString, QString> values = {{u"ID"_s, u"\"P9\""_s},
                                      {u"建材名（一般名）"_s, u"\"石綿含有ビニル床タイル\""_s},
                                      {u"商品名"_s, u"\"ＮＥＷ \"\"タイル\"\"\""_s},
                                      {u"製造開始"_s, u"1975"_s},
                                      {u"内装材（床）"_s, u"TRUE"_s},
                                      {u"備考欄"_s, u"\"一行目\n二行目\""_s},
                                      {u"更新日"_s, u"\"12/01/06 00:00:00\""_s}};
    QStringList row;
    for (const QString& c : columns) {
        AppState s;
        InitFieldCatalogue(s);
        const int i = FindFieldIndex(s, c);
        row.append(values.contains(c) ? values.value(c)
                   : i >= 0 && s.FieldNames[size_t(i)] == c && s.FieldKinds[size_t(i)] == kKindYesNo
                       ? u"FALSE"_s
                       : QString());
    }
    files.products = columns.join(u',') + u'\n' + row.join(u',') + u'\n';
    // As Japanese Excel saves a sheet as "CSV": Shift_JIS (CP932), CR LF, quotes only
    // where needed; the names hold 0x5C trail bytes (ソ, 表) and CP932's own ～.
    files.containing = Heading(kContainingTable) +
                       Line(kContainingTable, {{u"一般名"_s, u"石綿含有ビニル床タイル"_s},
                                               {u"ID"_s, u"01"_s},
                                               {u"廊下居室床"_s, u"10"_s},
                                               {u"仕上げ材"_s, u"1"_s}}) +
                       Line(kContainingTable, {{u"一般名"_s, u"ソフト巾木（表面～裏面）"_s},
                                               {u"ID"_s, u"02"_s},
                                               {u"巾木"_s, u"10"_s}});
    files.Write(folder);
    {
        QFile f(QDir(folder).filePath(TableFileName(kContainingTable)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QStringEncoder cp932("windows-31j");
        QVERIFY(cp932.isValid());
        f.write(cp932.encode(files.containing));
        QVERIFY(!cp932.hasError());
    }
    const QString target = folder + u"/app.db"_s;
    const Outcome o = Import(folder, target);
    QVERIFY2(o.status, qPrintable(o.status.error()));
    QCOMPARE(o.rejections.size(), 0);
    QCOMPARE(o.summary.tables[0].encoding, TextEncoding::ShiftJis);
    QCOMPARE(o.summary.tables[2].encoding, TextEncoding::Utf8);
    QCOMPARE(o.summary.tables[2].ignoredColumns, QStringList{u"更新日"_s});
    QCOMPARE(
        Rows(target,
             u"SELECT 一般名, ID, quote(仕上げ材) FROM 一般名－部位_含有マスタ ORDER BY _rowid_"_s),
        (QList<QStringList>{{u"石綿含有ビニル床タイル"_s, u"01"_s, u"1"_s},
                            {u"ソフト巾木（表面～裏面）"_s, u"02"_s, u"NULL"_s}}));
    QCOMPARE(Rows(target, u"SELECT ID, 商品名, 製造開始, \"内装材（床）\", \"外装材（屋根）\", "
                          u"quote(俗称), 備考欄 "
                          u"FROM アスベスト建材情報マスタ"_s),
             (QList<QStringList>{{u"P9"_s, u"ＮＥＷ \"タイル\""_s, u"1975"_s, u"1"_s, u"0"_s,
                                  u"NULL"_s, u"一行目\n二行目"_s}}));
}

void TestDataExchange::recordsDoNotDependOnBlocks_data() {
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<int>("block");
    for (const QByteArray& encoding : {QByteArray("UTF-8"), QByteArray("windows-31j")})
        for (int block : {1, 2, 3, 7, 4096})
            QTest::addRow("%s, %d bytes", encoding.constData(), block) << encoding << block;
}

void TestDataExchange::recordsDoNotDependOnBlocks() {
    QFETCH(QByteArray, encoding);
    QFETCH(int, block);
    const QString text = u"\uFEFF名前,値\r\n\"ソ,表\",\"一\r\n\"\"二\"\"\"\n～,\r三,\"\""_s;
    QStringEncoder encoder(encoding.constData());
    QByteArray bytes = encoder.encode(encoding == "UTF-8" ? text : text.mid(1));
    QBuffer device(&bytes);
    QVERIFY(device.open(QIODevice::ReadOnly));
    CsvReader reader(device, encoding == "UTF-8" ? TextEncoding::Utf8 : TextEncoding::ShiftJis,
                     block);
    QStringList seen;
    CsvRecord r;
    while (reader.Next(r)) {
        QStringList fields;
        for (const CsvField& f : r.fields)
            fields.append((f.quoted ? u"q:"_s : u""_s) + f.text);
        seen.append(QString::number(r.line) + u'|' + fields.join(u'|') +
                    (r.error.isEmpty() ? u""_s : u"!"_s));
    }
    QVERIFY(!reader.DecodingFailed());
    QCOMPARE(seen, (QStringList{u"1|名前|値"_s, u"2|q:ソ,表|q:一\r\n\"二\""_s, u"4|～|"_s,
                                u"5|三|q:"_s}));
}

void TestDataExchange::toolReportsByExitStatus() {
    const QString folder = dir_.filePath(u"tool"_s);
    Folder files;
    files.AddFaultyProduct(u"製造開始"_s, u"1990.5"_s);
    files.Write(folder);
    const QString target = folder + u"/app.db"_s;
    auto run = [](const QStringList& args, QString* err = nullptr, QString* out = nullptr) {
        QProcess p;
        p.start(QStringLiteral(SOLARIO_IMPORT_TOOL), args);
        p.waitForFinished(60000);
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        if (out)
            *out = QString::fromUtf8(p.readAllStandardOutput());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    QString err, out;
    QCOMPARE(run({folder, target}, &err), 2);
    QVERIFY2(err.contains(u"--edition"_s), qPrintable(err));
    QVERIFY(!QFile::exists(target));

    QCOMPARE(run({u"--strict"_s, u"--edition"_s, kEdition, folder, target}, &err), 1);
    QVERIFY2(err.contains(u"何も書いていません"_s), qPrintable(err));
    QVERIFY(!QFile::exists(target));

    QCOMPARE(run({u"--edition"_s, kEdition, folder, target}, &err, &out), 3);
    QVERIFY2(err.contains(TableFileName(kMaterialTable) + u":3: 製造開始: 年は整数で"_s),
             qPrintable(err));
    QVERIFY2(out.contains(TableFileName(kMaterialTable) +
                          u"（UTF-8）: 1 行を取り込みました、1 行を除きました"_s),
             qPrintable(out));
    QCOMPARE(Rows(target, u"SELECT ID FROM アスベスト建材情報マスタ"_s),
             (QList<QStringList>{{u"P1"_s}}));

    const QString back = dir_.filePath(u"tool-export"_s);
    QCOMPARE(run({u"--export"_s, back, target}, &err, &out), 0);
    QCOMPARE(FolderEntries(back).size(), 3);
}

void TestDataExchange::spreadsheetTextsNeverRunAsFormulas_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    QTest::newRow("a sum") << u"=1+1"_s << u"'=1+1"_s;
    QTest::newRow("a phone number") << u"+81-3-0000"_s << u"'+81-3-0000"_s;
    QTest::newRow("a lone dash") << u"-"_s << u"'-"_s;
    QTest::newRow("a function") << u"@SUM(A1)"_s << u"'@SUM(A1)"_s;
    QTest::newRow("a leading tab") << u"\tx"_s << u"'\tx"_s;
    QTest::newRow("a leading CR") << u"\rx"_s << u"'\rx"_s;
    QTest::newRow("an apostrophe before a formula") << u"'=x"_s << u"''=x"_s;
    QTest::newRow("apostrophes before a dash") << u"''-"_s << u"'''-"_s;
    QTest::newRow("an apostrophe before text") << u"'abc"_s << u"'abc"_s;
    QTest::newRow("a sign inside") << u"a=b-c"_s << u"a=b-c"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("a content") << u"5％以下"_s << u"5％以下"_s;
}

// What a spreadsheet would run as a formula is written with one apostrophe more, and
// read back without it: the texts stay exactly what they were.
void TestDataExchange::spreadsheetTextsNeverRunAsFormulas() {
    QFETCH(QString, text);
    QFETCH(QString, written);
    QCOMPARE(SpreadsheetText(text), written);
    QCOMPARE(FromSpreadsheetText(written), text);
    QCOMPARE(CsvLine({text}),
             (written.contains(u'\r') ? u'"' + written + u'"' : written) + u"\r\n"_s);
}

// Through the exchange: exported with the apostrophe, imported value for value.
void TestDataExchange::formulaLikeTextsGoOutAndComeBackUnchanged() {
    const QString original = dir_.filePath(u"formulas/original.db"_s);
    QDir().mkpath(dir_.filePath(u"formulas"_s));
    QVERIFY(sample::WriteSampleDatabase(original, 20));
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(original.toUtf8().constData(), &db), SQLITE_OK);
    const QStringList texts = {u"=HYPERLINK(\"x\")"_s, u"+1"_s, u"-"_s, u"@A1"_s,
                               u"'=x"_s,               u"''-"_s, u"'abc"_s};
    for (qsizetype i = 0; i < texts.size(); ++i) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "UPDATE アスベスト建材情報マスタ SET 商品名 = ? WHERE _rowid_ = ?",
                           -1, &st, nullptr);
        sqlite3_bind_text16(st, 1, texts[i].utf16(), int(texts[i].size() * 2), SQLITE_TRANSIENT);
        sqlite3_bind_int64(st, 2, i + 1);
        QCOMPARE(sqlite3_step(st), SQLITE_DONE);
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    const QString folder = dir_.filePath(u"formulas/csv"_s);
    QList<TableCount> counts;
    QVERIFY(ExportDatabase(original, folder, counts));
    const QString written =
        QString::fromUtf8(ReadAll(QDir(folder).filePath(TableFileName(kMaterialTable))));
    for (const QString& cell : {u"\"'=HYPERLINK(\"\"x\"\")\""_s, u"\"'+1\""_s, u"\"'-\""_s,
                                u"\"'@A1\""_s, u"\"''=x\""_s, u"\"'''-\""_s, u"\"'abc\""_s})
        QVERIFY2(written.contains(u',' + cell + u','), qPrintable(cell));
    const QString imported = dir_.filePath(u"formulas/imported.db"_s);
    const Outcome o = Import(folder, imported);
    QVERIFY2(o.status, qPrintable(o.status.error()));
    QCOMPARE(TableRows(imported, kMaterialTable), TableRows(original, kMaterialTable));
}

void TestDataExchange::whatMustNotBeReplacedIsRefused_data() {
    QTest::addColumn<QString>("target"); // what the output names
    QTest::addColumn<QString>("message");
    QTest::newRow("a text file") << u"notes.txt"_s << u"データベースではないファイル"_s;
    QTest::newRow("an empty file") << u"empty.db"_s << u"データベースではないファイル"_s;
    QTest::newRow("the product file itself")
        << TableFileName(kMaterialTable) << u"取り込むファイルそのもの"_s;
    QTest::newRow("a link to an input") << u"link.db"_s << u"取り込むファイルそのもの"_s;
    QTest::newRow("a hard link to an input") << u"hard.db"_s << u"取り込むファイルそのもの"_s;
}

// A target that is no database, or one of the files read, is never replaced.
void TestDataExchange::whatMustNotBeReplacedIsRefused() {
    QFETCH(QString, target);
    QFETCH(QString, message);
    static int n = 0;
    const QString folder = dir_.filePath(u"refused/%1"_s.arg(++n));
    Folder().Write(folder);
    const QString input = QDir(folder).filePath(TableFileName(kMaterialTable));
    const QString path = QDir(folder).filePath(target);
    if (target == u"notes.txt") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("my notes") > 0);
    } else if (target == u"empty.db") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    } else if (target == u"link.db") {
        QVERIFY(QFile::link(input, path));
    } else if (target == u"hard.db") {
        QCOMPARE(::link(QFile::encodeName(input).constData(), QFile::encodeName(path).constData()),
                 0);
    }
    const QByteArray before = ReadAll(path);
    const QByteArray inputBefore = ReadAll(input);
    const QStringList entries = FolderEntries(folder);
    const Outcome o = Import(folder, path);
    QVERIFY(!o.status);
    QVERIFY2(o.status.error().contains(message), qPrintable(o.status.error()));
    QVERIFY(ReadAll(path) == before);
    QVERIFY(ReadAll(input) == inputBefore);
    QCOMPARE(FolderEntries(folder), entries);
}

// A file of headings only would replace working data with none: refused, unless asked.
void TestDataExchange::anEmptyTableIsRefusedUnlessAllowed() {
    const QString folder = dir_.filePath(u"empty"_s);
    Folder files;
    files.products = Heading(kMaterialTable);
    files.Write(folder);
    const QString target = folder + u"/app.db"_s;
    QVERIFY(sample::WriteSampleDatabase(target, 20));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QFile::Permissions permissions = QFile::permissions(target);
    const QByteArray before = ReadAll(target);
    const Outcome refused = Import(folder, target);
    QVERIFY(!refused.status);
    QCOMPARE(refused.status.error(),
             TableFileName(kMaterialTable) +
                 u": 取り込める行がありません。空のまま取り込むときは --allow-empty を付けてください"_s);
    QVERIFY(ReadAll(target) == before);
    const Outcome allowed = Import(folder, target, false, true);
    QVERIFY2(allowed.status, qPrintable(allowed.status.error()));
    QCOMPARE(Rows(target, u"SELECT count(*) FROM アスベスト建材情報マスタ"_s).value(0).value(0),
             u"0"_s);
    // The new file keeps the permissions of the one it replaced.
    QCOMPARE(QFile::permissions(target), permissions);
}

void TestDataExchange::unicodeFilesAreReadOrRefusedWithTheReason_data() {
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<bool>("mark"); // written with its byte-order mark
    QTest::addColumn<QString>("outcome");
    QTest::newRow("UTF-16 little-endian") << QByteArray("UTF-16LE") << true << u"UTF-16"_s;
    QTest::newRow("UTF-16 big-endian") << QByteArray("UTF-16BE") << true << u"UTF-16"_s;
    QTest::newRow("UTF-16 without its mark")
        << QByteArray("UTF-16LE") << false << u"文字コードが UTF-8 でも Shift_JIS でもありません"_s;
}

void TestDataExchange::unicodeFilesAreReadOrRefusedWithTheReason() {
    QFETCH(QByteArray, encoding);
    QFETCH(bool, mark);
    QFETCH(QString, outcome);
    static int n = 0;
    const QString folder = dir_.filePath(u"unicode/%1"_s.arg(++n));
    Folder files;
    files.Write(folder);
    QFile products(QDir(folder).filePath(TableFileName(kMaterialTable)));
    QVERIFY(products.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QStringEncoder encoder(encoding.constData(), mark ? QStringConverter::Flag::WriteBom
                                                      : QStringConverter::Flag::Default);
    products.write(encoder.encode(files.products));
    products.close();
    const Outcome o = Import(folder, folder + u"/app.db"_s);
    if (outcome == u"UTF-16") {
        QVERIFY2(o.status, qPrintable(o.status.error()));
        QCOMPARE(o.summary.tables[2].encoding,
                 encoding == "UTF-16LE" ? TextEncoding::Utf16LE : TextEncoding::Utf16BE);
        QCOMPARE(EncodingName(o.summary.tables[2].encoding), u"UTF-16"_s);
        QCOMPARE(Rows(folder + u"/app.db"_s, u"SELECT 商品名 FROM アスベスト建材情報マスタ"_s),
                 (QList<QStringList>{{u"ソラリナ"_s}}));
        return;
    }
    QVERIFY(!o.status);
    QVERIFY2(o.status.error().contains(outcome), qPrintable(o.status.error()));
}

void TestDataExchange::idsThatLostTheirZerosAreDoubted_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QString>("doubt"); // empty: none
    QTest::newRow("padded and short product IDs")
        << kMaterialTable << QStringList{u"0001"_s, u"0002"_s, u"3"_s} << u"ID の桁数がそろっていません"_s;
    QTest::newRow("product IDs of one length") << kMaterialTable
                                               << QStringList{u"0001"_s, u"0002"_s} << QString();
    QTest::newRow("IDs that are not numbers")
        << kMaterialTable << QStringList{u"A1"_s, u"B22"_s} << QString();
    QTest::newRow("unpadded numbers of many lengths")
        << kMaterialTable << QStringList{u"7"_s, u"12"_s, u"345"_s} << QString();
    QTest::newRow("a general name's ID of one digit")
        << kContainingTable << QStringList{u"01"_s, u"2"_s} << u"一般名の ID「2」は 1 桁です"_s;
}

// IDs a spreadsheet took for numbers are doubted per table; --strict refuses them.
void TestDataExchange::idsThatLostTheirZerosAreDoubted() {
    QFETCH(QString, table);
    QFETCH(QStringList, ids);
    QFETCH(QString, doubt);
    static int n = 0;
    const QString folder = dir_.filePath(u"ids/%1"_s.arg(++n));
    Folder files;
    if (table == kMaterialTable) {
        files.products = Heading(kMaterialTable);
        for (const QString& id : ids)
            files.products += Line(kMaterialTable, {{u"建材名（一般名）"_s, u"\"吹付け石綿\""_s},
                                                    {u"ID"_s, u'"' + id + u'"'}});
    } else {
        files.containing = Heading(kContainingTable);
        for (const QString& id : ids)
            files.containing +=
                Line(kContainingTable, {{u"一般名"_s, u"\"吹付け石綿"_s + id + u'"'},
                                        {u"ID"_s, u'"' + id + u'"'},
                                        {u"軒天井"_s, u"10"_s}});
        files.products = Heading(kMaterialTable) +
                         Line(kMaterialTable, {{u"建材名（一般名）"_s, u"\"吹付け石綿01\""_s},
                                               {u"ID"_s, u"\"P1\""_s}});
    }
    files.Write(folder);
    const Outcome o = Import(folder, folder + u"/app.db"_s);
    QVERIFY2(o.status, qPrintable(o.status.error()));
    if (doubt.isEmpty()) {
        QVERIFY(o.summary.warnings.isEmpty());
        return;
    }
    bool found = false;
    for (const Warning& w : o.summary.warnings) {
        QCOMPARE(w.file, TableFileName(table));
        found = found || w.text.startsWith(doubt);
    }
    QVERIFY2(found, qPrintable(o.summary.warnings.value(0).text));
    const Outcome strict = Import(folder, folder + u"/strict.db"_s, true);
    QVERIFY(!strict.status);
    QCOMPARE(strict.status.error(), u"取り込みを中止しました（--strict）: "_s + TableFileName(table) +
                                        u": "_s + o.summary.warnings.first().text);
    QVERIFY(!QFile::exists(folder + u"/strict.db"_s));
}

// What imports and exports killed on the way left behind goes on the next run; a
// running one's stays.
void TestDataExchange::leftoversOfKilledRunsAreRemoved() {
    const QString folder = dir_.filePath(u"leftovers"_s);
    Folder().Write(folder);
    QProcess gone;
    gone.start(u"true"_s);
    QVERIFY(gone.waitForFinished(10000));
    const QString dead = QString::number(gone.processId());
    const QString stale = folder + u"/app.db.importing-"_s + dead;
    const QString running = folder + u"/other.db.importing-1"_s; // init runs for ever
    for (const QString& path : {stale, running}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("partial") > 0);
    }
    QVERIFY(Import(folder, folder + u"/app.db"_s).status);
    QVERIFY(!QFile::exists(stale));
    QVERIFY(QFile::exists(running));
    QFile::remove(running);

    const QString out = dir_.filePath(u"leftovers-out"_s);
    QVERIFY(QDir().mkpath(out + u".exporting-"_s + dead));
    QList<TableCount> counts;
    QVERIFY(ExportDatabase(folder + u"/app.db"_s, out, counts));
    QVERIFY(!QFileInfo::exists(out + u".exporting-"_s + dead));
    QCOMPARE(FolderEntries(out).size(), 3);
}

// The three files replace the old set only together: a file that cannot be replaced
// leaves every old one as it was, and says which and why.
void TestDataExchange::anExportReplacesAllFilesOrNone() {
    const QString database = dir_.filePath(u"all-or-none.db"_s);
    QVERIFY(sample::WriteSampleDatabase(database, 30));
    const QString out = dir_.filePath(u"all-or-none"_s);
    QDir().mkpath(out);
    for (const QString& table : {kContainingTable, kNonContainingTable}) {
        QFile f(QDir(out).filePath(TableFileName(table)));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("old") > 0);
    }
    // Where the product file goes stands a folder of that name.
    QVERIFY(QDir(out).mkpath(TableFileName(kMaterialTable) + u"/inside"_s));
    QList<TableCount> counts;
    const Status s = ExportDatabase(database, out, counts);
    QVERIFY(!s);
    QVERIFY2(s.error().startsWith(TableFileName(kMaterialTable) + u": 置き換えられません"_s),
             qPrintable(s.error()));
    for (const QString& table : {kContainingTable, kNonContainingTable})
        QCOMPARE(ReadAll(QDir(out).filePath(TableFileName(table))), QByteArray("old"));
    QVERIFY(QFileInfo(QDir(out).filePath(TableFileName(kMaterialTable))).isDir());
    QCOMPARE(QDir(dir_.path()).entryList({u"all-or-none.exporting-*"_s}, QDir::AllEntries),
             QStringList());
}

// An export onto a disk that fills up replaces none of the old files (run as root, with
// a small file system of its own; skipped otherwise).
void TestDataExchange::anExportOntoAFullDiskKeepsTheOldFiles() {
    solario::test::ScratchMount disk(u"size=256k"_s);
    if (!disk.Mounted())
        QSKIP(disk.Why().constData());
    const QString database = dir_.filePath(u"full.db"_s);
    QVERIFY(sample::WriteSampleDatabase(database, 600));
    const QString out = disk.FilePath(u"csv"_s);
    QDir().mkpath(out);
    for (const QString& table : ExchangedTables()) {
        QFile f(QDir(out).filePath(TableFileName(table)));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("old") > 0);
    }
    QList<TableCount> counts;
    const Status s = ExportDatabase(database, out, counts);
    QVERIFY(!s);
    QVERIFY2(s.error().contains(u"ディスクの空きが足りません。"_s), qPrintable(s.error()));
    for (const QString& table : ExchangedTables())
        QCOMPARE(ReadAll(QDir(out).filePath(TableFileName(table))), QByteArray("old"));
    QCOMPARE(QDir(disk.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"csv"_s});
}

// Stopped by a signal while it builds, the import removes its temporary file and leaves
// the target as it was.
void TestDataExchange::aSignalLeavesNothingBehind() {
    const QString base = dir_.filePath(u"signals"_s);
    QDir().mkpath(base);
    const QString big = base + u"/big.db"_s;
    QVERIFY(sample::WriteSampleDatabase(big, 30000));
    QList<TableCount> counts;
    QVERIFY(ExportDatabase(big, base + u"/csv"_s, counts));
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const QString target = base + u"/app.db"_s;
        QFile::remove(target);
        QVERIFY(sample::WriteSampleDatabase(target, 10));
        const QByteArray before = ReadAll(target);
        QProcess p;
        p.start(QStringLiteral(SOLARIO_IMPORT_TOOL),
                {u"--edition"_s, kEdition, base + u"/csv"_s, target});
        QVERIFY(p.waitForStarted(10000));
        const QString temporary = target + u".importing-"_s + QString::number(p.processId());
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(temporary) && waited.elapsed() < 20000)
            QThread::msleep(5);
        QVERIFY2(QFile::exists(temporary), "the import did not start its file");
        QThread::msleep(100);
        ::kill(pid_t(p.processId()), signal);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::CrashExit); // ended by the signal
        QVERIFY2(!QFile::exists(temporary), qPrintable(QString::number(signal)));
        QVERIFY(ReadAll(target) == before);
        QCOMPARE(QDir(base).entryList({u"app.db*"_s}, QDir::Files), QStringList{u"app.db"_s});
    }
}

// --install puts the database where the program looks first, the user's data folder.
void TestDataExchange::installPutsTheDatabaseInTheUsersFolder() {
    const QString folder = dir_.filePath(u"install"_s);
    Folder().Write(folder);
    const QString home = dir_.filePath(u"install-home"_s);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_DATA_HOME"_s, home);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(SOLARIO_IMPORT_TOOL),
            {u"--edition"_s, kEdition, u"--install"_s, folder});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QString installed = home + u"/solario/app.db"_s;
    QVERIFY2(QString::fromUtf8(p.readAllStandardOutput()).contains(QDir::toNativeSeparators(installed)),
             qPrintable(installed));
    QCOMPARE(Rows(installed, u"SELECT ID FROM アスベスト建材情報マスタ"_s),
             (QList<QStringList>{{u"P1"_s}}));
    QProcess wrong;
    wrong.start(QStringLiteral(SOLARIO_IMPORT_TOOL), {u"--edition"_s, kEdition, u"--system"_s, folder,
                                                       folder + u"/x.db"_s});
    QVERIFY(wrong.waitForFinished(60000));
    QCOMPARE(wrong.exitCode(), 2);
}

QTEST_GUILESS_MAIN(TestDataExchange)
#include "test_data_exchange.moc"
