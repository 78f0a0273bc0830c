#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace solario::test {

// A small file system of its own, mounted for one test: a disk that fills up, or one
// that cannot be written at all. Mounting needs root; Mounted() says whether it worked
// and Why() why not, for the test to skip with.
class ScratchMount {
public:
    // Options as mount takes them ("size=64k", "ro,size=64k").
    explicit ScratchMount(const QString& options) {
        QProcess mount;
        mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                              QStringLiteral("-o"), options, QStringLiteral("tmpfs"),
                                              dir_.path()});
        mount.waitForFinished(10000);
        mounted_ = mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
        why_ = QStringLiteral("a small file system could not be mounted (it takes root): ") +
               QString::fromLocal8Bit(mount.readAllStandardError()).trimmed() + mount.errorString();
    }
    ~ScratchMount() {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), dir_.path()});
    }
    // Mounts it again with other options ("remount,ro": read-only from now on).
    bool Remount(const QString& options) {
        return QProcess::execute(QStringLiteral("mount"),
                                 {QStringLiteral("-o"), options, dir_.path()}) == 0;
    }
    bool Mounted() const { return mounted_; }
    QByteArray Why() const { return why_.toUtf8(); }
    QString FilePath(const QString& name) const { return dir_.filePath(name); }
    QString Path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString why_;
};

} // namespace solario::test
