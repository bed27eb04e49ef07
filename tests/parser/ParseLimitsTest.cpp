// Limits of the parser: nesting depth, operator chains, and the size of the
// way tree on repeated ambiguous stretches.

#include <gtest/gtest.h>

#include <string>

#include "ParseFixture.h"
#include "parser/BaseParser.h"
#include "parser/WayPoint.h"

namespace {

std::string Repeat(const std::string& piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

struct NestingCase {
  const char* name;
  TvnParseEntry entry;
  std::string prefix;
  std::string open;   // one level, repeated before the core
  std::string core;
  std::string close;  // repeated after the core
  std::string token;  // the token the error reports
  int offset;         // its place after the first limit levels of open
};

class Nesting : public SQL92ParseTest, public ::testing::WithParamInterface<NestingCase> {};

// The deepest allowed nesting parses; one level more fails, normally at the
// token that opens the level too many, and nothing stays allocated.
TEST_P(Nesting, LimitIsExactAndFailsAtTheOffendingToken) {
  const NestingCase& c = GetParam();
  auto text = [&](int depth) { return c.prefix + Repeat(c.open, depth) + c.core + Repeat(c.close, depth); };
  ParseOutcome deepest = Verdict(c.entry, text(vnMaxNestingLevel));
  EXPECT_TRUE(deepest.Ok) << deepest.Message << " at col " << deepest.Col;
  ParseOutcome tooDeep = Verdict(c.entry, text(vnMaxNestingLevel + 1));
  ASSERT_FALSE(tooDeep.Ok);
  EXPECT_EQ(tooDeep.Message, ParseEntryMessage(c.entry));
  EXPECT_EQ(tooDeep.Line, 1);
  EXPECT_EQ(tooDeep.Col, static_cast<int>(c.prefix.size() + c.open.size() * vnMaxNestingLevel) + c.offset + 1);
  EXPECT_EQ(tooDeep.Token, c.token);
  EXPECT_EQ(TvnWayPoint::LiveCount(), 0);
}

const NestingCase kNesting[] = {
    {"ExpressionBrackets", TvnParseEntry::Expression, "", "(", "1", ")", "(", 0},
    {"Not", TvnParseEntry::LogicalExpression, "", "NOT ", "a = 1", "", "NOT", 0},
    {"PrefixMinus", TvnParseEntry::Expression, "", "- ", "1", "", "-", 0},
    {"ScalarSubQueries", TvnParseEntry::Expression, "", "(SELECT ", "1", ")", "(", 0},
    {"FunctionCalls", TvnParseEntry::Expression, "", "f(", "1", ")", "(", 1},
    {"Case", TvnParseEntry::Expression, "", "CASE WHEN a = 1 THEN ", "1", " END", "CASE", 0},
    {"DerivedTables", TvnParseEntry::Select, "", "SELECT * FROM (", "SELECT 1", ") q", "(", 14},
    // The joins inside a right operand open the level; the one too many is
    // the join of c.
    {"RightNestedJoins", TvnParseEntry::Select, "SELECT * FROM a", " JOIN b", " JOIN c ON 1 = 1", " ON 1 = 1", "JOIN",
     8},
    // A bracketed right operand is one level in both of its readings.
    {"RightNestedBracketedJoins", TvnParseEntry::Select, "SELECT * FROM a", " JOIN (b", " JOIN c ON 1 = 1",
     ") ON 1 = 1", "(", 6},
};

INSTANTIATE_TEST_SUITE_P(SQL92, Nesting, ::testing::ValuesIn(kNesting),
                         [](const auto& info) { return std::string(info.param.name); });

class Limits : public SQL92ParseTest {};

// A left-associative chain deepens the tree by one level per operator; the
// tree depth is bounded so that printing and freeing stay safe.
TEST_F(Limits, OperatorChainIsBoundedByTheTreeDepth) {
  auto chain = [](int operators) { return "1" + Repeat(" + 1", operators); };
  EXPECT_TRUE(Verdict(TvnParseEntry::Expression, chain(vnMaxTreeDepth)).Ok);
  ParseOutcome tooLong = Verdict(TvnParseEntry::Expression, chain(vnMaxTreeDepth + 1));
  ASSERT_FALSE(tooLong.Ok);
  EXPECT_EQ(tooLong.Token, "+");
  EXPECT_EQ(tooLong.Col, 3 + 4 * vnMaxTreeDepth);
}

TEST_F(Limits, LongFlatListsAreNoNesting) {
  std::string items = "1" + Repeat(", 1", 3000);
  EXPECT_TRUE(Verdict(TvnParseEntry::Select, "SELECT " + items).Ok);
  std::string conjuncts = "a = 1" + Repeat(" AND a = 1", 3000);
  EXPECT_TRUE(Verdict(TvnParseEntry::LogicalExpression, conjuncts).Ok);
  // Comma lists inside brackets are flat too, however long.
  const int longer = vnMaxTreeDepth + 10;
  EXPECT_TRUE(Verdict(TvnParseEntry::Expression, "f(1" + Repeat(", 1", longer) + ")").Ok);
  EXPECT_TRUE(Verdict(TvnParseEntry::Select, "SELECT * FROM (SELECT 1) q (a" + Repeat(", a", longer) + ")").Ok);
}

TEST_F(Limits, SizesUpToTheInt32RangeAreKept) {
  OwnedTree tree = Parse(TvnParseEntry::Expression, "CAST(a AS numeric(2147483647, 0))");
  EXPECT_EQ(TreeText(tree.get()), "Cast(a TypeBuiltIn{names=numeric sizeAfterWord=0 size=2147483647 scale=0})");
}

// Ways that stand at the same token at the same grammar point are merged, so
// a repeated ambiguous stretch costs the same for every repetition; without
// merging the ways double with each repetition.
TEST_F(Limits, RepeatedAmbiguityStaysLinearOnlyWithMerging) {
  auto records = [&](int copies, bool merge) {
    std::string text = "SELECT ((SELECT 1))" + Repeat(", ((SELECT 1))", copies - 1);
    TvnParseStatistics statistics;
    TvnParseOptions options;
    options.DeduplicateWays = merge;
    options.Statistics = &statistics;
    Parse(TvnParseEntry::Select, text, options);
    return statistics.WayRecordsMade;
  };
  const int64_t merged4 = records(4, true), merged8 = records(8, true), merged16 = records(16, true);
  EXPECT_LT(merged16 - merged8, 3 * (merged8 - merged4));
  const int64_t plain4 = records(4, false), plain8 = records(8, false);
  EXPECT_GT(plain8, 10 * plain4);
}

// A way that fails frees the records that led only to it, so what stays when
// the calculation ends is mostly the chosen way; before, every failed reading
// of every select item and condition stayed too.
TEST_F(Limits, FailedWaysFreeTheirRecords) {
  std::string text = "SELECT t0.c0 AS a0";
  for (int i = 1; i < 300; ++i) {
    const std::string n = std::to_string(i);
    text += ", t" + n + ".c" + n + " AS a" + n;
  }
  text += " FROM t0 WHERE t0.c0 IN (1" + Repeat(", 1", 300) + ") AND NOT t0.c1 = 2";
  TvnParseStatistics statistics;
  TvnParseOptions options;
  options.Statistics = &statistics;
  Parse(TvnParseEntry::Select, text, options);
  EXPECT_LT(statistics.WayRecords, statistics.WayRecordsMade / 2);
  EXPECT_EQ(TvnWayPoint::LiveCount(), 0);
}

// Each bracket of a nested join right of JOIN is read both as one source and
// as a nested join; remembering what a FROM source leads to from a token
// keeps the way records polynomial, where the plain calculation doubles
// them per level.
TEST_F(Limits, BracketReadingsAreComputedOnce) {
  auto records = [&](int depth, bool remember) {
    std::string text = "SELECT * FROM a" + Repeat(" JOIN (b", depth) + " JOIN c ON 1 = 1" + Repeat(") ON 1 = 1", depth);
    TvnParseStatistics statistics;
    TvnParseOptions options;
    options.MemoizeRules = remember;
    options.DeduplicateWays = remember;
    options.Statistics = &statistics;
    Parse(TvnParseEntry::Select, text, options);
    return statistics.WayRecordsMade;
  };
  EXPECT_LT(records(16, true), 5 * records(8, true));
  EXPECT_GT(records(8, false), 10 * records(4, false));
}

}  // namespace
