#pragma once

namespace solario {

// Key codes that reach the screens' dispatchers, with the desktop's values; F1 to F9
// follow each other.
enum KeyCode : int {
    kKeyEscape = 27,
    kKeyPageUp = 33,
    kKeyPageDown = 34,
    kKeyF1 = 112,
    kKeyF2,
    kKeyF3,
    kKeyF4,
    kKeyF5,
    kKeyF6,
    kKeyF7,
    kKeyF8,
    kKeyF9,
};

// The code of a Qt key, or 0 for a key no screen handles.
int KeyCodeOf(int qtKey);

} // namespace solario
