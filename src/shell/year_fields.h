#pragma once

#include "data/app_state.h"
#include "platform/platform.h"

class QComboBox;
class QEvent;

namespace solario {

// Fills the hidden year lists of a search screen (start years ascending, end years
// descending, each after an empty entry) and leaves their texts empty. Shows a message
// and returns false when the years cannot be read.
bool LoadYearCombos(const AppState& s, Platform& platform, QComboBox& start, QComboBox& end);

// True for a focus-out that moves to another control, not for a switch of windows or a
// pop-up: what the screens call leaving a field.
bool IsLostFocus(const QEvent* event);

} // namespace solario
