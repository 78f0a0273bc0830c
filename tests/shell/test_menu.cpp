#include "data/report_data.h"
#include "platform/instance_lock.h"
#include "shell/application.h"
#include "shell/form_explan.h"
#include "shell/form_menu.h"
#include "support/fake_platform.h"
#include "support/fixture_db.h"
#include "support/helpers.h"
#include "support/test_screen.h"
#include "tools/sample_data.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace solario;
using solario::test::FakePlatform;
using solario::test::FixtureDb;
using solario::test::TestScreen;

namespace {

// An installation folder with a database and app.ini, and a menu over it.
struct Installation {
    explicit Installation(const QString& database = QStringLiteral("fixture")) {
        const QString db = dir.filePath(QStringLiteral("app.db"));
        if (database == u"fixture") {
            FixtureDb(db).Close();
        } else if (database == u"sample") {
            if (!solario::sample::WriteSampleDatabase(db, 60))
                qFatal("cannot write the sample");
        } else if (database == u"imported") {
            FixtureDb imported(db);
            imported.Exec(QStringLiteral("CREATE TABLE solario_metadata (key TEXT PRIMARY KEY, "
                                         "value TEXT NOT NULL)"));
            imported.Exec(QStringLiteral("INSERT INTO solario_metadata VALUES ('kind', "
                                         "'imported'), ('edition', '２０２６年１２月版')"));
        } else if (database == u"garbage") {
            QFile f(db);
            if (f.open(QIODevice::WriteOnly))
                f.write(QByteArray(2048, 'x'));
        } else if (database == u"empty file") {
            QFile f(db);
            if (f.open(QIODevice::WriteOnly))
                f.close();
        } else if (database == u"no lookup table") {
            FixtureDb fixture(db);
            fixture.Exec(QStringLiteral("DROP TABLE \"一般名－部位_非含有マスタ\""));
        } else if (database == u"missing column") {
            FixtureDb fixture(db);
            fixture.Exec(QStringLiteral(
                "ALTER TABLE アスベスト建材情報マスタ DROP COLUMN \"写真の有無（有・無）\""));
        } else if (database == u"a named pipe") {
            ::mkfifo(QFile::encodeName(db).constData(), 0600);
        } else if (database == u"doubled ID") {
            FixtureDb fixture(db);
            fixture.AddProduct(solario::test::Product({{u"ID", QStringLiteral("A1")}}));
            fixture.AddProduct(solario::test::Product({{u"ID", QStringLiteral("B7")}}));
            fixture.AddProduct(solario::test::Product({{u"ID", QStringLiteral("B7")}}));
        }
        QFile ini(dir.filePath(QStringLiteral("app.ini")));
        if (ini.open(QIODevice::WriteOnly))
            ini.write(QStringLiteral(
                          "[PDF]\npath=docs\nご利用上の注意=注意.pdf\n本DB登録建材情報=登録.pdf\n"
                          "動作環境=環境.pdf\n施工部位とは=部位.pdf\n"
                          "製造期間と竣工（改修）年について=期間.pdf\n")
                          .toUtf8());
        s.ProgramFolder = dir.path();
        solario::test::WriteDocuments(dir.filePath(QStringLiteral("docs")));
        s.InstanceLockPath = dir.filePath(QStringLiteral("solario.lock"));
    }
    QString Doc(const QString& name) const { return dir.filePath(QStringLiteral("docs/") + name); }

    QTemporaryDir dir;
    AppState s;
    FakePlatform p;
};

// A started menu, shown as the program shows it.
struct Started : Installation {
    explicit Started(const QString& database = QStringLiteral("fixture"))
        : Installation(database), menu(s, p) {
        int code = -1;
        ok = menu.Form_Load(&code);
        menu.show();
        menu.Form_Activate();
    }
    Form_Menu menu;
    bool ok = false;
};

void PressKey(QWidget* control, Qt::Key key) {
    QTest::keyClick(control, key);
}

} // namespace

