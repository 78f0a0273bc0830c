#include "platform/memory.h"

#include <QFile>
#include <QRegularExpression>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace solario {

void GiveBackFreeMemory() {
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

namespace {

// A line "VmRSS:   1234 kB" of the process's status.
long long StatusKilobytes(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression line(QStringLiteral("^%1:\\s+(\\d+) kB").arg(QLatin1String(key)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() ? m.captured(1).toLongLong() * 1024 : 0;
}

} // namespace

long long ResidentBytes() {
    return StatusKilobytes("VmRSS");
}

long long PeakResidentBytes() {
    return StatusKilobytes("VmHWM");
}

} // namespace solario
