#include "platform/jet_functions.h"

#include "platform/jet_sql.h"

#include <QChar>
#include <cstring>
#include <memory>
#include <sqlite3.h>
#include <string>

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

// Decodes UTF-8 and folds case, code point by code point.
void FoldUtf8(const unsigned char* s, int n, std::u32string& out) {
    out.clear();
    for (int i = 0; i < n;) {
        char32_t c = s[i++];
        int extra = 0;
        if (c >= 0xF0) {
            c &= 0x07;
            extra = 3;
        } else if (c >= 0xE0) {
            c &= 0x0F;
            extra = 2;
        } else if (c >= 0xC0) {
            c &= 0x1F;
            extra = 1;
        }
        for (; extra > 0 && i < n; --extra, ++i)
            c = (c << 6) | (s[i] & 0x3F);
        out.push_back(char32_t(QChar::toCaseFolded(c)));
    }
}

constexpr char32_t kNoEscape = 0xFFFFFFFF;

// "%" is any run of characters, "_" exactly one; the escape character makes the next
// pattern character literal.
bool LikeMatch(const std::u32string& p, const std::u32string& t, char32_t escape) {
    size_t pi = 0, ti = 0, starP = std::u32string::npos, starT = 0;
    while (ti < t.size()) {
        if (pi < p.size()) {
            const char32_t c = p[pi];
            if (c == escape) {
                if (pi + 1 < p.size() && p[pi + 1] == t[ti]) {
                    pi += 2;
                    ++ti;
                    continue;
                }
            } else if (c == U'%') {
                starP = pi++;
                starT = ti;
                continue;
            } else if (c == U'_' || c == t[ti]) {
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
    while (pi < p.size() && p[pi] == U'%' && escape != U'%')
        ++pi;
    return pi == p.size();
}

// Jet compares text without regard to case in every script; SQLite's own LIKE folds
// ASCII letters only, so "ＡＢＣ" would miss "ａｂｃ". SQLite calls like(pattern, text[, escape]).
void JetLike(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    char32_t escape = kNoEscape;
    if (argc == 3) {
        std::u32string e;
        FoldUtf8(sqlite3_value_text(argv[2]), sqlite3_value_bytes(argv[2]), e);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e[0];
    }
    // The pattern is the same for every row of a statement: fold it once.
    auto* pattern = static_cast<std::u32string*>(sqlite3_get_auxdata(ctx, 0));
    if (!pattern) {
        auto owned = std::make_unique<std::u32string>();
        FoldUtf8(sqlite3_value_text(argv[0]), sqlite3_value_bytes(argv[0]), *owned);
        pattern = owned.get();
        sqlite3_set_auxdata(ctx, 0, owned.release(),
                            [](void* p) { delete static_cast<std::u32string*>(p); });
    }
    thread_local std::u32string text;
    FoldUtf8(sqlite3_value_text(argv[1]), sqlite3_value_bytes(argv[1]), text);
    sqlite3_result_int(ctx, LikeMatch(*pattern, text, escape) ? 1 : 0);
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
