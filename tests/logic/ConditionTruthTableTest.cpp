// Property test: for thousands of random conditions, simplification and the
// load preparation keep the three-valued truth value under every assignment
// (NULLs included), their printed text reads back to a condition with the same
// truth table, and stripping and restoring a row expression gives back the
// same condition, also after the stripped text went through a criteria cell.

#include <gtest/gtest.h>

#include <algorithm>

#include "LogicTestSupport.h"
#include "RandomCondition.h"
#include "ThreeValuedEvaluator.h"
#include "parser/SQLError.h"

namespace {

constexpr unsigned kSeed = 20261211;
constexpr unsigned kShards = 4;
constexpr int kConditionsPerShard = 750;
constexpr int kDepth = 3;

::testing::AssertionResult SameTruth(const TruthTable& Expected, TastNode* Actual) {
  const TruthTable actual = TruthTableOf(static_cast<TSQLExpressionItem*>(Actual));
  for (int i = 0; i < AssignmentCount(); ++i)
    if (actual[i] != Expected[i])
      return ::testing::AssertionFailure() << Text(Actual) << " changes its value under " << DescribeAssignment(i)
                                           << " (was " << int(Expected[i]) << ", is " << int(actual[i]) << ")";
  return ::testing::AssertionSuccess();
}

// The condition read back from Text, or null with a recorded failure.
NodePtr<TSQLExpressionItem> ReadBack(const std::string& Text, bool RequireLeftOperand = true) {
  try {
    return ParseCondition(Text, RequireLeftOperand);
  } catch (const EvnSQLError& error) {
    ADD_FAILURE() << "does not read back: " << Text << " (" << error.Message() << " at \"" << error.TokenText << "\")";
    return nullptr;
  }
}

// The reshaped condition means the same as the original, and so does its text.
void ExpectSameMeaning(const TruthTable& Truth, TSQLExpressionItem* Reshaped) {
  ASSERT_NE(Reshaped, nullptr);
  EXPECT_TRUE(SameTruth(Truth, Reshaped));
  NodePtr<TSQLExpressionItem> reread = ReadBack(Text(Reshaped));
  if (!reread) return;
  EXPECT_TRUE(SameTruth(Truth, reread.get()));
  // Reshaping the text that was written changes nothing more.
  NodePtr<TSQLExpressionItem> again(SimplifyLogicalExpression(reread.release()));
  EXPECT_EQ(Text(again.get()), Text(Reshaped));
}

// The grid's round trip for one row expression: strip it, write the rest as
// a criteria cell, read the cell back and put the row expression back.
void ExpectRowExpressionRoundTrip(TSQLExpressionItem* Condition, const TruthTable& Truth, const std::string& Row) {
  NodePtr<TSQLExpressionItem> rowExpression(SQL92()->ParseExpression(Row, nullptr));
  NodePtr<TSQLExpressionItem> stripped(Condition->Clone());
  stripped->RemoveLExpression(rowExpression.get());

  NodePtr<TSQLExpressionItem> restored(stripped->Clone());
  restored->RestoreLExpression(rowExpression.get());
  EXPECT_EQ(Text(restored.get()), Text(Condition));

  NodePtr<TSQLExpressionItem> cell = ReadBack(Text(stripped.get()), false);
  if (!cell) return;
  cell->RestoreLExpression(rowExpression.get());
  EXPECT_TRUE(SameTruth(Truth, cell.get())) << "row " << Row << ", cell " << Text(stripped.get());
}

// Seeds of the shards, run as separate tests so they can run side by side.
class ConditionTruthTable : public ::testing::TestWithParam<unsigned> {};

TEST_P(ConditionTruthTable, ReshapingKeepsTheMeaningOfRandomConditions) {
  RandomConditionMaker maker(SQL92(), GetParam());
  int reshaped = 0;
  int unknownSomewhere = 0;
  for (int n = 0; n < kConditionsPerShard && !HasFailure(); ++n) {
    NodePtr<TSQLExpressionItem> condition(maker.Condition(kDepth));
    const std::string text = Text(condition.get());
    SCOPED_TRACE("condition " + std::to_string(n) + ": " + text);
    const TruthTable truth = TruthTableOf(condition.get());

    NodePtr<TSQLExpressionItem> parsed = ReadBack(text);
    ASSERT_TRUE(parsed);
    ASSERT_TRUE(SameTruth(truth, parsed.get()));
    ASSERT_EQ(Text(parsed.get()), text);

    NodePtr<TSQLExpressionItem> simplified(SimplifyLogicalExpression(condition->Clone()));
    ExpectSameMeaning(truth, simplified.get());
    reshaped += Text(simplified.get()) != text;
    unknownSomewhere += std::count(truth.begin(), truth.end(), Truth::Unknown) > 0;

    for (const char* row : {"a", "b", "s"}) ExpectRowExpressionRoundTrip(parsed.get(), truth, row);

    NodePtr<TSQLExpressionItem> prepared(PrepareLogicalExpressionForLoading(parsed.release()));
    ExpectSameMeaning(truth, prepared.get());
  }
  // The generator reaches what is under test: conditions that reshaping
  // changes, and conditions that are unknown under some assignment.
  EXPECT_GT(reshaped, kConditionsPerShard / 4);
  EXPECT_GT(unknownSomewhere, kConditionsPerShard / 2);
}

INSTANTIATE_TEST_SUITE_P(Seeds, ConditionTruthTable, ::testing::Range(kSeed, kSeed + kShards));

}  // namespace
