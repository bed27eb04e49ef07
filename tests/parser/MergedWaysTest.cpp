// Merging ways that stand at the same token changes no result: on the
// statement corpus and on texts mutated from it (a token dropped, doubled,
// or swapped with its neighbour), the merged and the plain way calculation
// build the same tree or fail with the same message at the same token.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ParseFixture.h"
#include "StatementCorpus.h"
#include "parser/SQL92Scanner.h"

namespace {

std::vector<std::string> TokenTexts(const std::string& text) {
  SQL92Scanner scanner;
  scanner.Init(text);
  std::vector<std::string> texts;
  for (int32_t i = 0; i + 1 < scanner.TokenCount(); ++i) texts.push_back(scanner.GetToken(i).val);
  return texts;
}

std::string Join(const std::vector<std::string>& tokens) {
  std::string text;
  for (const std::string& token : tokens) text += (text.empty() ? "" : " ") + token;
  return text;
}

// The corpus text and its mutations.
std::vector<std::string> Mutations(const std::string& text) {
  std::vector<std::string> texts{text};
  const std::vector<std::string> tokens = TokenTexts(text);
  for (size_t i = 0; i < tokens.size(); ++i) {
    std::vector<std::string> dropped = tokens;
    dropped.erase(dropped.begin() + static_cast<long>(i));
    texts.push_back(Join(dropped));
    std::vector<std::string> doubled = tokens;
    doubled.insert(doubled.begin() + static_cast<long>(i), tokens[i]);
    texts.push_back(Join(doubled));
    if (i + 1 < tokens.size()) {
      std::vector<std::string> swapped = tokens;
      std::swap(swapped[i], swapped[i + 1]);
      texts.push_back(Join(swapped));
    }
  }
  return texts;
}

void ExpectSameOutcome(const ParseOutcome& merged, const ParseOutcome& plain, const std::string& text) {
  ASSERT_EQ(merged.Ok, plain.Ok) << text;
  EXPECT_EQ(merged.Tree, plain.Tree) << text;
  EXPECT_EQ(merged.Message, plain.Message) << text;
  EXPECT_EQ(merged.Line, plain.Line) << text;
  EXPECT_EQ(merged.Col, plain.Col) << text;
  EXPECT_EQ(merged.Token, plain.Token) << text;
}

class MergedWays : public SQL92ParseTest, public ::testing::WithParamInterface<std::string> {
 protected:
  // With the default threshold for remembered outcomes, and remembering
  // every outcome.
  void Compare(TvnParseEntry entry, const std::string& text, bool requireLeftOperand = true) {
    TvnParseOptions plain;
    plain.RequireLeftOperand = requireLeftOperand;
    plain.DeduplicateWays = false;
    plain.MemoizeRules = false;
    const ParseOutcome expected = Outcome(entry, text, plain);
    for (int64_t minRecords : {vnMinRememberedRecords, int64_t{0}}) {
      TvnParseOptions merged;
      merged.RequireLeftOperand = requireLeftOperand;
      merged.MinRememberedRecords = minRecords;
      ExpectSameOutcome(Outcome(entry, text, merged), expected, text);
    }
  }
};

TEST_P(MergedWays, StatementsAndMutationsGiveTheSameResult) {
  for (const std::string& text : Mutations(GetParam())) Compare(TvnParseEntry::Select, text);
}

// Mutated texts that still parse print to a fixed point with the same tree.
TEST_P(MergedWays, MutationsThatParseSurviveARoundTrip) {
  for (const std::string& text : Mutations(GetParam())) {
    ParseOutcome first = Outcome(TvnParseEntry::Select, text);
    if (!first.Ok) continue;
    const std::string printed = Print(TvnParseEntry::Select, text);
    ParseOutcome second = Outcome(TvnParseEntry::Select, printed);
    ASSERT_TRUE(second.Ok) << text << " printed as " << printed;
    EXPECT_EQ(second.Tree, first.Tree) << text << " printed as " << printed;
    EXPECT_EQ(Print(TvnParseEntry::Select, printed), printed) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(Corpus, MergedWays, ::testing::ValuesIn(StatementCorpus()));

// The ambiguous shapes that make ways multiply, through every entry point.
TEST_F(SQL92ParseTest, AmbiguousShapesGiveTheSameResultMergedOrNot) {
  const struct {
    TvnParseEntry entry;
    const char* text;
    bool requireLeftOperand;
  } kCases[] = {
      {TvnParseEntry::Expression, "((SELECT 1)) + ((SELECT 2)) * ((SELECT 3))", true},
      {TvnParseEntry::Expression, "((((1))))", true},
      {TvnParseEntry::LogicalExpression, "x IN ((SELECT a FROM t)) AND y IN ((SELECT b FROM u))", true},
      {TvnParseEntry::LogicalExpression, "NOT LIKE 'a' AND NOT LIKE 'b' OR NOT IN (1) AND NOT BETWEEN 1 AND 2", false},
      {TvnParseEntry::LogicalExpression, "((((a = 1)))) AND ((b)) = 2", true},
      {TvnParseEntry::LogicalExpression, "NOT LIKE 'a' AND NOT LIKE", false},
      {TvnParseEntry::SelectItem, "((SELECT 1)) AS x", true},
      {TvnParseEntry::Select, "SELECT * FROM a JOIN (b JOIN (c JOIN d ON 1 = 1) ON 2 = 2) ON 3 = 3", true},
      {TvnParseEntry::Select, "SELECT * FROM a JOIN (b JOIN (c JOIN d ON 1 = 1) ON 2 = 2)", true},
      {TvnParseEntry::Select, "SELECT * FROM a JOIN ((SELECT 1) q JOIN b ON 1 = 1) ON 2 = 2", true},
      {TvnParseEntry::Select, "((SELECT 1)) UNION ((SELECT 2))", true},
  };
  for (const auto& c : kCases) {
    for (int64_t minRecords : {vnMinRememberedRecords, int64_t{0}}) {
      TvnParseOptions merged, plain;
      merged.RequireLeftOperand = plain.RequireLeftOperand = c.requireLeftOperand;
      merged.MinRememberedRecords = minRecords;
      plain.DeduplicateWays = false;
      plain.MemoizeRules = false;
      ExpectSameOutcome(Outcome(c.entry, c.text, merged), Outcome(c.entry, c.text, plain), c.text);
    }
  }
}

// Short random texts over the words that make readings multiply, through
// every entry point: merged and remembered ways agree with the plain ones.
TEST_F(SQL92ParseTest, RandomTextsGiveTheSameResultMergedOrNot) {
  const char* const kWords[] = {"(", ")", "(", ")", "SELECT", "a", "b", "1", "=", ">", "NOT", "LIKE", "IN", "AND",
                                "OR", "JOIN", "ON", ",", "FROM", "AS", ".", "-", "CASE", "WHEN", "THEN", "END",
                                "EXISTS", "ALL", "UNION", "IS", "NULL", "BETWEEN", "*"};
  const TvnParseEntry kEntries[] = {TvnParseEntry::Select, TvnParseEntry::Expression,
                                    TvnParseEntry::LogicalExpression, TvnParseEntry::ObjectName,
                                    TvnParseEntry::SelectItem};
  std::mt19937 random(20261211);
  for (int n = 0; n < 4000; ++n) {
    const TvnParseEntry entry = kEntries[random() % 5];
    std::string text = entry == TvnParseEntry::Select ? "SELECT" : "";
    const int length = 1 + static_cast<int>(random() % 14);
    for (int i = 0; i < length; ++i) text += std::string(" ") + kWords[random() % std::size(kWords)];
    TvnParseOptions merged, plain;
    merged.RequireLeftOperand = plain.RequireLeftOperand = random() % 2 == 0;
    // Half of the texts remember every outcome, however small.
    if (random() % 2 == 0) merged.MinRememberedRecords = 0;
    plain.DeduplicateWays = false;
    plain.MemoizeRules = false;
    ExpectSameOutcome(Outcome(entry, text, merged), Outcome(entry, text, plain), text);
  }
}

// Texts that reach low nesting limits: ways that fail at a limit shape the
// outcome of a rule, and the remembered outcome must still match.
TEST_F(SQL92ParseTest, TextsAtTheLimitsGiveTheSameResultMergedOrNot) {
  const char* const kWords[] = {"(", "(", "(", ")", ")", "SELECT", "a", "1", "=", "NOT", "-", "+", "AND",
                                "JOIN", "ON", "FROM", "f", "CASE", "WHEN", "THEN", "END", "IN", "x.T"};
  const TvnParseEntry kEntries[] = {TvnParseEntry::Select, TvnParseEntry::Expression,
                                    TvnParseEntry::LogicalExpression, TvnParseEntry::SelectItem};
  std::mt19937 random(1211);
  for (int n = 0; n < 3000; ++n) {
    const TvnParseEntry entry = kEntries[random() % 4];
    std::string text;
    const int length = 2 + static_cast<int>(random() % 16);
    for (int i = 0; i < length; ++i) text += std::string(" ") + kWords[random() % std::size(kWords)];
    TvnParseOptions merged, plain;
    merged.MaxNestingLevel = plain.MaxNestingLevel = 1 + static_cast<int32_t>(random() % 4);
    merged.MaxTreeDepth = plain.MaxTreeDepth = merged.MaxNestingLevel + static_cast<int32_t>(random() % 3);
    // Half of the texts remember every outcome, however small.
    if (random() % 2 == 0) merged.MinRememberedRecords = 0;
    plain.DeduplicateWays = false;
    plain.MemoizeRules = false;
    ExpectSameOutcome(Outcome(entry, text, merged), Outcome(entry, text, plain), text);
  }
}

// A FROM source right of JOIN starts at the same token one level deeper when
// read as a nested join, so its remembered outcome meets other nestings.
TEST_F(SQL92ParseTest, JoinsAtTheLimitsGiveTheSameResultMergedOrNot) {
  const char* const kWords[] = {"a", "a", "JOIN", "JOIN", "(", ")", "ON 1 = 1", "ON (1 = 1)", ",", "(SELECT 1) q"};
  std::mt19937 random(2026);
  for (int n = 0; n < 3000; ++n) {
    std::string text = "SELECT * FROM a";
    const int length = 2 + static_cast<int>(random() % 14);
    for (int i = 0; i < length; ++i) text += std::string(" ") + kWords[random() % std::size(kWords)];
    TvnParseOptions merged, plain;
    merged.MaxNestingLevel = plain.MaxNestingLevel = 1 + static_cast<int32_t>(random() % 4);
    // Half of the texts remember every outcome, however small.
    if (random() % 2 == 0) merged.MinRememberedRecords = 0;
    plain.DeduplicateWays = false;
    plain.MemoizeRules = false;
    ExpectSameOutcome(Outcome(TvnParseEntry::Select, text, merged), Outcome(TvnParseEntry::Select, text, plain),
                      text);
  }
}

std::string Repeat(const std::string& piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

// The nested shapes whose readings multiply per level, at depth d, with the
// entry point and left-operand mode they are parsed in.
struct NestedShape {
  const char* name;
  TvnParseEntry entry;
  bool requireLeftOperand;
  std::string (*text)(int d);
};

const NestedShape kNestedShapes[] = {
    {"bracketed sub-queries", TvnParseEntry::Select, true,
     [](int d) { return "SELECT " + Repeat("((SELECT ", d) + "1" + Repeat("))", d); }},
    {"sub-queries in IN", TvnParseEntry::Select, true,
     [](int d) { return "SELECT a FROM t" + Repeat(" WHERE a IN ((SELECT a FROM t", d) + Repeat("))", d); }},
    {"right-nested bracketed joins", TvnParseEntry::Select, true,
     [](int d) { return "SELECT * FROM a" + Repeat(" JOIN (b", d) + " JOIN c ON 1 = 1" + Repeat(") ON 1 = 1", d); }},
    {"derived tables right of JOIN", TvnParseEntry::Select, true,
     [](int d) { return "SELECT * FROM a" + Repeat(" JOIN ((SELECT 1) q", d) + Repeat(" JOIN b ON 1 = 1) ON 2 = 2", d); }},
    {"right-nested joins", TvnParseEntry::Select, true,
     [](int d) { return "SELECT * FROM a" + Repeat(" JOIN b", d) + " JOIN c ON 1 = 1" + Repeat(" ON 1 = 1", d); }},
    {"brackets in WHERE", TvnParseEntry::Select, true,
     [](int d) { return "SELECT a FROM t WHERE " + Repeat("(", d) + "a = 1" + Repeat(")", d); }},
    {"nested CASE", TvnParseEntry::Expression, true,
     [](int d) { return Repeat("CASE WHEN (a = 1) THEN ", d) + "(0)" + Repeat(" ELSE 1 END", d); }},
    {"criteria NOT chain", TvnParseEntry::LogicalExpression, false,
     [](int d) { return "NOT LIKE 'x'" + Repeat(" AND NOT LIKE 'x' OR NOT IN (1)", d); }},
    {"criteria nested NOT", TvnParseEntry::LogicalExpression, false,
     [](int d) { return Repeat("NOT (", d) + "NOT LIKE 'x'" + Repeat(")", d); }},
};

// Every nested shape at depths 1 to 4, and its mutations, with the default
// limits and with limits the deeper texts run into: remembered outcomes are
// reused across levels, so each level must still give what the plain
// calculation gives.
TEST_F(SQL92ParseTest, NestedShapesAndTheirMutationsGiveTheSameResultMergedOrNot) {
  for (const NestedShape& shape : kNestedShapes) {
    for (int d = 1; d <= 4; ++d) {
      for (const std::string& text : Mutations(shape.text(d))) {
        for (int32_t limit : {vnMaxNestingLevel, d + 1, 2 * d}) {
          SCOPED_TRACE(std::string(shape.name) + ", nesting limit " + std::to_string(limit));
          TvnParseOptions merged, plain;
          // Below the default limit every outcome is remembered, however small.
          merged.MinRememberedRecords = limit == vnMaxNestingLevel ? vnMinRememberedRecords : 0;
          merged.RequireLeftOperand = plain.RequireLeftOperand = shape.requireLeftOperand;
          merged.MaxNestingLevel = plain.MaxNestingLevel = limit;
          plain.DeduplicateWays = false;
          plain.MemoizeRules = false;
          ExpectSameOutcome(Outcome(shape.entry, text, merged), Outcome(shape.entry, text, plain), text);
        }
      }
    }
  }
}

// The nested shapes well past the depth the plain calculation can reach
// parse, and print back to text that parses to the same tree.
TEST_F(SQL92ParseTest, DeeplyNestedShapesParseAndSurviveARoundTrip) {
  for (const NestedShape& shape : kNestedShapes) {
    SCOPED_TRACE(shape.name);
    TvnParseOptions options;
    options.RequireLeftOperand = shape.requireLeftOperand;
    const std::string text = shape.text(60);
    const ParseOutcome first = Outcome(shape.entry, text, options);
    ASSERT_TRUE(first.Ok) << first.Message;
    const std::string printed = Print(shape.entry, text, options);
    EXPECT_EQ(Outcome(shape.entry, printed, options).Tree, first.Tree) << printed;
  }
}

}  // namespace
