#include "platform/jet_functions.h"

#include "platform/jet_sql.h"
#include "platform/statement.h"

#include <QChar>
#include <QList>
#include <QString>
#include <cstring>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <unordered_map>

namespace solario {
namespace {

// Jet's "&": a NULL operand counts as an empty text; only two NULLs give NULL.
void JetConcat(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const bool null0 = sqlite3_value_type(argv[0]) == SQLITE_NULL;
    const bool null1 = sqlite3_value_type(argv[1]) == SQLITE_NULL;
    if (null0 && null1) {
        sqlite3_result_null(ctx);
        return;
    }
    const unsigned char* a = null0 ? nullptr : sqlite3_value_text(argv[0]);
    const int na = null0 ? 0 : sqlite3_value_bytes(argv[0]);
    const unsigned char* b = null1 ? nullptr : sqlite3_value_text(argv[1]);
    const int nb = null1 ? 0 : sqlite3_value_bytes(argv[1]);
    char* out = static_cast<char*>(sqlite3_malloc64(sqlite3_uint64(na) + sqlite3_uint64(nb) + 1));
    if (!out) {
        sqlite3_result_error_nomem(ctx);
        return;
    }
    if (na)
        std::memcpy(out, a, size_t(na));
    if (nb)
        std::memcpy(out + na, b, size_t(nb));
    out[na + nb] = 0;
    sqlite3_result_text(ctx, out, na + nb, sqlite3_free);
}

// Wildcards of a folded pattern: outside Unicode, so that no folded text character
// (a full-width "％" becomes "%") can be taken for one.
constexpr char32_t kAnyRun = 0x110000; // "%"
constexpr char32_t kAnyOne = 0x110001; // "_"
constexpr char32_t kNoEscape = 0xFFFFFFFF;

bool IsDash(char32_t c) {
    switch (c) {
    case U'-':
    case 0x2010: // hyphen
    case 0x2011: // non-breaking hyphen
    case 0x2012: // figure dash
    case 0x2013: // en dash
    case 0x2014: // em dash
    case 0x2212: // minus sign
    case 0xFE58: // small em dash
    case 0xFE63: // small hyphen-minus
    case 0xFF0D: // full-width hyphen-minus
        return true;
    default:
        return false;
    }
}

bool IsLatinOrDigit(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9');
}

// Appends the text as a comparison sees it: compatibility forms to their plain form
// (full- and half-width letters, digits and symbols alike, half-width katakana as
// full-width), every dash as "-", case folded. A long vowel mark between two Latin
// letters or digits is a dash typed in kana mode ("ＪＤー２７４７"); after kana it stays
// the long vowel mark ("ボード" is not "ボ-ド"), and so do the kinds of kana.
void AppendFolded(const QString& text, std::u32string& out) {
    const QString plain = text.normalized(QString::NormalizationForm_KC);
    const size_t from = out.size();
    for (qsizetype i = 0; i < plain.size(); ++i) {
        char32_t c = plain[i].unicode();
        if (plain[i].isHighSurrogate() && i + 1 < plain.size() && plain[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(plain[i], plain[i + 1]);
            ++i;
        }
        out.push_back(IsDash(c) ? U'-' : char32_t(QChar::toCaseFolded(c)));
    }
    for (size_t i = from + 1; i + 1 < out.size(); ++i)
        if (out[i] == 0x30FC && IsLatinOrDigit(out[i - 1]) && IsLatinOrDigit(out[i + 1]))
            out[i] = U'-';
}

QString TextOf(sqlite3_value* value) {
    return TextFromEngine(reinterpret_cast<const char*>(sqlite3_value_text(value)),
                          sqlite3_value_bytes(value));
}

// The pattern folded as the texts are, its wildcards kept apart; the escape character
// makes the next pattern character literal.
std::u32string FoldPattern(const QString& pattern, char32_t escape) {
    std::u32string out;
    QString literal;
    const QList<uint> points = pattern.toUcs4();
    for (qsizetype i = 0; i < points.size(); ++i) {
        const char32_t c = points[i];
        if (c == escape && i + 1 < points.size()) {
            const char32_t next = points[++i];
            literal += QString::fromUcs4(&next, 1);
        } else if (c == U'%' || c == U'_') {
            AppendFolded(literal, out);
            literal.clear();
            out.push_back(c == U'%' ? kAnyRun : kAnyOne);
        } else {
            literal += QString::fromUcs4(&c, 1);
        }
    }
    AppendFolded(literal, out);
    return out;
}

bool LikeMatch(const std::u32string& p, const std::u32string& t) {
    size_t pi = 0, ti = 0, starP = std::u32string::npos, starT = 0;
    while (ti < t.size()) {
        if (pi < p.size()) {
            const char32_t c = p[pi];
            if (c == kAnyRun) {
                starP = pi++;
                starT = ti;
                continue;
            }
            if (c == kAnyOne || c == t[ti]) {
                ++pi;
                ++ti;
                continue;
            }
        }
        if (starP == std::u32string::npos)
            return false;
        pi = starP + 1;
        ti = ++starT;
    }
    while (pi < p.size() && p[pi] == kAnyRun)
        ++pi;
    return pi == p.size();
}

// A folded pattern and the answers it gave, looked up by the text's own bytes.
struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
};
struct FoldedPattern {
    std::u32string pattern;
    std::unordered_map<std::string, bool, TextHash, std::equal_to<>> answers;
};
inline constexpr size_t kAnswersKept = 1 << 16;

// Jet compares text without regard to case in every script, and a model number printed
// "DJ-2747" must be found however wide the user types it: both sides are folded the same
// way (see AppendFolded). SQLite's own LIKE folds ASCII letters only. SQLite calls
// like(pattern, text[, escape]).
void JetLike(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    char32_t escape = kNoEscape;
    if (argc == 3) {
        const QList<uint> e = TextOf(argv[2]).toUcs4();
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e[0];
    }
    // The pattern is the same for every row of a statement: fold it once. Columns such
    // as the makers hold few distinct texts over many rows: each text's answer is kept.
    auto* like = static_cast<FoldedPattern*>(sqlite3_get_auxdata(ctx, 0));
    if (!like) {
        auto owned = std::make_unique<FoldedPattern>();
        owned->pattern = FoldPattern(TextOf(argv[0]), escape);
        like = owned.get();
        sqlite3_set_auxdata(ctx, 0, owned.release(),
                            [](void* p) { delete static_cast<FoldedPattern*>(p); });
    }
    const auto* data = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    const std::string_view bytes(data ? data : "", size_t(sqlite3_value_bytes(argv[1])));
    if (const auto known = like->answers.find(bytes); known != like->answers.end()) {
        sqlite3_result_int(ctx, known->second ? 1 : 0);
        return;
    }
    thread_local std::u32string text;
    text.clear();
    AppendFolded(TextOf(argv[1]), text);
    const bool match = LikeMatch(like->pattern, text);
    if (like->answers.size() >= kAnswersKept)
        like->answers.clear();
    like->answers.emplace(std::string(bytes), match);
    sqlite3_result_int(ctx, match ? 1 : 0);
}

} // namespace

int RegisterJetFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    int rc = sqlite3_create_function_v2(db, kJetConcatFunction, 2, flags, nullptr, JetConcat,
                                        nullptr, nullptr, nullptr);
    for (int args : {2, 3})
        if (rc == SQLITE_OK)
            rc = sqlite3_create_function_v2(db, "like", args, flags, nullptr, JetLike, nullptr,
                                            nullptr, nullptr);
    return rc;
}

} // namespace solario
