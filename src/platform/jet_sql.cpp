#include "platform/jet_sql.h"

#include <QStringList>
#include <vector>

namespace solario {
namespace {

enum class Kind { Space, Word, Literal, Name, Punct, Group };

struct Item {
    Kind kind;
    QString text;            // for Group: unused
    std::vector<Item> inner; // for Group: the items between the parentheses
};

bool IsWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c.unicode() > 0x7F;
}

// Reads the statement into a tree whose groups are the parenthesised parts. An
// unbalanced parenthesis or an unterminated literal is left for SQLite to reject, so
// the text is kept as it stands there.
class Reader {
public:
    explicit Reader(const QString& s) : s_(s) {}

    std::vector<Item> ReadSequence(bool inGroup, bool* closed) {
        std::vector<Item> items;
        while (pos_ < s_.size()) {
            const QChar c = s_[pos_];
            if (c == u')') {
                if (inGroup) {
                    ++pos_;
                    *closed = true;
                    return items;
                }
                items.push_back({Kind::Punct, QString(c), {}});
                ++pos_;
            } else if (c == u'(') {
                ++pos_;
                // Each group is read by a call of its own: a limit keeps the stack safe
                // from a text of thousands of parentheses.
                if (++depth_ > kMaxNesting) {
                    tooDeep_ = true;
                    pos_ = s_.size();
                    return items;
                }
                bool innerClosed = false;
                Item group{Kind::Group, QString(), ReadSequence(true, &innerClosed)};
                --depth_;
                if (!innerClosed) {
                    // No closing parenthesis: keep the text as it is.
                    items.push_back({Kind::Punct, QStringLiteral("("), {}});
                    for (auto& it : group.inner)
                        items.push_back(std::move(it));
                } else {
                    items.push_back(std::move(group));
                }
            } else if (c.isSpace()) {
                qsizetype start = pos_;
                while (pos_ < s_.size() && s_[pos_].isSpace())
                    ++pos_;
                items.push_back({Kind::Space, s_.mid(start, pos_ - start), {}});
            } else if (c == u'\'') {
                items.push_back({Kind::Literal, ReadQuoted(u'\''), {}});
            } else if (c == u'"') {
                items.push_back({Kind::Literal, ToSingleQuoted(ReadQuoted(u'"')), {}});
            } else if (c == u'[') {
                items.push_back({Kind::Name, ReadUntil(u']'), {}});
            } else if (c == u'`') {
                items.push_back({Kind::Name, ReadUntil(u'`'), {}});
            } else if (IsWordChar(c)) {
                qsizetype start = pos_;
                while (pos_ < s_.size() && IsWordChar(s_[pos_]))
                    ++pos_;
                items.push_back({Kind::Word, s_.mid(start, pos_ - start), {}});
            } else {
                qsizetype len = 1;
                const QString two = s_.mid(pos_, 2);
                if (two == u"<=" || two == u">=" || two == u"<>" || two == u"!=" || two == u"||")
                    len = 2;
                items.push_back({Kind::Punct, s_.mid(pos_, len), {}});
                pos_ += len;
            }
        }
        return items;
    }

private:
    // A quoted literal including its quotes; a doubled quote stays inside it.
    QString ReadQuoted(QChar quote) {
        qsizetype start = pos_++;
        while (pos_ < s_.size()) {
            if (s_[pos_] == quote) {
                if (pos_ + 1 < s_.size() && s_[pos_ + 1] == quote) {
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                break;
            }
            ++pos_;
        }
        return s_.mid(start, pos_ - start);
    }

    QString ReadUntil(QChar close) {
        qsizetype start = pos_++;
        while (pos_ < s_.size() && s_[pos_] != close)
            ++pos_;
        if (pos_ < s_.size())
            ++pos_;
        return s_.mid(start, pos_ - start);
    }

    // "a""b'c" -> 'a"b''c'
    static QString ToSingleQuoted(const QString& dq) {
        if (dq.size() < 2 || !dq.endsWith(u'"'))
            return dq; // unterminated: SQLite will report it
        QString body = dq.mid(1, dq.size() - 2);
        body.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        body.replace(QStringLiteral("'"), QStringLiteral("''"));
        return u'\'' + body + u'\'';
    }

public:
    bool TooDeep() const { return tooDeep_; }

private:
    const QString& s_;
    qsizetype pos_ = 0;
    int depth_ = 0;
    bool tooDeep_ = false;
};

// Words and signs that bind looser than Jet's "&": an operand of "&" never reaches
// across them.
bool IsDelimiter(const Item& it) {
    if (it.kind == Kind::Punct) {
        static const QStringList signs = {",", "=", "<", ">", "<=", ">=", "<>", "!=", ";"};
        return signs.contains(it.text);
    }
    if (it.kind == Kind::Word) {
        static const QStringList words = {
            "SELECT", "FROM", "WHERE",    "AS",    "AND",    "OR",     "NOT",    "LIKE",
            "IS",     "IN",   "BETWEEN",  "ORDER", "BY",     "GROUP",  "HAVING", "ON",
            "ASC",    "DESC", "DISTINCT", "SET",   "VALUES", "INTO",   "UPDATE", "DELETE",
            "INSERT", "JOIN", "INNER",    "LEFT",  "RIGHT",  "OUTER",  "UNION",  "ALL",
            "CASE",   "WHEN", "THEN",     "ELSE",  "END",    "ESCAPE", "LIMIT",  "TOP"};
        return words.contains(it.text, Qt::CaseInsensitive);
    }
    return false;
}

bool IsAmpersand(const Item& it) {
    return it.kind == Kind::Punct && it.text == u"&";
}

QString Render(const std::vector<Item>& items);

QString RenderItem(const Item& it) {
    if (it.kind == Kind::Group)
        return u'(' + Render(it.inner) + u')';
    return it.text;
}

// One stretch between delimiters; its "&" operators fold left to right.
QString RenderSegment(const std::vector<const Item*>& seg) {
    bool hasAmp = false;
    for (const Item* it : seg)
        hasAmp = hasAmp || IsAmpersand(*it);
    QString out;
    if (!hasAmp) {
        for (const Item* it : seg)
            out += RenderItem(*it);
        return out;
    }
    // Keep the blanks around the whole stretch outside the function call.
    qsizetype first = 0, last = qsizetype(seg.size());
    while (first < last && seg[first]->kind == Kind::Space)
        out += seg[first++]->text;
    QString tail;
    while (last > first && seg[last - 1]->kind == Kind::Space)
        tail.prepend(seg[--last]->text);

    QStringList parts{QString()};
    for (qsizetype i = first; i < last; ++i) {
        if (IsAmpersand(*seg[i]))
            parts.append(QString());
        else
            parts.last() += RenderItem(*seg[i]);
    }
    QString folded = parts[0].trimmed();
    for (qsizetype i = 1; i < parts.size(); ++i)
        folded = QStringLiteral("%1(%2, %3)")
                     .arg(QLatin1String(kJetConcatFunction), folded, parts[i].trimmed());
    return out + folded + tail;
}

QString Render(const std::vector<Item>& items) {
    // isnull(x) -> (x IS NULL); the word and its group become one item.
    std::vector<Item> merged;
    merged.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const Item& it = items[i];
        if (it.kind == Kind::Word && it.text.compare(u"isnull", Qt::CaseInsensitive) == 0) {
            size_t j = i + 1;
            while (j < items.size() && items[j].kind == Kind::Space)
                ++j;
            if (j < items.size() && items[j].kind == Kind::Group) {
                merged.push_back({Kind::Literal,
                                  u'(' + Render(items[j].inner) + QStringLiteral(" IS NULL)"),
                                  {}});
                i = j;
                continue;
            }
        }
        merged.push_back(it);
    }

    QString out;
    std::vector<const Item*> seg;
    for (const Item& it : merged) {
        if (IsDelimiter(it)) {
            out += RenderSegment(seg);
            seg.clear();
            out += it.text;
        } else {
            seg.push_back(&it);
        }
    }
    out += RenderSegment(seg);
    return out;
}

} // namespace

Result<QString> TranslateJetSql(const QString& jet) {
    Reader reader(jet);
    bool closed = false;
    std::vector<Item> items = reader.ReadSequence(false, &closed);
    if (reader.TooDeep())
        return Failure{
            QStringLiteral("SQL 文の括弧の入れ子が深すぎます（%1 段まで）。").arg(kMaxNesting)};
    return Render(items);
}

} // namespace solario
