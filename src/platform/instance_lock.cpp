#include "platform/instance_lock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace solario {

QString DefaultInstanceLockPath() {
#ifdef Q_OS_UNIX
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        // Qt found its folder unusable: name the folder it tried, so the refusal can say
        // where the lock was to be.
        folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (folder.isEmpty()) {
            const passwd* user = ::getpwuid(::getuid());
            folder = QDir::temp().filePath(
                QStringLiteral("runtime-") +
                (user ? QString::fromLocal8Bit(user->pw_name) : QString::number(::getuid())));
        }
    }
    const QString name = QStringLiteral("solario-%1.lock").arg(::getuid());
#else
    // The local application data is the user's own folder.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/solario");
    const QString name = QStringLiteral("solario.lock");
#endif
    return folder.isEmpty() ? QString() : QDir(folder).filePath(name);
}

InstanceLock TryInstanceLock(const QString& path) {
    InstanceLock result;
    if (path.isEmpty()) {
        result.reason = QStringLiteral("利用者ごとのフォルダがありません。");
        return result;
    }
    const QFileInfo info(path);
    result.folder = QDir::toNativeSeparators(info.absolutePath());
    if (!info.absoluteDir().exists()) {
        if (!QDir().mkpath(info.absolutePath())) {
            result.reason = QStringLiteral("フォルダを作成できません。");
            return result;
        }
        QFile::setPermissions(info.absolutePath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0); // a lock is stale only when its process is gone
    if (lock->tryLock(0)) {
        result.outcome = LockOutcome::Taken;
        result.lock = std::move(lock);
        return result;
    }
    switch (lock->error()) {
    case QLockFile::LockFailedError:
        result.outcome = LockOutcome::HeldByAnother;
        break;
    case QLockFile::PermissionError:
        result.reason = QStringLiteral("ファイルを作成する権限がありません。");
        break;
    default:
        result.reason = QStringLiteral("ファイルを作成できません。");
        break;
    }
    return result;
}

} // namespace solario
