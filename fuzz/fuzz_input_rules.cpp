// The input rules over any text a user could type or paste.
#include "data/app_state.h"
#include "data/input_rules.h"
#include "fuzz/fuzz_support.h"

using namespace solario;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static AppState s;
    static const bool ready = [] {
        InitSpecialChars(s);
        InitMessages(s);
        return true;
    }();
    (void)ready;
    const QString text = fuzz::Text(data, size);
    const bool allowed = IsTextAllowed(s, text);
    const QString escaped = EscapeSpecialChars(s, text);
    // Whatever was typed, the escaped text holds no special character any more.
    for (size_t i = 0; i < s.SpecialChars.size() && !s.SpecialChars[i].isEmpty(); ++i)
        if (s.SpecialCharReplacements[i] != s.SpecialChars[i] &&
            escaped.contains(s.SpecialChars[i]))
            fuzz::Broken("special character left after escaping", text);
    if (allowed && ConditionText(s, text) != escaped && !ConditionText(s, text).isEmpty())
        fuzz::Broken("condition text differs from the escaped text", text);
    const QString digits = ToHalfWidthDigits(text);
    if (digits.size() != text.size())
        fuzz::Broken("half-width digits changed the length", text);
    NormalizeYearText(text);
    IsPlainNumber(text);
    IsWholeYear(text);
    IsDigitsExact(text, 4);
    IsDigitsAtMost(text, 7);
    CheckValueOf(text);
    return 0;
}
