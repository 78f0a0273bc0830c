#include "data/input_rules.h"
#include "shell/message_boxes.h"
#include "support/fake_platform.h"

#include <QtTest>

using namespace solario;
using solario::test::FakePlatform;

namespace {

struct Rules {
    Rules() {
        InitSpecialChars(s);
        InitMessages(s);
    }
    AppState s;
};

} // namespace

class TestInputRules : public QObject {
    Q_OBJECT

private slots:
    void specialCharacterTable();
    void messages_data();
    void messages();
    void warningsGoThroughThePlatform();
    void isTextAllowed_data();
    void isTextAllowed();
    void escapeAndConditionText_data();
    void escapeAndConditionText();
    void comboYearText_data();
    void comboYearText();
    void numbers_data();
    void numbers();
    void digitChecks_data();
    void digitChecks();
    void checkValues();
    void controlsGiveTheirText();
};

void TestInputRules::specialCharacterTable() {
    Rules r;
    const QString chars = QStringLiteral("'%_,<>=!;:.*/+-()?\\$|^\"[");
    const QString repl =
        QStringLiteral("\u2019\uFF05\uFF3F\uFF0C\uFF1C\uFF1E\uFF1D\uFF01\uFF1B\uFF1A"
                       "\uFF0E\uFF0A\uFF0F\uFF0B\uFF0D\uFF08\uFF09\uFF1F\uFFE5\uFF04"
                       "\uFF5C\uFF3E\"\uFF3B");
    QCOMPARE(chars.size(), 24);
    QCOMPARE(repl.size(), 24);
    for (int i = 0; i < 24; ++i) {
        QCOMPARE(r.s.SpecialChars[size_t(i)], QString(chars[i]));
        QCOMPARE(r.s.SpecialCharReplacements[size_t(i)], QString(repl[i]));
    }
    for (size_t i = 24; i < r.s.SpecialChars.size(); ++i) {
        QVERIFY(r.s.SpecialChars[i].isEmpty());
        QVERIFY(r.s.SpecialCharReplacements[i].isEmpty());
    }
}

void TestInputRules::messages_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1
                       << QStringLiteral("建物の竣工年・改修年は、開始年または終了年のどちらか、\r"
                                         "あるいは両方を必ず入力してください。");
    QTest::newRow("2") << 2
                       << QStringLiteral(
                              "建物の竣工年・改修年は、西暦４桁（数字）で入力して下さい。");
    QTest::newRow("3 with ideographic spaces around ≦")
        << 3
        << QStringLiteral("建物の竣工年・改修年を入力する場合は、\r開始年\u3000≦\u3000終了年 "
                          "の関係となるように入力して下さい。");
    QTest::newRow("4") << 4 << QStringLiteral("施工部位を必ずひとつ選択して下さい。");
    QTest::newRow("5") << 5
                       << QStringLiteral(
                              "施工部位は２つ以上選択できません。\r外装材・内装材・その他 "
                              "の中からひとつだけ選択して下さい。");
    QTest::newRow("6") << 6
                       << QStringLiteral("施工部位で、外装材・内装材の中から選択した場合は、\r"
                                         "使われ方のいずれかをひとつ選択して下さい。");
    QTest::newRow("7") << 7
                       << QStringLiteral("施工部位で、その他の中から選択した場合は、使われ方の\r"
                                         "選択は出来ません。");
    QTest::newRow("8") << 8
                       << QStringLiteral("建材名が選択されていません。\r"
                                         "該当する建材名をひとつ、または複数選択して下さい。");
    QTest::newRow("9 with its example line")
        << 9
        << QStringLiteral(
               "入力された文字・特殊記号は使用できません。\r(例) ! \" $ \uFF5E ^ | : ; _ \u3231 ?");
    QTest::newRow("10") << 10 << QStringLiteral("番号は数字７桁以下で入力して下さい。");
    QTest::newRow("11") << 11
                        << QStringLiteral("種類を入力した場合は、番号も入力して下さい。\r"
                                          "番号を入力した場合、種類も入力して下さい。");
    QTest::newRow("0 is empty") << 0 << QString();
    QTest::newRow("12 is empty") << 12 << QString();
    QTest::newRow("32 is empty") << 32 << QString();
}