class TestMenu : public QObject {
    Q_OBJECT

private slots:
    void startupLeavesEverythingOpen();
    void startupTooltips();
    void secondInstanceIsRefused();
    void oneInstanceWhateverTheEnvironment();
    void lockThatCannotBeMadeIsSaid();
    void lockIsTheUsersOwn();
    void databaseThatCannotBeOpened_data();
    void databaseThatCannotBeOpened();
    void closeBox_data();
    void closeBox();
    void exitButtonAndEsc_data();
    void exitButtonAndEsc();
    void sessionEndPassesWithoutQuestion();
    void menuKeys_data();
    void menuKeys();
    void explanationKeys_data();
    void explanationKeys();
    void explanationCloseBoxReturnsToMenu();
    void functionKeysWorkOnReturn();
    void controlsAndTabOrder();
    void qtDialogsSpeakJapanese();
    void theUsersOwnDataIsUsedAndNamed_data();
    void theUsersOwnDataIsUsedAndNamed();
    void aSettingsFileThatIsNoFileIsNotRead();
    void sampleDataIsMarked_data();
    void sampleDataIsMarked();
};

void TestMenu::startupLeavesEverythingOpen() {
    Started t;
    QVERIFY(t.ok);
    QVERIFY(t.p.boxes.isEmpty());
    QCOMPARE(t.s.HelpFile, QStringLiteral("app.qhc"));
    QCOMPARE(t.s.PdfFolder, QStringLiteral("docs\\"));
    QCOMPARE(t.s.DocUsageNotes, QStringLiteral("docs\\注意.pdf"));
    QCOMPARE(t.s.DocNameList, QStringLiteral("docs\\")); // a key app.ini does not have
    QCOMPARE(t.s.DataVersion, QStringLiteral("２００６年１２月版"));
    QVERIFY(t.s.DbOpen);
    QVERIFY(t.s.MainConnection && t.s.MainConnection->IsOpen());
    QVERIFY(t.s.ConnectionString.endsWith(u';'));
    QVERIFY(t.s.DataEnvironment1 && t.s.DataEnvironment1->Connection1.IsOpen());
    for (auto* rs : {t.s.DataEnvironment1->rsCommand1.get(), t.s.DataEnvironment1->rsCommand2.get(),
                     t.s.DataEnvironment1->rsCommand3.get()})
        QVERIFY(rs && rs->IsOpen());
    QCOMPARE(t.s.BackToMenu, 0);
    QCOMPARE(t.s.FieldCount, 83);
    QCOMPARE(t.s.SpecialChars[23], QStringLiteral("["));
    QCOMPARE(t.s.Messages[4], QStringLiteral("施工部位を必ずひとつ選択して下さい。"));
    QCOMPARE(t.menu.windowTitle(), QStringLiteral("【ソラリオ】【メニュー】"));
    QVERIFY(t.menu.isVisible());
    QCOMPARE(t.menu.windowType(), Qt::Window); // its own task-bar entry
}

void TestMenu::startupTooltips() {
    Started t;
    clsToolTip& tip = *t.menu.MenuToolTip;
    QCOMPARE(tip.MaxTipWidth(), 240);
    QCOMPARE(tip.DelayTime(clsToolTip::kAutoPop), 20000);
    // Every control with a window of its own has a tool; labels and pictures do not.
    QCOMPARE(tip.ToolCount(), 5);
    QVERIFY(!tip.HasToolTip(t.menu.Label3));
    QVERIFY(tip.HasToolTip(t.menu.CommandExplan));
    QCOMPARE(tip.ToolText(t.menu.CommandExplan), QString());
    const QStringList d = tip.ToolText(t.menu.CommandSearchD).split(u'\r');
    QCOMPARE(d.size(), 6);
    QCOMPARE(d[0], QStringLiteral("\u3000  使用状態からの検索 \u3000\u3000 "));
    QCOMPARE(d[1], QString());
    QCOMPARE(d[2], QStringLiteral("◆戸建住宅について、竣工年、"));
    QCOMPARE(d[5], QStringLiteral("\u3000検索することができます。\u3000"));
    const QStringList n = tip.ToolText(t.menu.CommandSearchN).split(u'\r');
    QCOMPARE(n.size(), 6);
    QCOMPARE(n[0], QStringLiteral("\u3000  建材名称等からの検索  \u3000"));
    QCOMPARE(n[3], QStringLiteral("\u3000メーカー名等から石綿\u3000\u3000\u3000"));
}

