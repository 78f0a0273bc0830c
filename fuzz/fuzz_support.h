#pragma once

// What every fuzz target shares: the input as text, and a stop that libFuzzer reports
// as a crash with the input that caused it.
#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace solario::fuzz {

inline QString Text(const uint8_t* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

inline QByteArray Bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A broken promise of the code under test: print it and stop.
[[noreturn]] inline void Broken(const char* what, const QString& detail = QString()) {
    std::fprintf(stderr, "broken: %s %s\n", what, detail.toUtf8().constData());
    std::abort();
}

} // namespace solario::fuzz
