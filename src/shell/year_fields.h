#pragma once

#include "data/app_state.h"
#include "shell/platform.h"

class QComboBox;
class QEvent;
class QLineEdit;

namespace solario {

// Fills the hidden year lists of a search screen (start years ascending, end years
// descending, each after an empty entry) and leaves their texts empty. Shows a message
// and returns false when the years cannot be read.
bool LoadYearCombos(const AppState& s, Platform& platform, QComboBox& start, QComboBox& end);

// Leaving a year field: its text goes to the hidden year list's text, then must be empty
// or four digits; otherwise the message is shown and the focus goes back to the field.
void LeaveYearField(const AppState& s, Platform& platform, QLineEdit& field, QComboBox& combo);

// The year a search reads from a hidden year list: trimmed, in half-width digits.
QString SearchYear(const QComboBox& combo);

// True for a focus-out that moves to another control, not for a switch of windows or a
// pop-up: what the screens call leaving a field.
bool IsLostFocus(const QEvent* event);

} // namespace solario
