#pragma once

namespace solario {

// Key codes that reach the screens' dispatchers, with the desktop's values.
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF2 = 113;
inline constexpr int kKeyF3 = 114;
inline constexpr int kKeyF4 = 115;
inline constexpr int kKeyF5 = 116;
inline constexpr int kKeyF6 = 117;
inline constexpr int kKeyF7 = 118;
inline constexpr int kKeyF8 = 119;
inline constexpr int kKeyF9 = 120;

// The code of a Qt key, or 0 for a key no screen handles.
int KeyCodeOf(int qtKey);

} // namespace solario
