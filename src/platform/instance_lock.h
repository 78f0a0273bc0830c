#pragma once

#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

namespace solario {

// The per-user lock file that tells a running instance: in the user's runtime folder
// (Unix: XDG_RUNTIME_DIR, or Qt's folder of the user under the temporary folder), or the
// user's local application data (Windows), named by the user's id, never by a variable
// another user could set alike. When Qt finds that folder unusable, the folder it tried,
// so that taking the lock fails there and says where.
QString DefaultInstanceLockPath();

// The name of the user's local socket of a running instance: one per user of the machine
// (by the user's id), whatever folders the environment names, so that two starts from
// different environments still find each other. On Linux a name in the abstract
// namespace, which goes with the process and leaves no file behind.
QString DefaultInstanceServerName();

enum class LockOutcome {
    Taken,         // this instance runs
    HeldByAnother, // another running instance holds it
    Unavailable,   // the lock cannot be made: whether another instance runs is unknown
};

struct InstanceLock {
    InstanceLock();
    InstanceLock(InstanceLock&&) noexcept;
    InstanceLock& operator=(InstanceLock&&) noexcept;
    ~InstanceLock();

    LockOutcome outcome = LockOutcome::Unavailable;
    std::unique_ptr<QLockFile> lock; // held while the instance runs
    // Listened on while the instance runs: a second start asks it to come forward.
    std::unique_ptr<QLocalServer> server;
    QString folder;                  // where the lock was to be
    QString reason;                  // why it could not be made
};

// Takes the instance: first the user's local socket (when a name is given; another
// instance listening on it means that one runs), then the lock file at the path (making
// its folder, for the user alone, when missing). A lock left behind by a process that is
// gone is taken over.
InstanceLock TryInstanceLock(const QString& path, const QString& serverName = QString());

// Asks the instance listening on the name to bring its window to the front; false when
// none answers.
bool AskRunningInstanceToShow(const QString& serverName);
// What AskRunningInstanceToShow sends.
inline constexpr char kShowRequest[] = "show\n";

} // namespace solario
