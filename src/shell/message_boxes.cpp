#include "shell/message_boxes.h"

#include "data/input_rules.h"

namespace solario {

void ShowWarning(Platform& platform, const QString& text) {
    platform.MessageBox(text, QStringLiteral("エラー"), box::kExclamation);
}

void ShowMessageNo(const AppState& s, Platform& platform, int number) {
    const QString text =
        number >= 0 && number < int(s.Messages.size()) ? s.Messages[size_t(number)] : QString();
    ShowWarning(platform, text);
}

void ShowFailure(Platform& platform, const QString& what, const QString& cause) {
    ShowWarning(platform, what + QStringLiteral("\r\r") + cause);
}

bool CheckDigitsExact(Platform& platform, const QString& text, int length, const QString& message) {
    if (IsDigitsExact(text, length))
        return true;
    ShowWarning(platform, message);
    return false;
}

bool CheckDigitsMax(Platform& platform, const QString& text, int maximum, const QString& message) {
    if (IsDigitsAtMost(text, maximum))
        return true;
    ShowWarning(platform, message);
    return false;
}

} // namespace solario