void TestMenu::secondInstanceIsRefused() {
    Installation t;
    QLockFile running(t.s.InstanceLockPath);
    QVERIFY(running.tryLock(0));
    Form_Menu menu(t.s, t.p);
    int code = -1;
    QVERIFY(!menu.Form_Load(&code));
    QCOMPARE(code, 0);
    QCOMPARE(t.p.boxes.size(), 1);
    QCOMPARE(t.p.boxes[0].text, QStringLiteral("このアプリケーションは既に起動しています。"));
    QCOMPARE(t.p.boxes[0].title, QStringLiteral("メッセージ"));
    QCOMPARE(t.p.boxes[0].flags, box::kExclamation);
    // Nothing was opened or read.
    QVERIFY(t.s.HelpFile.isEmpty());
    QVERIFY(t.s.PdfFolder.isEmpty());
    QVERIFY(!t.s.MainConnection);
    QVERIFY(!t.s.DataEnvironment1);

    // Once the first instance has ended, the next start goes ahead.
    running.unlock();
    Form_Menu again(t.s, t.p);
    QVERIFY(again.Form_Load(&code));
}

void TestMenu::lockThatCannotBeMadeIsSaid() {
    // The lock's folder cannot be made (a file stands where it would be): the start is
    // refused with the folder and the reason, not as a second instance.
    Installation t;
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("runtime"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    t.s.InstanceLockPath = blocker + QStringLiteral("/solario.lock");
    Form_Menu menu(t.s, t.p);
    int code = -1;
    QVERIFY(!menu.Form_Load(&code));
    QCOMPARE(code, 1);
    QCOMPARE(t.p.boxes.size(), 1);
    QVERIFY2(
        t.p.boxes[0].text.startsWith(QStringLiteral(
            "ソラリオの起動を確認できません。\r起動の確認に使うファイルを作成できませんでした。")),
        qPrintable(t.p.boxes[0].text));
    QVERIFY(t.p.boxes[0].text.contains(QDir::toNativeSeparators(blocker)));
    QVERIFY(t.p.boxes[0].text.contains(QStringLiteral("理由：フォルダを作成できません。")));
    QCOMPARE(t.p.boxes[0].title, QStringLiteral("エラー"));
    QVERIFY(!t.s.MainConnection);
}

// Two starts whose environments name different runtime folders (with XDG_RUNTIME_DIR set
// and without) still find each other by the user's socket: exactly one runs, and the
// second brings the first forward after its message.
void TestMenu::oneInstanceWhateverTheEnvironment() {
    const QString server = QStringLiteral("solario-test-%1-%2")
                               .arg(QCoreApplication::applicationPid())
                               .arg(QRandomGenerator::global()->generate());
    Installation first, second;
    first.s.InstanceServerName = server;
    second.s.InstanceServerName = server;
    QVERIFY(first.s.InstanceLockPath != second.s.InstanceLockPath);
    auto running = std::make_unique<Form_Menu>(first.s, first.p);
    int code = -1;
    QVERIFY(running->Form_Load(&code));
    running->show();
    Form_Menu again(second.s, second.p);
    QVERIFY(!again.Form_Load(&code));
    QCOMPARE(code, 0);
    QCOMPARE(second.p.boxes.size(), 1);
    QCOMPARE(second.p.boxes[0].text, QStringLiteral("このアプリケーションは既に起動しています。"));
    QVERIFY(!second.s.MainConnection);
    QTRY_COMPARE(running->TimesBroughtForward(), 1);
    // The socket goes with the program: a start after it ends runs.
    running.reset();
    QCOMPARE(TryInstanceLock(second.s.InstanceLockPath, server).outcome, LockOutcome::Taken);
    // A name that is not the user's own is refused by the user's own socket.
    QVERIFY(DefaultInstanceServerName().endsWith(QString::number(::getuid())));
}

void TestMenu::lockIsTheUsersOwn() {
    // Named by the user's id and kept in the user's own folder, whatever USER says.
    const QByteArray user = qgetenv("USER");
    const QString path = DefaultInstanceLockPath();
    QVERIFY(!path.isEmpty());
    qputenv("USER", "someone-else");
    QCOMPARE(DefaultInstanceLockPath(), path);
    qunsetenv("USER");
    QCOMPARE(DefaultInstanceLockPath(), path);
    qputenv("USER", user);
#ifdef Q_OS_UNIX
    QVERIFY2(path.endsWith(QStringLiteral("/solario-%1.lock").arg(::getuid())), qPrintable(path));
#endif
    // A stale lock of a process that is gone is taken over; a live one is not.
    QTemporaryDir dir;
    const QString lockPath = dir.filePath(QStringLiteral("run/solario.lock"));
    InstanceLock first = TryInstanceLock(lockPath);
    QCOMPARE(first.outcome, LockOutcome::Taken);
    QCOMPARE(TryInstanceLock(lockPath).outcome, LockOutcome::HeldByAnother);
    first.lock.reset();
    QCOMPARE(TryInstanceLock(lockPath).outcome, LockOutcome::Taken);
}

void TestMenu::databaseThatCannotBeOpened_data() {
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("why"); // what the box's description says, when it says it
    QTest::newRow("missing") << "missing" << QString();
    QTest::newRow("not a database") << "garbage" << QString();
    QTest::newRow("zero-byte file")
        << "empty file" << QStringLiteral("表「アスベスト建材情報マスタ」がありません。");
    QTest::newRow("a table missing")
        << "no lookup table" << QStringLiteral("表「一般名－部位_非含有マスタ」がありません。");
    QTest::newRow("a column missing")
        << "missing column"
        << QStringLiteral(
               "表「アスベスト建材情報マスタ」に列「写真の有無（有・無）」がありません。");
    QTest::newRow("an ID twice")
        << "doubled ID"
        << QStringLiteral("表「アスベスト建材情報マスタ」の ID「B7」が 2 行にあります。");
    // Refused at once: opening it would keep the start waiting for ever.
    QTest::newRow("a named pipe")
        << "a named pipe" << QStringLiteral("データベースがファイルではありません");
}

void TestMenu::databaseThatCannotBeOpened() {
    QFETCH(QString, database);
    QFETCH(QString, why);
    Installation t(database);
    Form_Menu menu(t.s, t.p);
    int code = -1;
    QVERIFY(!menu.Form_Load(&code));
    QCOMPARE(code, 1);
    QCOMPARE(t.p.boxes.size(), 1);
    QVERIFY(t.p.boxes[0].text.startsWith(QStringLiteral("<<データベース接続エラー>>\r\r") + why));
    QVERIFY(t.p.boxes[0].text.endsWith(
        QDir::toNativeSeparators(t.dir.filePath(QStringLiteral("app.db")))));
    QCOMPARE(t.p.boxes[0].title, QStringLiteral("エラー"));
    QCOMPARE(t.p.boxes[0].flags, box::kExclamation);
    QVERIFY(!t.s.DbOpen);
    QVERIFY(!t.s.DataEnvironment1); // the start-up ended before the report data
    QVERIFY(!menu.isVisible());
}

void TestMenu::closeBox_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("No keeps everything") << box::kNo;
    QTest::newRow("Yes ends at once") << box::kYes;
}

