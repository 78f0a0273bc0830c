#include "platform/atomic_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <csignal>
#include <unistd.h>
#endif

namespace solario {
namespace {

constexpr qsizetype kBlock = 1 << 16;
const QString kMark = QStringLiteral(".saving-");

std::filesystem::path NativePath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

#ifdef Q_OS_WIN
int OpenNew(const QString& path) {
    return ::_wopen(reinterpret_cast<const wchar_t*>(path.utf16()),
                    _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
qint64 WriteSome(int handle, const char* data, qint64 length) {
    return ::_write(handle, data, unsigned(std::min<qint64>(length, 1 << 30)));
}
int SyncToDisk(int handle) {
    return ::_commit(handle);
}
int CloseFile(int handle) {
    return ::_close(handle);
}
void KeepPermissions(int, const QString&) {}
#else
int OpenNew(const QString& path) {
    return ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                  0666);
}
qint64 WriteSome(int handle, const char* data, qint64 length) {
    return ::write(handle, data, size_t(length));
}
int SyncToDisk(int handle) {
    return ::fsync(handle);
}
int CloseFile(int handle) {
    return ::close(handle);
}
// The new file gets the old one's permissions, as replacing it in place would keep them.
void KeepPermissions(int handle, const QString& target) {
    struct stat old{};
    if (::stat(QFile::encodeName(target).constData(), &old) == 0)
        ::fchmod(handle, old.st_mode & 07777);
}
#endif

} // namespace

AtomicFile::AtomicFile(QString target)
    : target_(QFileInfo(target).absoluteFilePath()),
      temporary_(target_ + kMark + QString::number(QCoreApplication::applicationPid())) {}

AtomicFile::~AtomicFile() {
    Abandon();
}

Failure AtomicFile::Failed(int error) const {
    return Failure{FileErrorCause(error) + QStringLiteral("\r（") +
                   QDir::toNativeSeparators(target_) + QStringLiteral("）")};
}

Status AtomicFile::Begin() {
    Abandon();
    const QFileInfo target(target_);
    if (target.isDir())
        return Failed(EISDIR);
    RemoveStaleTemporaryFiles(target.absolutePath(), kMark);
    // A file of ours left by this very process (an earlier failure that could not remove
    // it) is not in use any more.
    QFile::remove(temporary_);
    handle_ = OpenNew(temporary_);
    if (handle_ < 0)
        return Failed(errno);
    KeepPermissions(handle_, target_);
    error_ = 0;
    pending_.clear();
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return {};
}

bool AtomicFile::Flush() {
    const char* data = pending_.constData();
    qint64 left = pending_.size();
    while (left > 0 && error_ == 0) {
        const qint64 written = WriteSome(handle_, data, left);
        if (written < 0) {
            if (errno != EINTR)
                error_ = errno;
            continue;
        }
        data += written;
        left -= written;
    }
    pending_.clear();
    return error_ == 0;
}

qint64 AtomicFile::writeData(const char* data, qint64 length) {
    if (handle_ < 0 || error_ != 0)
        return -1;
    pending_.append(data, length);
    if (pending_.size() >= kBlock && !Flush())
        return -1;
    return length;
}

Status AtomicFile::Commit() {
    if (handle_ < 0)
        return Failed(error_ != 0 ? error_ : EBADF);
    int error = Flush() ? 0 : error_;
    if (error == 0 && SyncToDisk(handle_) != 0)
        error = errno;
    if (CloseFile(handle_) != 0 && error == 0)
        error = errno;
    handle_ = -1;
    QIODevice::close();
    if (error != 0) {
        QFile::remove(temporary_);
        return Failed(error);
    }
    std::error_code renamed;
    std::filesystem::rename(NativePath(temporary_), NativePath(target_), renamed);
    if (renamed) {
        QFile::remove(temporary_);
        return Failure{FileErrorCause(renamed) + QStringLiteral("\r（") +
                       QDir::toNativeSeparators(target_) + QStringLiteral("）")};
    }
    return {};
}

void AtomicFile::Abandon() {
    if (handle_ < 0)
        return;
    CloseFile(handle_);
    handle_ = -1;
    pending_.clear();
    QIODevice::close();
    QFile::remove(temporary_);
}

QString FileErrorCause(int error) {
    switch (error) {
    case ENOSPC:
        return QStringLiteral("ディスクの空きが足りません。");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("ディスクの使用量の上限に達しています。");
#endif
    case EROFS:
        return QStringLiteral("読み取り専用のディスク（ファイルシステム）には書き込めません。");
    case EACCES:
    case EPERM:
        return QStringLiteral("このフォルダまたはファイルに書き込む権限がありません。");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("保存先のフォルダが見つかりません。");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダがあります。");
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名またはフォルダ名が長すぎます。");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎて保存できません。");
    case EIO:
        return QStringLiteral("ディスクの読み書きで障害が起きました。");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("ほかのプログラムがファイルを使っています。");
    case EEXIST:
        return QStringLiteral("作業用のファイルを作れませんでした（同じ名前のファイルがあります）。");
    default:
        return QStringLiteral("ファイルを書き込めませんでした（システムのエラー番号 %1）。")
            .arg(error);
    }
}

QString FileErrorCause(const std::error_code& error) {
#ifdef Q_OS_WIN
    if (error.category() == std::system_category()) {
        switch (error.value()) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileErrorCause(ENOSPC);
        case ERROR_ACCESS_DENIED:
            return FileErrorCause(EACCES);
        case ERROR_WRITE_PROTECT:
            return FileErrorCause(EROFS);
        case ERROR_PATH_NOT_FOUND:
        case ERROR_FILE_NOT_FOUND:
            return FileErrorCause(ENOENT);
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return FileErrorCause(EBUSY);
        default:
            return FileErrorCause(error.value());
        }
    }
#endif
    return FileErrorCause(error.default_error_condition().value());
}

bool ProcessIsRunning(qint64 processId) {
    if (processId <= 0)
        return false;
#ifdef Q_OS_WIN
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(processId));
    if (!process)
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = ::GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
#else
    return ::kill(pid_t(processId), 0) == 0 || errno == EPERM;
#endif
}

void RemoveStaleTemporaryFiles(const QString& folder, const QString& marker) {
    const QRegularExpression ours(QStringLiteral("^.+") + QRegularExpression::escape(marker) +
                                  QStringLiteral("(\\d+)$"));
    const QDir dir(folder);
    for (const QString& name : dir.entryList({u'*' + marker + u'*'},
                                             QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch m = ours.match(name);
        if (m.hasMatch() && !ProcessIsRunning(m.captured(1).toLongLong()))
            QFile::remove(dir.filePath(name));
    }
}

} // namespace solario
