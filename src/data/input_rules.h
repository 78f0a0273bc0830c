#pragma once

#include "data/app_state.h"
#include "platform/platform.h"

class QComboBox;
class QLineEdit;

namespace solario {

// Fills SpecialChars / SpecialCharReplacements (the list ends at the first empty entry).
void InitSpecialChars(AppState& s);
// Fills Messages; a line break inside a message is a carriage return.
void InitMessages(AppState& s);

// Warning box: the text, title "エラー", exclamation icon, OK.
void ShowWarning(Platform& platform, const QString& text);
void ShowMessageNo(const AppState& s, Platform& platform, int number);

// Removes blanks at both ends: the ordinary space and the ideographic space (U+3000),
// which a Japanese input method types for the space bar.
QString TrimBlanks(const QString& text);

// False when the text holds a character that must not reach a condition.
bool IsTextAllowed(const AppState& s, QString text);
// The trimmed text with every special character replaced by its full-width look-alike.
QString EscapeSpecialChars(const AppState& s, const QString& text);
// The condition made from a control's text: empty for "無指定", "全て" and blanks.
QString ConditionText(const AppState& s, const QString& controlText);
QString ConditionText(const AppState& s, const QComboBox& combo);
QString ConditionText(const AppState& s, const QLineEdit& text);
// The combo's text unchanged, or empty for "全て" and "無指定".
QString ComboYearText(const QString& comboText);
QString ComboYearText(const QComboBox& combo);
// A year in plain digits ("２００６" and " 2006" both give "2006"); empty when the text
// is empty or not a 16-bit whole number.
QString NormalizeYearText(const QString& text);
// True for an empty text or plain digits (either width) within the 32-bit range.
bool IsPlainNumber(const QString& text);
QString ToHalfWidthDigits(QString text);
// True for half-width digits that make a 16-bit whole number (a year a search can use).
bool IsWholeYear(const QString& text);
// Plain digits of exactly `length` characters, or empty; otherwise shows the message.
bool CheckDigitsExact(Platform& platform, const QString& text, int length, const QString& message);
// Plain digits of at most `maximum` characters; otherwise shows the message.
bool CheckDigitsMax(Platform& platform, const QString& text, int maximum, const QString& message);
// 1 when the text is not empty (blanks count), else 0.
qint32 CheckValueOf(const QString& text);
// The tick value that undoes a click: 1 for 0, else 0.
qint32 ToggledCheckValue(int value);

} // namespace solario