void TestMenu::closeBox() {
    QFETCH(int, answer);
    Started t;
    t.s.HelpWindow = 5;
    t.p.answers = {answer};
    t.menu.close();
    QCOMPARE(t.p.boxes.size(), 1);
    QCOMPARE(t.p.boxes[0].text, QStringLiteral("アプリケーションを終了してもよろしいですか？"));
    QCOMPARE(t.p.boxes[0].title, QStringLiteral("確認"));
    QCOMPARE(t.p.boxes[0].flags, 68);
    // No unload step runs either way: the connections stay until the process ends.
    QVERIFY(t.s.DbOpen);
    QVERIFY(t.s.MainConnection->IsOpen());
    if (answer == box::kNo) {
        QVERIFY(t.menu.isVisible());
        QVERIFY(!t.p.ended);
        QVERIFY(t.p.Calls(QStringLiteral("CloseAllHelp")).isEmpty());
    } else {
        QCOMPARE(t.p.Calls(QStringLiteral("CloseAllHelp")).size(), 1);
        QCOMPARE(t.s.HelpWindow, 0);
        QVERIFY(t.p.ended);
        QCOMPARE(t.p.endCode, 0);
    }
}

void TestMenu::exitButtonAndEsc_data() {
    QTest::addColumn<bool>("esc");
    QTest::addColumn<int>("answer");
    QTest::newRow("終了, No") << false << box::kNo;
    QTest::newRow("終了, Yes") << false << box::kYes;
    QTest::newRow("Esc, No") << true << box::kNo;
    QTest::newRow("Esc, Yes") << true << box::kYes;
}

