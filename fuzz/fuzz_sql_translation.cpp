// The translation of Jet-dialect statements over any text.
#include "fuzz/fuzz_support.h"
#include "platform/jet_sql.h"

using namespace solario;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString jet = fuzz::Text(data, size);
    const Result<QString> sql = TranslateJetSql(jet);
    if (!sql)
        return 0; // refused (too deeply nested): said, not crashed
    // Texts without anything to translate pass unchanged.
    if (!jet.contains(u'&') && !jet.contains(u'"') &&
        !jet.contains(QStringLiteral("isnull"), Qt::CaseInsensitive) && sql.value() != jet)
        fuzz::Broken("a text with nothing to translate changed", jet);
    return 0;
}
