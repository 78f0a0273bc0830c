#pragma once

#include "data/app_state.h"

namespace solario {

// The open record as the printed record shows it, in the detail report table's one row.
Status WriteDetailReport(AppState& s);

} // namespace solario
