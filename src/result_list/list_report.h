#pragma once

#include "data/app_state.h"
#include "platform/progress.h"

namespace solario {

// The conditions and every row of the list (none when it is null or closed), in the
// list's order, with a heading line at the top of every printed page. Progress is told
// of every row and may stop the writing (Stopped()).
Status WriteListReport(AppState& s, const KeyedRecordset* list, const Progress& progress = {});

} // namespace solario
