#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace solario {

// The per-user lock file that tells a running instance.
QString DefaultInstanceLockPath();

// Takes the lock at the path, or returns null when another running instance holds it. A
// lock left behind by a process that is gone is taken over.
std::unique_ptr<QLockFile> TryInstanceLock(const QString& path);

} // namespace solario
