#include "data/app_state.h"

#include "data/report_data.h"

namespace solario {

AppState::AppState() = default;
AppState::~AppState() = default;

} // namespace solario
