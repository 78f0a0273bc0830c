#pragma once

#include "platform/result.h"

#include <QString>

namespace solario {

// The SQL function that stands in for Jet's "&": a NULL operand counts as an empty
// text, and only two NULLs give NULL. Registered on every connection.
inline constexpr const char* kJetConcatFunction = "jet_concat";

// Turns a statement written in the Jet dialect into one SQLite runs with the same
// meaning:
//   a & b & c      -> jet_concat(jet_concat(a, b), c)
//   "text"         -> 'text'      (an apostrophe inside is doubled)
//   isnull(x)      -> (x IS NULL)
// Single-quoted literals, [bracketed] and `quoted` names pass unchanged; so do IIf,
// True and LIKE, which SQLite already understands. The query texts themselves stay in
// the Jet dialect everywhere else in the program.
// A text nested deeper than kMaxNesting parentheses is refused.
inline constexpr int kMaxNesting = 200;
Result<QString> TranslateJetSql(const QString& jet);

} // namespace solario
