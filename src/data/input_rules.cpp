#include "data/input_rules.h"

#include <algorithm>
#include <iterator>

namespace solario {
namespace {

struct Special {
    char16_t ch;
    char16_t replacement;
};

constexpr Special kSpecials[] = {
    {u'\'', u'’'},  {u'%', u'％'}, {u'_', u'＿'}, {u',', u'，'}, {u'<', u'＜'}, {u'>', u'＞'},
    {u'=', u'＝'},  {u'!', u'！'}, {u';', u'；'}, {u':', u'：'}, {u'.', u'．'}, {u'*', u'＊'},
    {u'/', u'／'},  {u'+', u'＋'}, {u'-', u'－'}, {u'(', u'（'}, {u')', u'）'}, {u'?', u'？'},
    {u'\\', u'￥'}, {u'$', u'＄'}, {u'|', u'｜'}, {u'^', u'＾'}, {u'"', u'"'},  {u'[', u'［'},
};

// Full-width characters that count as forbidden: they become "?", which is in the table.
constexpr char16_t kFullWidthForbidden[] = {u'！', u'＄', u'～', u'＾', u'｜', u'；', u'：',
                                            u'＿', u'㈱', u'？', u'［', u'＊', u'＃'};

constexpr char16_t kNotInNumbers[] = {u'-', u'－', u'+',  u'＋', u'.', u'．',
                                      u',', u'，', u'\\', u'￥', u'&', u'＆'};

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\u3000';
}

bool IsDigitEitherWidth(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
}

} // namespace

void InitSpecialChars(AppState& s) {
    size_t i = 0;
    for (const Special& sp : kSpecials) {
        s.SpecialChars[i] = QString(QChar(sp.ch));
        s.SpecialCharReplacements[i] = QString(QChar(sp.replacement));
        ++i;
    }
    for (; i < s.SpecialChars.size(); ++i) {
        s.SpecialChars[i].clear();
        s.SpecialCharReplacements[i].clear();
    }
}

void InitMessages(AppState& s) {
    for (QString& m : s.Messages)
        m.clear();
    s.Messages[1] = QStringLiteral("建物の竣工年・改修年は、開始年または終了年のどちらか、\r"
                                   "あるいは両方を必ず入力してください。");
    s.Messages[2] = QStringLiteral("建物の竣工年・改修年は、西暦４桁（数字）で入力して下さい。");
    s.Messages[3] = QStringLiteral("建物の竣工年・改修年を入力する場合は、\r"
                                   "開始年　≦　終了年 の関係となるように入力して下さい。");
    s.Messages[4] = QStringLiteral("施工部位を必ずひとつ選択して下さい。");
    s.Messages[5] = QStringLiteral("施工部位は２つ以上選択できません。\r"
                                   "外装材・内装材・その他 の中からひとつだけ選択して下さい。");
    s.Messages[6] = QStringLiteral("施工部位で、外装材・内装材の中から選択した場合は、\r"
                                   "使われ方のいずれかをひとつ選択して下さい。");
    s.Messages[7] = QStringLiteral("施工部位で、その他の中から選択した場合は、使われ方の\r"
                                   "選択は出来ません。");
    s.Messages[8] = QStringLiteral("建材名が選択されていません。\r"
                                   "該当する建材名をひとつ、または複数選択して下さい。");
    s.Messages[9] = QStringLiteral("入力された文字・特殊記号は使用できません。\r"
                                   "(例) ! \" $ ～ ^ | : ; _ ㈱ ?");
    s.Messages[10] = QStringLiteral("番号は数字７桁以下で入力して下さい。");
    s.Messages[11] = QStringLiteral("種類を入力した場合は、番号も入力して下さい。\r"
                                    "番号を入力した場合、種類も入力して下さい。");
}

