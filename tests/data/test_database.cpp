#include "shell/open_database.h"
#include "support/fake_platform.h"
#include "support/fixture_db.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace solario;
using solario::test::FakePlatform;
using solario::test::FixtureDb;

class TestDatabase : public QObject {
    Q_OBJECT

private slots:
    void opensTheDatabaseBesideTheProgram();
    void connectionErrorBox_data();
    void connectionErrorBox();
};

void TestDatabase::opensTheDatabaseBesideTheProgram() {
    QTemporaryDir dir;
    FixtureDb(dir.filePath(QStringLiteral("app.db"))).Close();
    AppState s;
    s.ProgramFolder = dir.path();
    FakePlatform p;
    std::unique_ptr<Connection> c;
    QString cs;
    QVERIFY(OpenDatabase(s, p, c, QStringLiteral("app.db"), cs));
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
                             << "データベースファイルを開けません。";
    QTest::newRow("not a database") << "garbage"
                                    << "このファイルはデータベースではありません。";
    QTest::newRow("unreadable (a folder)") << "folder"
                                           << "データベースファイルの読み書きに失敗しました。";
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
    }
    AppState s;
    s.ProgramFolder = dir.path();
    FakePlatform p;
    std::unique_ptr<Connection> c;
    QString cs;
    QVERIFY(!OpenDatabase(s, p, c, QStringLiteral("app.db"), cs));
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

QTEST_GUILESS_MAIN(TestDatabase)
#include "test_database.moc"