void TestInputRules::messages() {
    QFETCH(int, number);
    QFETCH(QString, text);
    Rules r;
    QCOMPARE(r.s.Messages[size_t(number)], text);
    QVERIFY(!r.s.Messages[size_t(number)].contains(u'\n'));
}

void TestInputRules::warningsGoThroughThePlatform() {
    Rules r;
    FakePlatform p;
    ShowMessageNo(r.s, p, 4);
    ShowWarning(p, QStringLiteral("任意の文"));
    ShowMessageNo(r.s, p, 99); // outside the table: an empty box, no crash
    QCOMPARE(p.boxes.size(), 3);
    QCOMPARE(p.boxes[0].text, r.s.Messages[4]);
    QCOMPARE(p.boxes[1].text, QStringLiteral("任意の文"));
    for (const auto& b : p.boxes) {
        QCOMPARE(b.title, QStringLiteral("エラー"));
        QCOMPARE(b.flags, box::kExclamation);
    }
}

void TestInputRules::isTextAllowed_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("full-width letter and hyphen") << QStringLiteral("Ａ－１") << true;
    QTest::newRow("half-width hyphen") << "A-1" << false;
    QTest::newRow("full-width question mark") << QStringLiteral("１２３？") << false;
    QTest::newRow("plain company word") << QStringLiteral("株式会社") << true;
    QTest::newRow("circled company sign") << QStringLiteral("\u3231東京") << false;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("blanks only") << "   " << true;
    QTest::newRow("ideographic blanks only") << QStringLiteral("\u3000\u3000") << true;
    QTest::newRow("apostrophe") << "O'Neil" << false;
    QTest::newRow("percent") << "50%" << false;
    QTest::newRow("full-width percent is allowed") << QStringLiteral("５０％") << true;
    QTest::newRow("double quote") << "a\"b" << false;
    QTest::newRow("bracket") << "[a" << false;
    QTest::newRow("full-width wave dash") << QStringLiteral("1\uFF5E2") << false;
    QTest::newRow("wave dash U+301C is another character") << QStringLiteral("1\u301C2") << true;
    QTest::newRow("full-width number sign") << QStringLiteral("\uFF031") << false;
    QTest::newRow("half-width number sign is not in the table") << "#1" << true;
    QTest::newRow("full-width parentheses and slash") << QStringLiteral("（株）／") << true;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("yen sign full width is allowed") << QStringLiteral("\uFFE5") << true;
    QTest::newRow("ampersand is not in the table") << "A&B" << true;
    // Control characters never reach a statement: a pasted NUL would end it early.
    QTest::newRow("NUL") << QStringLiteral("石綿") + QChar(0) + QStringLiteral("板") << false;
    QTest::newRow("NUL alone") << QString(QChar(0)) << false;
    QTest::newRow("tab") << QStringLiteral("a\tb") << false;
    QTest::newRow("line feed at the end") << QStringLiteral("スレート\n") << false;
    QTest::newRow("escape") << QStringLiteral("a\x1b") << false;
    QTest::newRow("delete") << QStringLiteral("a\x7f") << false;
    QTest::newRow("C1 control") << QStringLiteral("a\u0085") << false;
}

void TestInputRules::isTextAllowed() {
    QFETCH(QString, text);
    QFETCH(bool, allowed);
    Rules r;
    QCOMPARE(IsTextAllowed(r.s, text), allowed);
}

