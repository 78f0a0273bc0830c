#pragma once

#include "platform/result.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <system_error>

namespace solario {

// A file that replaces its target only when all of it is written. The bytes go to a
// temporary file beside the target ("<target>.saving-<process id>"); Commit() puts it on
// the disk and renames it over the target in one step, so the target is at every moment
// either the old file or the whole new one. On any failure, or when the work is
// abandoned, the temporary file is removed and the target stays as it was. A program
// killed while writing leaves its temporary file behind; the next file written into the
// same folder removes those of processes that no longer run.
class AtomicFile : public QIODevice {
public:
    explicit AtomicFile(QString target);
    ~AtomicFile() override; // an uncommitted file is abandoned

    // Opens the temporary file for writing.
    Status Begin();
    // Writes what is left, puts the file on the disk and renames it over the target.
    Status Commit();
    // Closes and removes the temporary file; the target is not touched.
    void Abandon();

    const QString& Target() const { return target_; }
    const QString& TemporaryPath() const { return temporary_; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override;

private:
    bool Flush();
    Failure Failed(int error) const;

    QString target_;
    QString temporary_;
    QByteArray pending_;
    int handle_ = -1;
    int error_ = 0; // the system's error number of the first write that failed
};

// The cause of a failed file operation in the user's words ("ディスクの空きが足りません。").
QString FileErrorCause(int errnoValue);
QString FileErrorCause(const std::error_code& error);

// Removes the temporary files ("<name><marker><process id>") that processes no longer
// running left in the folder.
void RemoveStaleTemporaryFiles(const QString& folder,
                               const QString& marker = QStringLiteral(".saving-"));

// Whether a process with the id is running.
bool ProcessIsRunning(qint64 processId);

} // namespace solario