void TestMenu::exitButtonAndEsc() {
    QFETCH(bool, esc);
    QFETCH(int, answer);
    Started t;
    t.p.answers = {answer};
    if (esc)
        PressKey(t.menu.CommandSearchN, Qt::Key_Escape);
    else
        t.menu.CommandExit->click();
    QCOMPARE(t.p.boxes.size(), 1); // asked once: the unload that follows does not ask again
    QCOMPARE(t.p.boxes[0].flags, 68);
    if (answer == box::kNo) {
        QVERIFY(t.menu.isVisible());
        QVERIFY(t.s.DbOpen);
        QVERIFY(!t.p.ended);
        return;
    }
    // Help closed, then the unload closed both connections, then the end.
    QCOMPARE(t.p.Calls(QStringLiteral("CloseAllHelp")).size(), 1);
    QVERIFY(!t.s.DbOpen);
    QVERIFY(!t.s.MainConnection);
    QVERIFY(!t.s.DataEnvironment1->Connection1.IsOpen());
    QVERIFY(t.menu.IsUnloaded());
    QCOMPARE(t.p.calls.last(), QStringLiteral("EndProgram:0"));
}

void TestMenu::sessionEndPassesWithoutQuestion() {
    Started t;
    SetSessionEnding(true);
    t.menu.close();
    SetSessionEnding(false);
    QVERIFY(t.p.boxes.isEmpty());
    QVERIFY(t.menu.IsUnloaded());
    QVERIFY(!t.s.DbOpen); // the unload ran
}

void TestMenu::menuKeys_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("call");
    QTest::newRow("F1 help") << "CommandExit" << int(Qt::Key_F1) << "ShowHelp:app.qhc:10:Form_Menu";
    QTest::newRow("F2 usage search") << "CommandHelp" << int(Qt::Key_F2) << "ShowModal:SearchD";
    QTest::newRow("F3 name search") << "CommandSearchD" << int(Qt::Key_F3) << "ShowModal:SearchN";
    QTest::newRow("F4 usage notes")
        << "CommandSearchN" << int(Qt::Key_F4) << "OpenDocument:注意.pdf";
    QTest::newRow("F5 registered data")
        << "CommandSearchD" << int(Qt::Key_F5) << "OpenDocument:登録.pdf";
    QTest::newRow("F6 environment") << "CommandExit" << int(Qt::Key_F6) << "OpenDocument:環境.pdf";
    QTest::newRow("Esc end question") << "CommandHelp" << int(Qt::Key_Escape) << "MessageBox:確認";
    QTest::newRow("F7 nothing") << "CommandHelp" << int(Qt::Key_F7) << "";
    QTest::newRow("F8 the data in use")
        << "CommandSearchD" << int(Qt::Key_F8) << "MessageBox:データについて";
    QTest::newRow("F4 on the explanation button does nothing")
        << "CommandExplan" << int(Qt::Key_F4) << "";
    QTest::newRow("Esc on the explanation button does nothing")
        << "CommandExplan" << int(Qt::Key_Escape) << "";
    QTest::newRow("Enter presses the focused button")
        << "CommandExplan" << int(Qt::Key_Return) << "ShowModal:Form_Explan";
    QTest::newRow("keypad Enter presses the focused button")
        << "CommandSearchN" << int(Qt::Key_Enter) << "ShowModal:SearchN";
}

void TestMenu::menuKeys() {
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, call);
    Started t;
    t.p.answers = {box::kNo};
    t.menu.MakeSearchD = [](AppState& s, Platform& p) {
        return std::make_unique<TestScreen>(s, p, QStringLiteral("SearchD"));
    };
    t.menu.MakeSearchN = [](AppState& s, Platform& p) {
        return std::make_unique<TestScreen>(s, p, QStringLiteral("SearchN"));
    };
    auto* target = t.menu.findChild<QWidget*>(control);
    QVERIFY(target);
    target->setFocus();
    t.p.calls.clear();
    PressKey(target, Qt::Key(key));
    if (call.isEmpty()) {
        QVERIFY2(t.p.calls.isEmpty(), qPrintable(t.p.calls.join(u' ')));
        return;
    }
    QVERIFY(!t.p.calls.isEmpty());
    if (call.startsWith(u"OpenDocument:"))
        QCOMPARE(t.p.calls.first(), QStringLiteral("OpenDocument:") + t.Doc(call.mid(13)));
    else
        QCOMPARE(t.p.calls.first(), call);
    // After a screen opened from the menu closes, the menu is back and activated.
    if (call.startsWith(u"ShowModal:")) {
        QVERIFY(t.menu.isVisible());
        QCOMPARE(t.s.BackToMenu, 0);
    }
}