QString TrimBlanks(const QString& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

bool IsTextAllowed(const AppState& s, QString text) {
    // A control character (a pasted NUL, tab or line break) has no place in a condition
    // and could end a statement early.
    for (QChar c : text)
        if (c.category() == QChar::Other_Control)
            return false;
    for (char16_t c : kFullWidthForbidden)
        text.replace(QChar(c), u'?');
    text = TrimBlanks(text);
    if (text.isEmpty())
        return true;
    for (const QString& special : s.SpecialChars) {
        if (special.isEmpty())
            break;
        if (text.contains(special))
            return false;
    }
    return true;
}

std::pair<qsizetype, qsizetype> RefusedCharacterAt(const AppState& s, const QString& text) {
    qsizetype at = -1, length = 1;
    auto consider = [&](qsizetype i, qsizetype n) {
        if (i >= 0 && (at < 0 || i < at)) {
            at = i;
            length = n;
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.category() == QChar::Other_Control ||
            std::find(std::begin(kFullWidthForbidden), std::end(kFullWidthForbidden),
                      c.unicode()) != std::end(kFullWidthForbidden))
            consider(i, 1);
    }
    for (const QString& special : s.SpecialChars) {
        if (special.isEmpty())
            break;
        consider(text.indexOf(special), special.size());
    }
    return {at, at < 0 ? 0 : length};
}

QString WithoutFormatCharacters(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (QChar::category(c) != QChar::Other_Format) {
            kept += text[i];
            if (pair)
                kept += text[i + 1];
        }
        if (pair)
            ++i;
    }
    return kept;
}

QString EscapeSpecialChars(const AppState& s, const QString& text) {
    QString result = TrimBlanks(text);
    for (size_t i = 0; i < s.SpecialChars.size(); ++i) {
        if (s.SpecialChars[i].isEmpty())
            break;
        result.replace(s.SpecialChars[i], s.SpecialCharReplacements[i], Qt::CaseSensitive);
    }
    return result;
}

QString ConditionText(const AppState& s, const QString& controlText) {
    const QString trimmed = TrimBlanks(controlText);
    if (trimmed.isEmpty() || trimmed == u"無指定" || trimmed == u"全て")
        return QString();
    return EscapeSpecialChars(s, trimmed);
}

QString ComboYearText(const QString& comboText) {
    if (comboText == u"全て" || comboText == u"無指定")
        return QString();
    return comboText;
}

QString NormalizeYearText(const QString& text) {
    const QString trimmed = TrimBlanks(text);
    if (trimmed.isEmpty())
        return QString();
    bool ok = false;
    const short year = ToHalfWidthDigits(trimmed).toShort(&ok);
    return ok ? QString::number(year) : QString();
}

bool IsPlainNumber(const QString& text) {
    const QString trimmed = TrimBlanks(text);
    if (trimmed.isEmpty())
        return true;
    for (QChar c : trimmed)
        if (!IsDigitEitherWidth(c))
            return false;
    bool ok = false;
    ToHalfWidthDigits(trimmed).toInt(&ok);
    if (!ok)
        return false;
    for (char16_t c : kNotInNumbers)
        if (text.contains(QChar(c)))
            return false;
    return true;
}

QString ToHalfWidthDigits(QString text) {
    for (char16_t d = 0; d < 10; ++d)
        text.replace(QChar(char16_t(u'０' + d)), QChar(char16_t(u'0' + d)));
    return text;
}

bool IsWholeYear(const QString& text) {
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    bool ok = false;
    text.toShort(&ok);
    return ok;
}

bool IsDigitsExact(const QString& text, int length) {
    if (!IsPlainNumber(text))
        return false;
    const qsizetype n = ToHalfWidthDigits(text).size();
    return n == length || n == 0;
}

bool IsDigitsAtMost(const QString& text, int maximum) {
    return IsPlainNumber(text) && ToHalfWidthDigits(text).size() <= maximum;
}

qint32 CheckValueOf(const QString& text) {
    return text.isEmpty() ? 0 : 1;
}

qint32 ToggledCheckValue(int value) {
    return value == 0 ? 1 : 0;
}

} // namespace solario
