#pragma once

#include "data/app_state.h"

namespace solario {

// The conditions of the name search that found nothing, and the notice's message.
Status WriteNameSearchNotice(AppState& s);

} // namespace solario
