#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace solario {

// The per-user lock file that tells a running instance: in the user's runtime folder
// (Unix: XDG_RUNTIME_DIR, or Qt's folder of the user under the temporary folder), or the
// user's local application data (Windows), named by the user's id, never by a variable
// another user could set alike. When Qt finds that folder unusable, the folder it tried,
// so that taking the lock fails there and says where.
QString DefaultInstanceLockPath();

enum class LockOutcome {
    Taken,         // this instance runs
    HeldByAnother, // another running instance holds it
    Unavailable,   // the lock cannot be made: whether another instance runs is unknown
};

struct InstanceLock {
    LockOutcome outcome = LockOutcome::Unavailable;
    std::unique_ptr<QLockFile> lock; // held while the instance runs
    QString folder;                  // where the lock was to be
    QString reason;                  // why it could not be made
};

// Takes the lock at the path (making its folder, for the user alone, when missing). A
// lock left behind by a process that is gone is taken over.
InstanceLock TryInstanceLock(const QString& path);

} // namespace solario
