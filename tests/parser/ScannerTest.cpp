// The SQL-92 scanner: token classes, positions, line breaks, comments and
// the keyword table.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parser/SQL92Scan.h"

using namespace sql92;

namespace {

struct Tok {
  int32_t kind;
  std::string val;
  int32_t line = 0;  // 0: not checked
  int32_t col = 0;
};

std::vector<TvnToken> Scan(const std::string& text) {
  SQL92Scanner scanner;
  scanner.Init(text);
  std::vector<TvnToken> tokens;
  for (int32_t i = 0; i < scanner.TokenCount(); ++i) tokens.push_back(scanner.GetToken(i));
  return tokens;
}

struct ScanCase {
  const char* name;
  std::string text;
  std::vector<Tok> tokens;  // without the end-of-text token
};

class ScannerCases : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScannerCases, YieldsTokens) {
  const ScanCase& c = GetParam();
  std::vector<TvnToken> tokens = Scan(c.text);
  ASSERT_EQ(tokens.size(), c.tokens.size() + 1) << c.text;
  for (size_t i = 0; i < c.tokens.size(); ++i) {
    SCOPED_TRACE("token " + std::to_string(i));
    EXPECT_EQ(tokens[i].kind, c.tokens[i].kind);
    EXPECT_EQ(tokens[i].val, c.tokens[i].val);
    if (c.tokens[i].line != 0) {
      EXPECT_EQ(tokens[i].line, c.tokens[i].line);
      EXPECT_EQ(tokens[i].col, c.tokens[i].col);
    }
  }
  EXPECT_EQ(tokens.back().kind, _EOF);
  EXPECT_EQ(tokens.back().val, "EOF");
}

