#include "shell/open_database.h"
#include "support/fake_platform.h"
#include "support/fixture_db.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>
#include <sys/stat.h>

using namespace solario;
using solario::test::FakePlatform;
using solario::test::FixtureDb;

class TestDatabase : public QObject {
    Q_OBJECT

private slots:
    void opensTheDatabaseBesideTheProgram();
    void connectionErrorBox_data();
    void connectionErrorBox();
    void theDatabaseIsLookedForInOrder_data();
    void theDatabaseIsLookedForInOrder();
    void aDatabaseLeftHalfWrittenIsNamedSo();
};

void TestDatabase::opensTheDatabaseBesideTheProgram() {
    QTemporaryDir dir;
    FixtureDb(dir.filePath(QStringLiteral("app.db"))).Close();
    FakePlatform p;
    std::unique_ptr<Connection> c;
    QString cs;
    QVERIFY(OpenDatabase(p, c, dir.filePath(QStringLiteral("app.db")), cs));
    QVERIFY(c && c->IsOpen());
    QVERIFY(p.boxes.isEmpty());
    QVERIFY(cs.contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("app.db")))));
    QVERIFY(cs.endsWith(u';'));
    CloseDatabase(c);
    QVERIFY(!c);
    CloseDatabase(c); // closing twice is harmless
}

void TestDatabase::connectionErrorBox_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("description");
    QTest::newRow("missing") << "missing"
                             << "データベースファイルがありません。";
    QTest::newRow("not a database") << "garbage"
                                    << "このファイルはデータベースではありません。";
    // Refused at once, never opened: a pipe would keep the start waiting for ever.
    QTest::newRow("a folder") << "folder"
                              << "データベースがファイルではありません";
    QTest::newRow("a named pipe") << "fifo"
                                  << "データベースがファイルではありません";
}

void TestDatabase::connectionErrorBox() {
    QFETCH(QString, kind);
    QFETCH(QString, description);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.db"));
    if (kind == u"garbage") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("This is not a database, just some text that is long enough. ", 61);
    } else if (kind == u"folder") {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("app.db")));
    } else if (kind == u"fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    FakePlatform p;
    std::unique_ptr<Connection> c;
    QString cs;
    QVERIFY(!OpenDatabase(p, c, path, cs));
    QCOMPARE(p.boxes.size(), 1);
    const QString prefix = QStringLiteral("<<データベース接続エラー>>\r\r");
    QVERIFY(p.boxes[0].text.startsWith(prefix));
    // The engine's description follows, in Japanese, with the file it is about.
    QVERIFY2(p.boxes[0].text.mid(prefix.size()).startsWith(description),
             qPrintable(p.boxes[0].text));
    QVERIFY(p.boxes[0].text.endsWith(QDir::toNativeSeparators(path)));
    QCOMPARE(p.boxes[0].title, QStringLiteral("エラー"));
    QCOMPARE(p.boxes[0].flags, box::kExclamation);
    QVERIFY(!cs.isEmpty());
}

void TestDatabase::theDatabaseIsLookedForInOrder_data() {
    QTest::addColumn<QString>("argument"); // the file given on the command line
    QTest::addColumn<QStringList>("present"); // of user/, system/, program/
    QTest::addColumn<QString>("used");
    QTest::addColumn<int>("place");
    const int commandLine = int(DatabasePlace::CommandLine), user = int(DatabasePlace::User),
              system = int(DatabasePlace::System), program = int(DatabasePlace::Program);
    QTest::newRow("only the sample") << "" << QStringList{"program"} << "program/app.db" << program;
    QTest::newRow("the user's before all")
        << "" << QStringList{"user", "system", "program"} << "user/app.db" << user;
    QTest::newRow("the system's before the sample")
        << "" << QStringList{"system", "program"} << "system/app.db" << system;
    QTest::newRow("the command line before all")
        << "other.db" << QStringList{"user", "system", "program"} << "other.db" << commandLine;
    QTest::newRow("a given file that is missing is not replaced by another")
        << "gone.db" << QStringList{"user", "program"} << "gone.db" << commandLine;
    QTest::newRow("none: the program folder's, to be named in the failure")
        << "" << QStringList{} << "program/app.db" << program;
}

void TestDatabase::theDatabaseIsLookedForInOrder() {
    QFETCH(QString, argument);
    QFETCH(QStringList, present);
    QFETCH(QString, used);
    QFETCH(int, place);
    QTemporaryDir dir;
    for (const char* folder : {"user", "system", "program"})
        QVERIFY(QDir(dir.path()).mkdir(folder));
    for (const QString& folder : present) {
        QFile f(dir.filePath(folder + QStringLiteral("/app.db")));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const DatabaseLocation found = LocateDatabase(
        argument.isEmpty() ? QString() : dir.filePath(argument), dir.filePath("user"),
        dir.filePath("system"), dir.filePath("program"));
    QCOMPARE(found.path, dir.filePath(used));
    QCOMPARE(int(found.place), place);
    // A folder not given (as in a test of the screens) is not looked in.
    QCOMPARE(LocateDatabase(QString(), QString(), QString(), dir.filePath("program")).place,
             DatabasePlace::Program);
}

// A copy taken while another program was writing carries its journal: the message says
// so, not that the file is read-only or broken.
void TestDatabase::aDatabaseLeftHalfWrittenIsNamedSo() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.db"));
    FixtureDb(path).Close();
    sqlite3* writer = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &writer), SQLITE_OK);
    sqlite3_exec(writer, "PRAGMA journal_mode=DELETE; PRAGMA cache_size=1; BEGIN; "
                         "CREATE TABLE filler (x); ",
                 nullptr, nullptr, nullptr);
    for (int i = 0; i < 2000; ++i)
        sqlite3_exec(writer, "INSERT INTO filler VALUES (randomblob(500))", nullptr, nullptr,
                     nullptr);
    // The files as a crash in the middle of the writing leaves them.
    const QString copy = dir.filePath(QStringLiteral("copy.db"));
    QVERIFY(QFile::copy(path, copy));
    QVERIFY(QFile::copy(path + QStringLiteral("-journal"), copy + QStringLiteral("-journal")));
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    FakePlatform p;
    std::unique_ptr<Connection> c;
    QString cs;
    QVERIFY(!OpenDatabase(p, c, copy, cs));
    QCOMPARE(p.boxes.size(), 1);
    QVERIFY2(p.boxes[0].text.contains(QStringLiteral("書き込んでいる途中で終わっています")),
             qPrintable(p.boxes[0].text));
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "test_database.moc"