void TestMenu::explanationKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("call");
    QTest::newRow("F1 help") << int(Qt::Key_F1) << "ShowHelp:app.qhc:36:Form_Explan";
    QTest::newRow("F2 usage notes") << int(Qt::Key_F2) << "注意.pdf";
    QTest::newRow("F3 environment") << int(Qt::Key_F3) << "環境.pdf";
    QTest::newRow("F4 registered data") << int(Qt::Key_F4) << "登録.pdf";
    QTest::newRow("F5 parts") << int(Qt::Key_F5) << "部位.pdf";
    QTest::newRow("F6 periods") << int(Qt::Key_F6) << "期間.pdf";
    QTest::newRow("Esc back") << int(Qt::Key_Escape) << "CloseAllHelp:app.qhc:Form_Explan";
    QTest::newRow("F9 nothing") << int(Qt::Key_F9) << "";
}

void TestMenu::explanationKeys() {
    QFETCH(int, key);
    QFETCH(QString, call);
    Started t;
    QStringList seen;
    bool stillOpen = false;
    t.p.drivers = {[&](Screen& screen) {
        auto& explan = static_cast<Form_Explan&>(screen);
        t.p.calls.clear();
        PressKey(explan.Command_ryutu_kikan, Qt::Key(key));
        seen = t.p.calls;
        stillOpen = !explan.IsUnloaded();
    }};
    t.menu.CommandExplan->click();
    if (call.isEmpty()) {
        QVERIFY(seen.isEmpty());
    } else if (call.endsWith(u".pdf")) {
        QCOMPARE(seen, QStringList{QStringLiteral("OpenDocument:") + t.Doc(call)});
    } else {
        QCOMPARE(seen.value(0), call);
    }
    QCOMPARE(stillOpen, key != Qt::Key_Escape);
    QVERIFY(t.menu.isVisible());
}

void TestMenu::functionKeysWorkOnReturn() {
    Started t;
    t.menu.MakeSearchD = [](AppState& s, Platform& p) {
        return std::make_unique<TestScreen>(s, p, QStringLiteral("SearchD"));
    };
    QApplication::setActiveWindow(&t.menu);
    t.menu.CommandExplan->setFocus();
    t.p.drivers = {[&](Screen&) { solario::test::Press(Qt::Key_Escape); }};
    solario::test::Press(Qt::Key_Space);
    QCOMPARE(t.p.Calls(QStringLiteral("Closed")), QStringList{"Closed:Form_Explan"});
    QVERIFY(t.menu.isVisible());
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), &t.menu);
    t.p.calls.clear();
    solario::test::Press(Qt::Key_F2); // no Tab first
    QCOMPARE(t.p.Calls(QStringLiteral("ShowModal")), QStringList{"ShowModal:SearchD"});
}

void TestMenu::explanationCloseBoxReturnsToMenu() {
    Started t;
    t.s.BackToMenu = 1; // the explanation screen ends any unwinding, as the menu does
    t.p.drivers = {[&](Screen& screen) {
        QCOMPARE(t.s.BackToMenu, 0);
        QCOMPARE(screen.windowTitle(), QStringLiteral("【ソラリオ】【ご利用にあたって】"));
        QCOMPARE(screen.windowType(), Qt::Window);
        QVERIFY(!t.menu.isVisible()); // hidden while its child is open
        static_cast<Form_Explan&>(screen).CommandHelp->click();
        QCOMPARE(t.p.openHelp, 1);
        screen.close();
    }};
    t.menu.CommandExplan->click();
    QCOMPARE(t.p.openHelp, 0);    // the close box closed its help
    QVERIFY(t.p.boxes.isEmpty()); // and asked nothing
    QVERIFY(t.menu.isVisible());
    QCOMPARE(t.p.Calls(QStringLiteral("Closed:Form_Explan")).size(), 1);
}

