// String routines over UTF-8: case rules without a locale, cutting at
// character boundaries, number conversion, trimming, identifiers, Format and
// replacing.
#include <gtest/gtest.h>

#include "platform/core/Classes.h"

namespace {

TEST(StringRoutines, AnsiCaseMappingCoversEuropeanAlphabets) {
    struct Case {
        const char* lower;
        const char* upper;
    } cases[] = {
        {"select abc_1", "SELECT ABC_1"},
        {"äöüéñçøåÿ", "ÄÖÜÉÑÇØÅŸ"},
        {"łódź ĳ ő ž", "ŁÓDŹ Ĳ Ő Ž"},
        {"αβγ άέώ", "ΑΒΓ ΆΈΏ"},
        {"съёмка ї", "СЪЁМКА Ї"},
        {"× ÷ 1€", "× ÷ 1€"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AnsiUpperCase(c.lower), c.upper);
        EXPECT_EQ(AnsiLowerCase(c.upper), c.lower);
        EXPECT_TRUE(AnsiSameText(c.lower, c.upper)) << c.lower;
        EXPECT_TRUE(SameText(c.lower, c.upper)) << c.lower;
    }
    EXPECT_EQ(AnsiUpperCase("ς"), "Σ");  // final sigma
    EXPECT_EQ(UpperCase("straße ä"), "STRAßE ä");
    EXPECT_EQ(LowerCase("ÄB"), "Äb");
}

TEST(StringRoutines, InvalidUtf8BytesAreKeptAndNeverMatchLetters) {
    const std::string raw = "a\xC4z";  // a lone lead byte, not "Ä"
    EXPECT_EQ(AnsiUpperCase(raw), "A\xC4Z");
    EXPECT_FALSE(AnsiSameText(raw, "aÄz"));
    EXPECT_FALSE(AnsiSameText(raw, "aäz"));
    EXPECT_TRUE(AnsiSameText(raw, "A\xC4Z"));
}

TEST(StringRoutines, CompareTextOrdersIgnoringCase) {
    EXPECT_LT(AnsiCompareText("apple", "Banana"), 0);
    EXPECT_GT(AnsiCompareText("Zebra", "apple"), 0);
    EXPECT_LT(AnsiCompareText("abc", "ABCD"), 0);
    EXPECT_EQ(AnsiCompareText("ÉCOLE", "école"), 0);
    EXPECT_NE(AnsiCompareStr("a", "A"), 0);
    EXPECT_TRUE(AnsiStartsText("sel", "SELECT"));
    EXPECT_TRUE(AnsiStartsText("ÄB", "äbc"));
    EXPECT_FALSE(AnsiStartsText("selects", "SELECT"));
}

TEST(StringRoutines, CutUtf8NeverSplitsACharacter) {
    struct Case {
        const char* text;
        std::size_t maxBytes;
        const char* expected;
    } cases[] = {
        {"abc", 5, "abc"},   {"abc", 2, "ab"},     {"aäb", 2, "a"},     {"aäb", 3, "aä"},
        {"€uro", 2, ""},     {"€uro", 3, "€"},     {"x😀", 4, "x"},     {"x😀", 5, "x😀"},
        {"abc", 0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CutUtf8(c.text, c.maxBytes), c.expected) << c.text << " " << c.maxBytes;
}

TEST(StringRoutines, StrToIntIsRangeChecked) {
    struct Good {
        const char* text;
        int value;
    } good[] = {{"0", 0}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"+17", 17}, {"  42", 42}};
    for (const auto& g : good) {
        EXPECT_EQ(StrToInt(g.text), g.value) << g.text;
        int v = 0;
        EXPECT_TRUE(TryStrToInt(g.text, v));
    }
    for (const char* bad : {"2147483648", "-2147483649", "99999999999999999999", "", "-", "12a", "1 ", "0x10"}) {
        int v = 7;
        EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
        EXPECT_EQ(v, 7);
        try {
            StrToInt(bad);
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(IntToStr(-12), "-12");
}

TEST(StringRoutines, TrimRemovesBlanksAndControlCharacters) {
    EXPECT_EQ(Trim("\t\r\n x y \x01"), "x y");
    EXPECT_EQ(TrimLeft("  x "), "x ");
    EXPECT_EQ(TrimRight("  x \n"), "  x");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_EQ(Trim(" ä "), "ä");
}

TEST(StringRoutines, IsValidIdentIsAscii) {
    struct Case {
        const char* ident;
        bool valid;
    } cases[] = {{"Orders", true}, {"_x1", true}, {"1x", false}, {"", false}, {"a b", false},
                 {"Straße", false}, {"a.b", false}, {"a-b", false}};
    for (const auto& c : cases) EXPECT_EQ(IsValidIdent(c.ident), c.valid) << c.ident;
    EXPECT_TRUE(IsValidIdent("a.b", true));
    EXPECT_FALSE(IsValidIdent("a..b", true));
}

TEST(StringRoutines, FormatIsTypeChecked) {
    EXPECT_EQ(Format("line %d col %d: %s", 3, 14, std::string("Bad SELECT statement")),
              "line 3 col 14: Bad SELECT statement");
    EXPECT_EQ(Format("100%% of %s", "x"), "100% of x");
    EXPECT_EQ(Format("[%4d|%-3s]", 7, "a"), "[   7|a  ]");
    EXPECT_THROW(Format("%d", "text"), EConvertError);
    EXPECT_THROW(Format("%s", 5), EConvertError);
    EXPECT_THROW(Format("%s and %s", "one"), EConvertError);
    EXPECT_THROW(Format("%q", 1), EConvertError);
}

TEST(StringRoutines, StringReplace) {
    EXPECT_EQ(StringReplace("a-b-c", "-", "+"), "a+b+c");
    EXPECT_EQ(StringReplace("a-b-c", "-", "", 0), "ab-c");
    EXPECT_EQ(StringReplace("Aa", "a", "x"), "Ax");
    EXPECT_EQ(StringReplace("ÄaäA", "ä", "-", rfReplaceAll | rfIgnoreCase), "-a-A");
    EXPECT_EQ(StringReplace("abc", "", "x"), "abc");
}

}  // namespace