const ScanCase kScanCases[] = {
    {"Empty", "", {}},
    {"KeywordCase", "select Select SELECT", {{kwSelect, "select"}, {kwSelect, "Select"}, {kwSelect, "SELECT"}}},
    {"CrLfLine", "SELECT a,\r\nFROM t",
     {{kwSelect, "SELECT", 1, 1}, {_NonQuotedIdentifier, "a", 1, 8}, {syComma, ",", 1, 9}, {kwFrom, "FROM", 2, 1},
      {_NonQuotedIdentifier, "t", 2, 6}}},
    {"LoneLfLine", "SELECT a,\nFROM t", {{kwSelect, "SELECT", 1, 1}, {_NonQuotedIdentifier, "a", 1, 8},
                                         {syComma, ",", 1, 9}, {kwFrom, "FROM", 2, 1}, {_NonQuotedIdentifier, "t", 2, 6}}},
    {"LoneCrLine", "SELECT a,\rFROM t", {{kwSelect, "SELECT", 1, 1}, {_NonQuotedIdentifier, "a", 1, 8},
                                         {syComma, ",", 1, 9}, {kwFrom, "FROM", 2, 1}, {_NonQuotedIdentifier, "t", 2, 6}}},
    {"BlankLinesCount", "a\n\nb\r\n\r\nz", {{_NonQuotedIdentifier, "a", 1, 1}, {_NonQuotedIdentifier, "b", 3, 1},
                                              {_NonQuotedIdentifier, "z", 5, 1}}},
    {"LfCrIsOneBreak", "a\n\rb", {{_NonQuotedIdentifier, "a", 1, 1}, {_NonQuotedIdentifier, "b", 2, 1}}},
    {"TabsAndControls", "\ta\x01\x1f" "b", {{_NonQuotedIdentifier, "a", 1, 2}, {_NonQuotedIdentifier, "b", 1, 5}}},
    {"DotStar", "t.*", {{_NonQuotedIdentifier, "t"}, {syDotStar, ".*"}}},
    {"DotThenStar", "t . *", {{_NonQuotedIdentifier, "t"}, {syDot, "."}, {syStar, "*"}}},
    {"Reals", "1.5e-3 .5 2.25E+10 3.0",
     {{_Real, "1.5e-3"}, {_Real, ".5"}, {_Real, "2.25E+10"}, {_Real, "3.0"}}},
    {"IntegerDotIsNoSym", "1.", {{noSym, "1."}}},
    {"ExponentNeedsDigit", "1.5e+x", {{noSym, "1.5e+"}, {_NonQuotedIdentifier, "x"}}},
    {"ExponentOnlyAfterFraction", "1e5", {{_integer, "1"}, {_NonQuotedIdentifier, "e5"}}},
    {"Hex", "0x1F 0xab", {{_HexLiteral, "0x1F"}, {_HexLiteral, "0xab"}}},
    {"HexWithoutDigit", "0x", {{noSym, "0x"}}},
    {"LeadingZeros", "007", {{_integer, "007"}}},
    {"StringDoubledQuote", "'O''Brien'", {{_ASCIIStringLiteral, "'O''Brien'"}}},
    {"UnterminatedString", "'abc\r\ndef", {{noSym, "'abc\rdef"}}},
    {"QuotedIdentifier", "\"a \"\"b\"\"\" [x y][z] [a]]", {{_QuotedIdentifier, "\"a \"\"b\"\"\""},
                                                           {_QuotedIdentifier, "[x y][z]"},
                                                           {_QuotedIdentifier, "[a]"},
                                                           {noSym, "]"}}},
    {"UnterminatedBracket", "[abc", {{noSym, "[abc"}}},
    {"Variables", "@p @ @_x1", {{_Variable, "@p"}, {_Variable, "@"}, {_Variable, "@_x1"}}},
    {"QuotedWordsAreNoKeywords", "\"select\" [select] @select",
     {{_QuotedIdentifier, "\"select\""}, {_QuotedIdentifier, "[select]"}, {_Variable, "@select"}}},
    {"LineComment", "a -- note\r\nb", {{_NonQuotedIdentifier, "a", 1, 1}, {_NonQuotedIdentifier, "b", 2, 1}}},
    {"CommentAtEnd", "a --", {{_NonQuotedIdentifier, "a", 1, 1}}},
    {"CommentThenBlankLine", "--x\n\nb", {{_NonQuotedIdentifier, "b", 3, 1}}},
    {"MinusNoComment", "a-b", {{_NonQuotedIdentifier, "a"}, {syMinus, "-"}, {_NonQuotedIdentifier, "b"}}},
    {"TwoMinus", "a - - b", {{_NonQuotedIdentifier, "a"}, {syMinus, "-", 1, 3}, {syMinus, "-", 1, 5},
                             {_NonQuotedIdentifier, "b", 1, 7}}},
    {"MinusBeforeLineBreak", "-\nb", {{syMinus, "-", 1, 1}, {_NonQuotedIdentifier, "b", 2, 1}}},
    {"NoBlockComments", "/* x */", {{sySlash, "/"}, {syStar, "*"}, {_NonQuotedIdentifier, "x"}, {syStar, "*"},
                                    {sySlash, "/"}}},
    {"Comparisons", "<> != <= !> < >= !< > =",
     {{syNotEqual, "<>"}, {syBangEqual, "!="}, {syLessEqual, "<="}, {syNotGreater, "!>"}, {syLess, "<"},
      {syGreaterEqual, ">="}, {syNotLess, "!<"}, {syGreater, ">"}, {syEqual, "="}}},
    {"Singles", ";,()*+-/%~", {{sySemicolon, ";"}, {syComma, ","}, {syLParen, "("}, {syRParen, ")"}, {syStar, "*"},
                               {syPlus, "+"}, {syMinus, "-"}, {sySlash, "/"}, {syPercent, "%"}, {syTilde, "~"}}},
    {"NoSymCharacters", "! # $ & : ? \\ ^ ` | }",
     {{noSym, "!"}, {noSym, "#"}, {noSym, "$"}, {noSym, "&"}, {noSym, ":"}, {noSym, "?"}, {noSym, "\\"},
      {noSym, "^"}, {noSym, "`"}, {noSym, "|"}, {noSym, "}"}}},
    {"HighBytesAndNul", std::string("a\xc3\xa4" "b\0z", 6),
     {{_NonQuotedIdentifier, "a"}, {noSym, "\xc3"}, {noSym, "\xa4"}, {_NonQuotedIdentifier, "b"},
      {noSym, std::string(1, '\0')}, {_NonQuotedIdentifier, "z"}}},
    {"OdbcLiterals", "{d '2001-01-01'} {ts '2001-01-01 10:00:00'} { t n'x' } {D'a''b'}",
     {{_ODBCDateTime, "{d '2001-01-01'}"}, {_ODBCDateTime, "{ts '2001-01-01 10:00:00'}"},
      {_ODBCDateTime, "{ t n'x' }"}, {_ODBCDateTime, "{D'a''b'}"}}},
    {"OdbcTwoBlanks", "{  d '1'}", {{noSym, "{ "}, {_NonQuotedIdentifier, "d"}, {_ASCIIStringLiteral, "'1'"},
                                    {noSym, "}"}}},
    {"OdbcWrongLetter", "{x '1'}", {{noSym, "{"}, {_NonQuotedIdentifier, "x"}, {_ASCIIStringLiteral, "'1'"},
                                    {noSym, "}"}}},
    {"IdentifierStopsAtHighByte", "ab\xe9" "z", {{_NonQuotedIdentifier, "ab"}, {noSym, "\xe9"},
                                                 {_NonQuotedIdentifier, "z"}}},
    {"NonReservedKeyword", "Name TYPE data", {{kwName, "Name"}, {kwType, "TYPE"}, {kwData, "data"}}},
};

