#pragma once

#include "data/app_state.h"
#include "shell/platform.h"

#include <initializer_list>

class QComboBox;
class QEvent;
class QLineEdit;

namespace solario {

// Fills the hidden year lists of a search screen (start years ascending, end years
// descending, each after an empty entry) and leaves their texts empty. Shows a message
// and returns false when the years cannot be read.
bool LoadYearCombos(const AppState& s, Platform& platform, QComboBox& start, QComboBox& end);

// Leaving a year field: its text goes to the hidden year list's text, then must be empty
// or four digits; otherwise the message is shown, the focus goes back to the field and
// the result is false.
bool LeaveYearField(const AppState& s, Platform& platform, QLineEdit& field, QComboBox& combo);

// A year field and the hidden list a search reads it from.
struct YearBox {
    QLineEdit* field;
    QComboBox* combo;
};

// Before a search by its function key: the year field that still has the focus is left
// as if the cursor moved on, so the year on screen is the year searched. False when that
// year was refused (the message has been shown and the focus stays in the field).
bool CommitYearInFocus(const AppState& s, Platform& platform,
                       std::initializer_list<YearBox> fields);

// The year a search reads from a hidden year list: trimmed, in half-width digits.
QString SearchYear(const QComboBox& combo);

// True for a focus-out that moves to another control, not for a switch of windows or a
// pop-up: what the screens call leaving a field.
bool IsLostFocus(const QEvent* event);

} // namespace solario
