#pragma once

#include <QString>

namespace solario {

// Message-box flags and answers, with the values the screens were written against.
namespace box {
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kOk = 1;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
} // namespace box

// Everything a handler does beyond its own widgets goes through here, so that a test
// can stand in for the desktop: it records the calls and answers the boxes.
class Platform {
public:
    virtual ~Platform() = default;

    // Shows a modal message box; a line break in the text is a carriage return.
    // Returns the answer (box::kOk, box::kYes, box::kNo).
    virtual int MessageBox(const QString& text, const QString& title, int flags) = 0;
};

} // namespace solario
