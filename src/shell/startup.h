#pragma once

#include "data/app_state.h"
#include "platform/platform.h"

namespace solario {

inline const QString kDataVersion = QStringLiteral("２００６年１２月版");

// Opens everything the screens stand on, in order: the data edition, the material
// database (false, after the error box, when it cannot be opened), the report data,
// the return-to-menu flag, the field catalogue, the special characters and messages.
// A report data failure is shown and also ends with false.
bool OpenApplicationData(AppState& s, Platform& platform);

// Closes the material database (when open) and the report data.
void CloseApplicationData(AppState& s);

} // namespace solario