void TestInputRules::escapeAndConditionText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::addColumn<QString>("condition");
    QTest::newRow("apostrophe and parentheses, blanks removed")
        << " A'B (C) " << QStringLiteral("A\u2019B \uFF08C\uFF09")
        << QStringLiteral("A\u2019B \uFF08C\uFF09");
    QTest::newRow("every special character")
        << "'%_,<>=!;:.*/+-()?\\$|^\"["
        << QStringLiteral("\u2019\uFF05\uFF3F\uFF0C\uFF1C\uFF1E\uFF1D\uFF01\uFF1B\uFF1A\uFF0E\uFF0A"
                          "\uFF0F\uFF0B\uFF0D\uFF08\uFF09\uFF1F\uFFE5\uFF04\uFF5C\uFF3E\"\uFF3B")
        << QStringLiteral("\u2019\uFF05\uFF3F\uFF0C\uFF1C\uFF1E\uFF1D\uFF01\uFF1B\uFF1A\uFF0E\uFF0A"
                          "\uFF0F\uFF0B\uFF0D\uFF08\uFF09\uFF1F\uFFE5\uFF04\uFF5C\uFF3E\"\uFF3B");
    QTest::newRow("全て with blanks")
        << QStringLiteral(" 全て ") << QStringLiteral("全て") << QString();
    QTest::newRow("無指定") << QStringLiteral("無指定") << QStringLiteral("無指定") << QString();
    QTest::newRow("blanks only") << "  "
                                 << "" << QString();
    QTest::newRow("ideographic blanks are trimmed too")
        << QStringLiteral("\u3000工業\u3000") << QStringLiteral("工業") << QStringLiteral("工業");
    QTest::newRow("inner blanks stay") << QStringLiteral("架空 工業") << QStringLiteral("架空 工業")
                                       << QStringLiteral("架空 工業");
    QTest::newRow("全てを含む is a condition")
        << QStringLiteral("全て石綿") << QStringLiteral("全て石綿") << QStringLiteral("全て石綿");
}

void TestInputRules::escapeAndConditionText() {
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QFETCH(QString, condition);
    Rules r;
    QCOMPARE(EscapeSpecialChars(r.s, text), escaped);
    QCOMPARE(ConditionText(r.s, text), condition);
}

void TestInputRules::comboYearText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("normalized");
    QTest::newRow("全て") << QStringLiteral("全て") << ""
                          << "";
    QTest::newRow("無指定") << QStringLiteral("無指定") << ""
                            << "";
    QTest::newRow("全て with blanks is not matched")
        << QStringLiteral(" 全て ") << QStringLiteral(" 全て ") << "";
    QTest::newRow("year kept as typed") << " 2006"
                                        << " 2006"
                                        << "2006";
    QTest::newRow("full-width digits")
        << QStringLiteral("２００６") << QStringLiteral("２００６") << "2006";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("leading zeros") << "0985"
                                   << "0985"
                                   << "985";
    QTest::newRow("beyond 16 bits") << "99999"
                                    << "99999"
                                    << "";
    QTest::newRow("not a number") << "abcd"
                                  << "abcd"
                                  << "";
}

void TestInputRules::comboYearText() {
    QFETCH(QString, text);
    QFETCH(QString, year);
    QFETCH(QString, normalized);
    QCOMPARE(ComboYearText(text), year);
    QCOMPARE(NormalizeYearText(ComboYearText(text)), normalized);
}

void TestInputRules::numbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("plain");
    QTest::addColumn<QString>("halfWidth");
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("blanks") << "  " << true << "  ";
    QTest::newRow("digits") << "1985" << true << "1985";
    QTest::newRow("full-width digits") << QStringLiteral("１９８５") << true << "1985";
    QTest::newRow("mixed widths") << QStringLiteral("1９8５") << true << "1985";
    QTest::newRow("ten digits at the 32-bit limit") << "2147483647" << true << "2147483647";
    QTest::newRow("beyond 32 bits") << "2147483648" << false << "2147483648";
    QTest::newRow("eleven digits") << "12345678901" << false << "12345678901";
    QTest::newRow("minus") << "-198" << false << "-198";
    QTest::newRow("plus") << "+198" << false << "+198";
    QTest::newRow("full-width minus") << QStringLiteral("－１") << false << QStringLiteral("－1");
    QTest::newRow("thousands separator") << "1,985" << false << "1,985";
    QTest::newRow("decimal point") << "19.5" << false << "19.5";
    QTest::newRow("yen") << QStringLiteral("\uFFE51") << false << QStringLiteral("\uFFE51");
    QTest::newRow("unit after the digits")
        << QStringLiteral("1985年") << false << QStringLiteral("1985年");
    QTest::newRow("exponent") << "1e3" << false << "1e3";
    QTest::newRow("parentheses") << "(5)" << false << "(5)";
    QTest::newRow("hexadecimal") << "&H10" << false << "&H10";
    QTest::newRow("inner blank") << "19 85" << false << "19 85";
    QTest::newRow("surrounding blanks") << " 198" << true << " 198";
    QTest::newRow("ideographic blank before")
        << QStringLiteral("\u3000198") << true << QStringLiteral("\u3000198");
}

