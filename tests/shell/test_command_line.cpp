#include "shell/command_line.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace solario;

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

// The installed program, started as from a terminal without a display.
Run Solario(const QStringList& args, const QString& lang, const QString& dataHome = QString()) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL",
                             "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), lang);
    if (!dataHome.isEmpty())
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(SOLARIO_INSTALL_DIR "/solario"), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void arguments_data();
    void arguments();
    void answeredWithoutADisplayInTheUsersLanguage_data();
    void answeredWithoutADisplayInTheUsersLanguage();
    void versionNamesTheDatabaseInUse();
};

void TestCommandLine::arguments_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("database");
    const int run = int(CommandLine::Action::Run), help = int(CommandLine::Action::Help),
              version = int(CommandLine::Action::Version),
              refuse = int(CommandLine::Action::Refuse);
    QTest::newRow("nothing") << QStringList{} << run << "";
    QTest::newRow("a database") << QStringList{"--database", "/d/app.db"} << run << "/d/app.db";
    QTest::newRow("a database, joined") << QStringList{"--database=/d/x.db"} << run << "/d/x.db";
    QTest::newRow("help") << QStringList{"--help"} << help << "";
    QTest::newRow("help wins over version") << QStringList{"--version", "-h"} << help << "";
    QTest::newRow("version") << QStringList{"--version"} << version << "";
    QTest::newRow("version of a database")
        << QStringList{"--database", "a.db", "--version"} << version << "a.db";
    QTest::newRow("no file after --database") << QStringList{"--database"} << refuse << "";
    QTest::newRow("an empty file name") << QStringList{"--database="} << refuse << "";
    QTest::newRow("an unknown option") << QStringList{"--bogus"} << refuse << "";
    QTest::newRow("a stray argument") << QStringList{"app.db"} << refuse << "";
}

void TestCommandLine::arguments() {
    QFETCH(QStringList, args);
    QFETCH(int, action);
    QFETCH(QString, database);
    const CommandLine line = ParseCommandLine(QStringList{"solario"} + args, true);
    QCOMPARE(int(line.action), action);
    QCOMPARE(line.database, database);
    QCOMPARE(line.problem.isEmpty(), action != int(CommandLine::Action::Refuse));
}

void TestCommandLine::answeredWithoutADisplayInTheUsersLanguage_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("help in English") << QStringList{"--help"} << "C.UTF-8" << 0
                                     << "Usage: solario [--database FILE]" << "";
    QTest::newRow("help in Japanese") << QStringList{"--help"} << "ja_JP.UTF-8" << 0
                                      << "使い方: solario [--database ファイル]" << "";
    QTest::newRow("version") << QStringList{"--version"} << "C.UTF-8" << 0 << "solario 0.1.0"
                             << "";
    QTest::newRow("an unknown option") << QStringList{"--bogus"} << "C.UTF-8" << 2 << ""
                                       << "solario: unknown option: --bogus";
    QTest::newRow("an unknown option, in Japanese")
        << QStringList{"--bogus"} << "ja_JP.UTF-8" << 2 << ""
        << "solario: 知らないオプションです: --bogus";
    QTest::newRow("no display") << QStringList{} << "C.UTF-8" << 1 << ""
                                << "solario: there is no display to show the program on";
    QTest::newRow("no display, in Japanese")
        << QStringList{} << "ja_JP.UTF-8" << 1 << "" << "solario: 画面がないため起動できません";
}

// Answered before any window, also without a display: no abort of Qt's platform plug-in.
void TestCommandLine::answeredWithoutADisplayInTheUsersLanguage() {
    QFETCH(QStringList, args);
    QFETCH(QString, lang);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run r = Solario(args, lang);
    QCOMPARE(r.status, status);
    QVERIFY2(out.isEmpty() ? r.out.isEmpty() : r.out.startsWith(out), qPrintable(r.out));
    QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.startsWith(err), qPrintable(r.err));
    QCOMPARE(r.err.count(u'\n') <= 2, true); // a line (and a hint), never Qt's own abort
}

void TestCommandLine::versionNamesTheDatabaseInUse() {
    QTemporaryDir home;
    const Run sample = Solario({QStringLiteral("--version")}, QStringLiteral("C.UTF-8"), home.path());
    QVERIFY2(sample.out.contains(QStringLiteral(SOLARIO_INSTALL_DIR "/app.db (the program's folder)")),
             qPrintable(sample.out));
    QDir().mkpath(home.filePath(QStringLiteral("solario")));
    QFile::copy(QStringLiteral(SOLARIO_INSTALL_DIR "/app.db"),
                home.filePath(QStringLiteral("solario/app.db")));
    const Run own = Solario({QStringLiteral("--version")}, QStringLiteral("ja_JP.UTF-8"), home.path());
    QVERIFY2(own.out.contains(home.filePath(QStringLiteral("solario/app.db")) +
                              QStringLiteral("（利用者のデータフォルダ）")),
             qPrintable(own.out));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