void TestMenu::controlsAndTabOrder() {
    Started t;
    const QStringList order = {"CommandHelp", "CommandExit", "CommandSearchD", "CommandSearchN",
                               "CommandExplan"};
    QWidget* w = t.menu.CommandHelp;
    for (const QString& name : order) {
        QCOMPARE(w->objectName(), name);
        w = w->nextInFocusChain();
    }
    QCOMPARE(t.menu.CommandExit->text(), QStringLiteral("終了"));
    QCOMPARE(t.menu.CommandExplan->text(), QStringLiteral("ご利用にあたって"));
    QCOMPARE(t.menu.Label4->text(), QStringLiteral("ソラリオ ２００６年１２月版"));
    QVERIFY(t.menu.Label3->text().contains(QStringLiteral("ご覧いただき、\u3000\u3000内容")));
    QVERIFY(!t.menu.CommandSearchD->icon().isNull());
    QCOMPARE(t.menu.CommandSearchD->accessibleName(), QStringLiteral("使用状態からの検索"));
    // Twips at the screen's resolution: 1440 to the inch.
    const int dpi = t.menu.logicalDpiX();
    QCOMPARE(t.menu.CommandSearchD->geometry(),
             QRect((1320 * dpi + 720) / 1440, (1920 * dpi + 720) / 1440, (3855 * dpi + 720) / 1440,
                   (2775 * dpi + 720) / 1440));
    for (QPushButton* b : t.menu.findChildren<QPushButton*>()) {
        QVERIFY(!b->autoDefault());
        QVERIFY(!b->isDefault());
    }

    Form_Explan explan(t.s, t.p);
    QCOMPARE(
        explan.Command_kenzai_info->text(),
        QStringLiteral("本データベースに登録されている\n\u3000\u3000\u3000\u3000建材情報について"));
    const QStringList explanOrder = {
        "CommandHelp",         "CommandExit",        "Command_system_guidance", "Command_configure",
        "Command_kenzai_info", "Command_shiyou_bui", "Command_ryutu_kikan"};
    w = explan.CommandHelp;
    for (const QString& name : explanOrder) {
        QCOMPARE(w->objectName(), name);
        w = w->nextInFocusChain();
    }
}

void TestMenu::qtDialogsSpeakJapanese() {
    QTemporaryDir folder; // no translations beside this program: Qt's own are used
    QVERIFY(SetUpApplication(*qApp, folder.path()));
    QCOMPARE(QLocale().language(), QLocale::Japanese);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* a : menu->actions())
        texts.append(a->text().section(u'\t', 0, 0)); // the shortcut follows a tab
    QVERIFY2(texts.contains(QStringLiteral("コピー(&C)")), qPrintable(texts.join(u'|')));
    QVERIFY(!qApp->quitOnLastWindowClosed());

    // The desktop's entry and every window's icon, drawn at the sizes desktops ask for.
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("jp.solario.Solario"));
    const QList<QSize> sizes = qApp->windowIcon().availableSizes();
    for (int size : {16, 32, 48, 256})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    QCOMPARE(field.windowIcon().cacheKey(), qApp->windowIcon().cacheKey());
}

// The user's own database is used before the system's and the bundled sample, and the
// menu says which file answers.
void TestMenu::theUsersOwnDataIsUsedAndNamed_data() {
    QTest::addColumn<QString>("folder"); // where the imported database lies
    QTest::addColumn<QString>("place");
    QTest::newRow("the user's data folder") << "user" << "利用者のデータフォルダ";
    QTest::newRow("the system's data folder") << "system" << "このコンピュータ共通のデータフォルダ";
    QTest::newRow("given on the command line") << "given" << "起動時に指定したファイル";
}

void TestMenu::theUsersOwnDataIsUsedAndNamed() {
    QFETCH(QString, folder);
    QFETCH(QString, place);
    Installation t(QStringLiteral("sample")); // beside the program: the sample
    Installation imported(QStringLiteral("imported"));
    QVERIFY(QDir(t.dir.path()).mkpath(folder));
    const QString path = t.dir.filePath(folder + QStringLiteral("/app.db"));
    QVERIFY(QFile::copy(imported.dir.filePath(QStringLiteral("app.db")), path));
    t.s.UserDataFolder = t.dir.filePath(QStringLiteral("user"));
    t.s.SystemDataFolder = t.dir.filePath(QStringLiteral("system"));
    if (folder == u"given")
        t.s.DatabaseArgument = path;
    Form_Menu menu(t.s, t.p);
    int code = -1;
    QVERIFY(menu.Form_Load(&code));
    QCOMPARE(t.s.DatabasePath, path);
    QVERIFY(!t.s.SampleData);
    QCOMPARE(t.s.DataVersion, QStringLiteral("２０２６年１２月版"));
    const QString tip = menu.Label4->toolTip();
    QVERIFY2(tip.contains(QDir::toNativeSeparators(path)) && tip.contains(place), qPrintable(tip));
    menu.show();
    menu.CommandSearchD->setFocus();
    QTest::keyClick(menu.CommandSearchD, Qt::Key_F8);
    QCOMPARE(t.p.boxes.size(), 1);
    QCOMPARE(t.p.boxes[0].title, QStringLiteral("データについて"));
    for (const QString& line :
         {QStringLiteral("版：２０２６年１２月版"), QStringLiteral("ファイル：") + QDir::toNativeSeparators(path),
          QStringLiteral("場所：") + place})
        QVERIFY2(t.p.boxes[0].text.split(u'\r').contains(line), qPrintable(t.p.boxes[0].text));
    menu.close();
}

