#include "platform/key_codes.h"

#include <Qt>

namespace solario {

int KeyCodeOf(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F9)
        return kKeyF1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Escape:
        return kKeyEscape;
    case Qt::Key_PageUp:
        return kKeyPageUp;
    case Qt::Key_PageDown:
        return kKeyPageDown;
    default:
        return 0;
    }
}

} // namespace solario
