#pragma once

#include "data/app_state.h"

#include <utility>

namespace solario {

// Fills SpecialChars / SpecialCharReplacements (the list ends at the first empty entry).
void InitSpecialChars(AppState& s);
// Fills Messages; a line break inside a message is a carriage return.
void InitMessages(AppState& s);

// Removes blanks at both ends: the ordinary space and the ideographic space (U+3000),
// which a Japanese input method types for the space bar.
QString TrimBlanks(const QString& text);

// False when the text holds a character that must not reach a condition.
bool IsTextAllowed(const AppState& s, QString text);
// Where in the text the first character that IsTextAllowed refuses stands, and how long
// it is (a pair of surrogates counts two); -1 when there is none.
std::pair<qsizetype, qsizetype> RefusedCharacterAt(const AppState& s, const QString& text);
// The text without invisible format characters (Unicode Cf: zero-width space and
// joiners, direction marks and overrides, the soft hyphen, the byte-order mark), which a
// paste brings along and no stored name holds.
QString WithoutFormatCharacters(const QString& text);
// The trimmed text with every special character replaced by its full-width look-alike.
QString EscapeSpecialChars(const AppState& s, const QString& text);
// The condition made from a control's text: empty for "無指定", "全て" and blanks.
QString ConditionText(const AppState& s, const QString& controlText);
// The combo's text unchanged, or empty for "全て" and "無指定".
QString ComboYearText(const QString& comboText);
// A year in plain digits ("２００６" and " 2006" both give "2006"); empty when the text
// is empty or not a 16-bit whole number.
QString NormalizeYearText(const QString& text);
// True for an empty text or plain digits (either width) within the 32-bit range.
bool IsPlainNumber(const QString& text);
QString ToHalfWidthDigits(QString text);
// True for half-width digits that make a 16-bit whole number (a year a search can use).
bool IsWholeYear(const QString& text);
// Plain digits (either width) of exactly `length` characters, or an empty text.
bool IsDigitsExact(const QString& text, int length);
// Plain digits (either width) of at most `maximum` characters.
bool IsDigitsAtMost(const QString& text, int maximum);
// 1 when the text is not empty (blanks count), else 0.
qint32 CheckValueOf(const QString& text);
// The tick value that undoes a click: 1 for 0, else 0.
qint32 ToggledCheckValue(int value);

} // namespace solario