// An app.ini that is a pipe is told of and not opened (which would wait for ever); the
// program starts without documents.
void TestMenu::aSettingsFileThatIsNoFileIsNotRead() {
    Installation t;
    const QString ini = t.dir.filePath(QStringLiteral("app.ini"));
    QVERIFY(QFile::remove(ini));
    QCOMPARE(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    Form_Menu menu(t.s, t.p);
    int code = -1;
    QVERIFY(menu.Form_Load(&code));
    QCOMPARE(t.p.boxes.size(), 1);
    QVERIFY2(t.p.boxes[0].text.startsWith(QStringLiteral("設定ファイルがファイルではない")) &&
                 t.p.boxes[0].text.endsWith(QDir::toNativeSeparators(ini)),
             qPrintable(t.p.boxes[0].text));
    QVERIFY(t.s.DbOpen);
    QCOMPARE(t.s.DocUsageNotes, QStringLiteral("\\"));
    menu.close();
}

void TestMenu::sampleDataIsMarked_data() {
    QTest::addColumn<QString>("database");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<QString>("edition");
    QTest::newRow("sample data") << "sample" << true << "２００６年１２月版";
    QTest::newRow("a database without the mark") << "fixture" << false << "２００６年１２月版";
    QTest::newRow("imported data with its edition") << "imported" << false << "２０２６年１２月版";
}

void TestMenu::sampleDataIsMarked() {
    QFETCH(QString, database);
    QFETCH(bool, marked);
    QFETCH(QString, edition);
    Started t(database);
    QVERIFY(t.ok);
    QCOMPARE(t.s.SampleData, marked);
    QCOMPARE(t.s.DataVersion, edition);
    QCOMPARE(t.menu.findChild<QLabel*>(QStringLiteral("Label4"))->text(),
             QStringLiteral("ソラリオ ") + edition);
    auto marks = [](const QWidget& screen) {
        QStringList shown;
        for (const QLabel* l : screen.findChildren<QLabel*>(QStringLiteral("SampleMark")))
            if (l->isVisible())
                shown.append(l->parentWidget()->objectName() + u':' + l->text());
        return shown;
    };
    const QStringList expected =
        marked ? QStringList{"Form_Menu:サンプルデータ（架空）", "Image1:サンプルデータ（架空）"}
               : QStringList{};
    QStringList menuMarks = marks(t.menu);
    menuMarks.sort();
    QCOMPARE(menuMarks, expected);
    QCOMPARE(t.menu.windowTitle(), QStringLiteral("【ソラリオ】【メニュー】"));
    if (marked) {
        // Beside the edition: on its line, after its text, inside the window.
        const QLabel* edition = t.menu.findChild<QLabel*>(QStringLiteral("Label4"));
        const QLabel* mark =
            t.menu.findChild<QLabel*>(QStringLiteral("SampleMark"), Qt::FindDirectChildrenOnly);
        QVERIFY(mark->geometry().left() >
                edition->x() + edition->fontMetrics().horizontalAdvance(edition->text()));
        QVERIFY(mark->geometry().center().y() > edition->geometry().top());
        QVERIFY(mark->geometry().center().y() < edition->geometry().bottom());
        QVERIFY(mark->geometry().right() <
                t.menu.findChild<QWidget*>(QStringLiteral("CommandHelp"))->x());
    }
    QStringList childMarks;
    QString childTitle;
    t.p.drivers = {[&](Screen& child) {
        childMarks = marks(child);
        childTitle = child.windowTitle();
    }};
    t.menu.CommandExplan->click();
    QCOMPARE(childMarks, marked ? QStringList{"Image1:サンプルデータ（架空）"} : QStringList{});
    QCOMPARE(childTitle, QStringLiteral("【ソラリオ】【ご利用にあたって】"));
}

QTEST_MAIN(TestMenu)
#include "test_menu.moc"
