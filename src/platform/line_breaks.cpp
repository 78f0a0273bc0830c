#include "platform/line_breaks.h"

#include <memory>
#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace solario {
namespace {

// Made once: creating the iterator loads the dictionaries.
icu::BreakIterator* PhraseIterator() {
    static const std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> made(
            icu::BreakIterator::createLineInstance(icu::Locale("ja@lw=phrase"), status));
        if (U_FAILURE(status)) {
            status = U_ZERO_ERROR;
            made.reset(icu::BreakIterator::createLineInstance(icu::Locale("ja"), status));
        }
        return U_FAILURE(status) ? nullptr : std::move(made);
    }();
    return iterator.get();
}

} // namespace

QList<qsizetype> LineBreakPositions(const QString& text) {
    QList<qsizetype> positions;
    icu::BreakIterator* breaks = PhraseIterator();
    if (!breaks) {
        for (qsizetype i = 1; i < text.size(); ++i)
            if (!text.at(i).isLowSurrogate())
                positions.append(i);
        return positions;
    }
    const icu::UnicodeString unicode(false, reinterpret_cast<const UChar*>(text.utf16()),
                                     int32_t(text.size()));
    breaks->setText(unicode);
    for (int32_t p = breaks->next(); p != icu::BreakIterator::DONE; p = breaks->next())
        if (p > 0 && p < text.size())
            positions.append(p);
    return positions;
}

} // namespace solario
