#pragma once

#include "data/app_state.h"

namespace solario {

// The conditions and every row of the list (none when it is null or closed), in the
// list's order, with a heading line at the top of every printed page.
Status WriteListReport(AppState& s, const KeyedRecordset* list);

} // namespace solario
