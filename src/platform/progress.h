#pragma once

#include "platform/result.h"

#include <QString>
#include <functional>

namespace solario {

// Told how far a long piece of work has come (done of total steps); answers false when
// the user asked to stop, and the work then ends as soon as it can with Stopped().
using Progress = std::function<bool(qint64 done, qint64 total)>;

// The outcome of work the user stopped: not a failure to report.
inline const QString kStoppedByUser = QStringLiteral("中止しました。");
inline Failure Stopped() {
    return Failure{kStoppedByUser};
}
inline bool WasStopped(const Status& status) {
    return !status && status.error() == kStoppedByUser;
}

// Asks the progress whether to go on; no progress means always.
inline bool GoOn(const Progress& progress, qint64 done, qint64 total) {
    return !progress || progress(done, total);
}

} // namespace solario
