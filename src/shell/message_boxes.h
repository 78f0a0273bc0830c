#pragma once

#include "data/app_state.h"
#include "shell/platform.h"

namespace solario {

// The cause given when the material database is not open.
inline const QString kNotConnected = QStringLiteral("データベースに接続されていません。");

// Warning box: the text, title "エラー", exclamation icon, OK.
void ShowWarning(Platform& platform, const QString& text);
// The numbered message of the message table as a warning box.
void ShowMessageNo(const AppState& s, Platform& platform, int number);
// A failure with no handling of its own: what could not be done, then the cause.
void ShowFailure(Platform& platform, const QString& what, const QString& cause);

// Plain digits of exactly `length` characters, or empty; otherwise shows the message.
bool CheckDigitsExact(Platform& platform, const QString& text, int length, const QString& message);
// Plain digits of at most `maximum` characters; otherwise shows the message.
bool CheckDigitsMax(Platform& platform, const QString& text, int maximum, const QString& message);

} // namespace solario
