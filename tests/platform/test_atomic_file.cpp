#include "platform/atomic_file.h"
#include "support/scratch_mount.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <cstdio>

using namespace solario;
using namespace solario::test;

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The files of the folder: after any save, the target and nothing of ours beside it.
QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

const QByteArray kOld = "the file as it was";

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT

private slots:
    void replacesTheTargetOnlyWhenWhole();
    void anAbandonedFileLeavesTheTarget();
    void failuresNameTheirCause_data();
    void failuresNameTheirCause();
    void aKilledWriterLeavesTheTargetAndItsLeftoverGoes();
};

void TestAtomicFile::replacesTheTargetOnlyWhenWhole() {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("一覧.pdf"));
    WriteFile(target, kOld);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QFile::Permissions permissions = QFile::permissions(target);
    AtomicFile file(target);
    QVERIFY(file.Begin());
    const QByteArray whole(300000, 'x'); // more than one block of writing
    QCOMPARE(file.write(whole), whole.size());
    QCOMPARE(Read(target), kOld); // until it is complete, the old file stands
    QCOMPARE(Files(dir.path()).size(), 2);
    QVERIFY(file.Commit());
    QCOMPARE(Read(target), whole);
    QCOMPARE(Files(dir.path()), QStringList{QStringLiteral("一覧.pdf")});
    // It keeps the permissions of the file it replaced.
    QCOMPARE(QFile::permissions(target), permissions);
}

void TestAtomicFile::anAbandonedFileLeavesTheTarget() {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("一覧.pdf"));
    WriteFile(target, kOld);
    {
        AtomicFile file(target);
        QVERIFY(file.Begin());
        file.write(QByteArray(100000, 'y'));
    } // never committed
    QCOMPARE(Read(target), kOld);
    QCOMPARE(Files(dir.path()), QStringList{QStringLiteral("一覧.pdf")});
}

void TestAtomicFile::failuresNameTheirCause_data() {
    QTest::addColumn<QString>("mount"); // options of a small file system, or none
    QTest::addColumn<QString>("name");  // the target, in the folder
    QTest::addColumn<QString>("cause");
    QTest::newRow("no such folder") << "" << "gone/一覧.pdf" << "保存先のフォルダが見つかりません。";
    QTest::newRow("a folder of that name") << "" << "folder" << "同じ名前のフォルダがあります。";
    QTest::newRow("a full disk") << "size=64k" << "一覧.pdf" << "ディスクの空きが足りません。";
    QTest::newRow("a read-only disk")
        << "read-only" << "一覧.pdf" << "読み取り専用のディスク（ファイルシステム）には書き込めません。";
}

void TestAtomicFile::failuresNameTheirCause() {
    QFETCH(QString, mount);
    QFETCH(QString, name);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    std::unique_ptr<ScratchMount> disk;
    QString folder = dir.path();
    if (!mount.isEmpty()) {
        disk = std::make_unique<ScratchMount>(QStringLiteral("size=64k"));
        if (!disk->Mounted())
            QSKIP(disk->Why().constData());
        folder = disk->Path();
    }
    QDir(folder).mkdir(QStringLiteral("folder"));
    const QString target = QDir(folder).filePath(name);
    if (!name.contains(u'/') && name != u"folder")
        WriteFile(target, kOld);
    if (mount == u"read-only")
        QVERIFY(disk->Remount(QStringLiteral("remount,ro")));
    const QStringList before = Files(folder);
    AtomicFile file(target);
    Status status = file.Begin();
    if (status) {
        file.write(QByteArray(200000, 'z')); // more than the disk holds
        status = file.Commit();
    }
    QVERIFY(!status);
    QVERIFY2(status.error().startsWith(cause), qPrintable(status.error()));
    QVERIFY(status.error().contains(QDir::toNativeSeparators(target)));
    QCOMPARE(Files(folder), before); // the old file, and nothing left beside it
    if (QFileInfo(target).isFile())
        QCOMPARE(Read(target), kOld);
}

// A program killed while it writes leaves the old file whole; its temporary file is
// removed by the next save into the folder, once the program is gone.
void TestAtomicFile::aKilledWriterLeavesTheTargetAndItsLeftoverGoes() {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("一覧.pdf"));
    WriteFile(target, kOld);
    // Another program's file, still running (this one): it stays.
    const QString running = dir.filePath(QStringLiteral("other.pdf.saving-%1")
                                             .arg(QCoreApplication::applicationPid()));
    WriteFile(running, "in use");
    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--write-and-wait"), target});
    QVERIFY(writer.waitForReadyRead(20000));
    QCOMPARE(writer.readAllStandardOutput().trimmed(), QByteArray("writing"));
    const QString leftover = target + QStringLiteral(".saving-%1").arg(writer.processId());
    QVERIFY(QFileInfo(leftover).size() > 0);
    QVERIFY(ProcessIsRunning(writer.processId()));
    writer.kill(); // as the power goes, or kill -9
    QVERIFY(writer.waitForFinished(20000));
    QCOMPARE(Read(target), kOld);
    QVERIFY(QFileInfo::exists(leftover));

    AtomicFile next(dir.filePath(QStringLiteral("次.pdf")));
    QVERIFY(next.Begin());
    next.write("next");
    QVERIFY(next.Commit());
    QVERIFY(!QFileInfo::exists(leftover));
    QVERIFY(QFileInfo::exists(running));
    QCOMPARE(Read(target), kOld);
}

// Run as a child by the test above: starts writing, says so, and waits to be killed.
int main(int argc, char* argv[]) {
    if (argc == 3 && QByteArray(argv[1]) == "--write-and-wait") {
        QCoreApplication app(argc, argv);
        AtomicFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.Begin())
            return 1;
        file.write(QByteArray(200000, 'w'));
        std::printf("writing\n");
        std::fflush(stdout);
        QThread::sleep(60);
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestAtomicFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_atomic_file.moc"
