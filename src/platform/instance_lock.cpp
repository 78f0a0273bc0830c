#include "platform/instance_lock.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace solario {

QString DefaultInstanceLockPath() {
    // The temporary folder is the user's own on Windows; elsewhere the user's name
    // keeps two users of one machine apart.
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    user.remove(u'/').remove(u'\\');
    return QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
        .filePath(QStringLiteral("solario-%1.lock").arg(user));
}

std::unique_ptr<QLockFile> TryInstanceLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0); // a lock is stale only when its process is gone
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

} // namespace solario