void TestInputRules::numbers() {
    QFETCH(QString, text);
    QFETCH(bool, plain);
    QFETCH(QString, halfWidth);
    QCOMPARE(IsPlainNumber(text), plain);
    QCOMPARE(ToHalfWidthDigits(text), halfWidth);
}

void TestInputRules::digitChecks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exact4");
    QTest::addColumn<bool>("max7");
    QTest::newRow("empty") << "" << true << true;
    QTest::newRow("1985") << "1985" << true << true;
    QTest::newRow("full-width 1985") << QStringLiteral("１９８５") << true << true;
    QTest::newRow("85") << "85" << false << true;
    QTest::newRow("1985年") << QStringLiteral("1985年") << false << false;
    QTest::newRow("-198") << "-198" << false << false;
    QTest::newRow("1,985") << "1,985" << false << false;
    QTest::newRow("blank then 198 is four characters") << " 198" << true << true;
    QTest::newRow("ideographic blank then 198") << QStringLiteral("\u3000198") << true << true;
    QTest::newRow("seven digits") << "1234567" << false << true;
    QTest::newRow("seven full-width digits") << QStringLiteral("１２３４５６７") << false << true;
    QTest::newRow("eight digits") << "12345678" << false << false;
    QTest::newRow("hyphenated number") << "12-34" << false << false;
    QTest::newRow("blanks only count as characters") << "    " << true << true;
}

void TestInputRules::digitChecks() {
    QFETCH(QString, text);
    QFETCH(bool, exact4);
    QFETCH(bool, max7);
    Rules r;
    FakePlatform p;
    QCOMPARE(CheckDigitsExact(p, text, 4, r.s.Messages[2]), exact4);
    QCOMPARE(p.boxes.size(), exact4 ? 0 : 1);
    if (!exact4) {
        QCOMPARE(p.boxes[0].text, r.s.Messages[2]);
        QCOMPARE(p.boxes[0].title, QStringLiteral("エラー"));
        QCOMPARE(p.boxes[0].flags, box::kExclamation);
    }
    p.boxes.clear();
    QCOMPARE(CheckDigitsMax(p, text, 7, r.s.Messages[10]), max7);
    QCOMPARE(p.boxes.size(), max7 ? 0 : 1);
    if (!max7)
        QCOMPARE(p.boxes[0].text, r.s.Messages[10]);
}

void TestInputRules::checkValues() {
    QCOMPARE(CheckValueOf(QString()), 0);
    QCOMPARE(CheckValueOf(QStringLiteral("○")), 1);
    QCOMPARE(CheckValueOf(QStringLiteral("   ")), 1); // blanks are not trimmed here
    QCOMPARE(ToggledCheckValue(1), 0);
    QCOMPARE(ToggledCheckValue(0), 1);
    QCOMPARE(ToggledCheckValue(2), 0);
}

void TestInputRules::controlsGiveTheirText() {
    // A combo's and a text box's texts as the screens read them.
    Rules r;
    QCOMPARE(ConditionText(r.s, QStringLiteral(" 全て ")), QString());
    QCOMPARE(ComboYearText(QStringLiteral(" 全て ")), QStringLiteral(" 全て "));
    QCOMPARE(ConditionText(r.s, QStringLiteral(" 架空(株) ")),
             QStringLiteral("架空\uFF08株\uFF09"));
}

QTEST_MAIN(TestInputRules)
#include "test_input_rules.moc"