INSTANTIATE_TEST_SUITE_P(Scanner, ScannerCases, ::testing::ValuesIn(kScanCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Scanner, EmptyTextEndsAtLineOneColumnOne) {
  std::vector<TvnToken> tokens = Scan("");
  ASSERT_EQ(tokens.size(), 1u);
  EXPECT_EQ(tokens[0].line, 1);
  EXPECT_EQ(tokens[0].col, 1);
  EXPECT_EQ(tokens[0].pos, 0);
}

TEST(Scanner, GetTokenOutsideTheListIsTheEndToken) {
  SQL92Scanner scanner;
  scanner.Init("a b");
  EXPECT_EQ(scanner.GetToken(-1).kind, _EOF);
  EXPECT_EQ(scanner.GetToken(3).kind, _EOF);
  EXPECT_EQ(scanner.GetToken(1000).val, "EOF");
  EXPECT_EQ(scanner.GetToken(1).val, "b");
}

TEST(Scanner, EveryKeywordInEveryCaseHasItsKind) {
  int words = 0;
  for (int32_t kind = kwFirst; kind <= kwLast; ++kind) {
    if (!IsKeywordKind(kind)) continue;
    ++words;
    std::string lower(KindText(kind)), upper = lower;
    for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    std::vector<TvnToken> tokens = Scan(lower + " " + upper);
    ASSERT_EQ(tokens.size(), 3u) << lower;
    EXPECT_EQ(tokens[0].kind, kind) << lower;
    EXPECT_EQ(tokens[1].kind, kind) << upper;
    EXPECT_EQ(tokens[1].val, upper);
  }
  EXPECT_EQ(words, 148);
  EXPECT_TRUE(IsReservedKeyword("Left"));
  EXPECT_FALSE(IsReservedKeyword("NAME"));
  EXPECT_FALSE(IsReservedKeyword("orders"));
}

// Every token's text is the slice of the text at its position, and line and
// column agree with that position, once line breaks are counted as one CR.
TEST(Scanner, TokensAreSlicesOfTheText) {
  const std::string corpus[] = {
      "SELECT a.b, 'x''y' AS \"q\"\r\nFROM t -- c\n  WHERE x >= 1.5e3\rAND y <> 0x1f",
      "select\n\n\n[a]\r\n\r\n{ts '1'}, @v ! # \x80 .5 t.* -\n- x",
      "'multi\r\nline' \"id\r\nx\" z",
  };
  for (const std::string& text : corpus) {
    std::string normal;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        normal += '\r';
        ++i;
      } else if (text[i] == '\n' && !(i + 1 < text.size() && text[i + 1] == '\r')) {
        normal += '\r';
      } else {
        normal += text[i];
      }
    }
    std::vector<TvnToken> tokens = Scan(text);
    tokens.pop_back();
    for (const TvnToken& t : tokens) {
      SCOPED_TRACE(t.val);
      ASSERT_LE(static_cast<size_t>(t.pos) + t.val.size(), normal.size());
      EXPECT_EQ(normal.substr(t.pos, t.val.size()), t.val);
      size_t lineStart = normal.rfind('\r', t.pos == 0 ? 0 : t.pos - 1);
      int line = 1;
      for (int32_t i = 0; i < t.pos; ++i) line += normal[i] == '\r' ? 1 : 0;
      EXPECT_EQ(t.line, line);
      int32_t expectedCol = (t.pos == 0 || lineStart == std::string::npos) ? t.pos + 1
                                                                         : t.pos - static_cast<int32_t>(lineStart);
      EXPECT_EQ(t.col, expectedCol);
    }
  }
}

}  // namespace
