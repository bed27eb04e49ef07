// Comparing expressions, and stripping, restoring and finding the row
// expression (the left operand) of a condition for the criteria grid.

#include <gtest/gtest.h>

#include "LogicTestSupport.h"
#include "ast/ExpressionEquality.h"

namespace {

NodePtr<TSQLExpressionItem> Value(const std::string& Text) {
  return NodePtr<TSQLExpressionItem>(SQL92()->ParseExpression(Text, nullptr));
}

TEST(IsExpressionsEqual, ComparesPrintedTextIgnoringLetterCase) {
  struct Case {
    const char* A;
    const char* B;
    bool Equal;
  };
  for (const Case& c : {Case{"a=1", "A = 1", true}, Case{"x IN (1,2)", "X in ( 1 , 2 )", true},
                        Case{"a=1", "a=2", false}, Case{"a=1", "(a=1)", false}}) {
    NodePtr<TSQLExpressionItem> a = ParseCondition(c.A);
    NodePtr<TSQLExpressionItem> b = ParseCondition(c.B);
    EXPECT_EQ(IsExpressionsEqual(a.get(), b.get()), c.Equal) << c.A << " / " << c.B;
  }
  EXPECT_FALSE(IsExpressionsEqual(Value("o.Name").get(), Value("Orders.Name").get()));
  EXPECT_TRUE(IsExpressionsEqual(Value("orders.name").get(), Value("Orders.Name").get()));
  NodePtr<TSQLExpressionItem> a = Value("a");
  EXPECT_TRUE(IsExpressionsEqual(nullptr, nullptr));
  EXPECT_FALSE(IsExpressionsEqual(a.get(), nullptr));
  EXPECT_FALSE(IsExpressionsEqual(nullptr, a.get()));
}

struct RowCase {
  const char* Condition;
  const char* Row;
  const char* Stripped;
  const char* Restored;
};

void PrintTo(const RowCase& Case, std::ostream* Out) { *Out << Case.Condition << " / " << Case.Row; }

class RowExpression : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowExpression, IsStrippedAndRestored) {
  const RowCase& c = GetParam();
  NodePtr<TSQLExpressionItem> condition = ParseCondition(c.Condition);
  NodePtr<TSQLExpressionItem> row = Value(c.Row);
  condition->RemoveLExpression(row.get());
  EXPECT_EQ(Text(condition.get()), c.Stripped);
  condition->RestoreLExpression(row.get());
  EXPECT_EQ(Text(condition.get()), c.Restored);
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, RowExpression,
    ::testing::Values(
        RowCase{"Orders.Total > 100", "Orders.Total", ">100", "Orders.Total>100"},
        RowCase{"Orders.Total > 100", "orders.TOTAL", ">100", "orders.TOTAL>100"},
        RowCase{"Orders.Price > 100", "Orders.Total", "Orders.Price>100", "Orders.Price>100"},
        RowCase{"100 < Orders.Total", "Orders.Total", "100<Orders.Total", "100<Orders.Total"},
        RowCase{"a = 1 OR a = 2 AND b = 3", "a", "=1 Or =2 And b=3", "a=1 Or a=2 And b=3"},
        RowCase{"NOT (a BETWEEN 1 AND 2) AND a IN (1, 2)", "a", "Not ( Between 1 And 2) And IN (1, 2)",
                "Not (a Between 1 And 2) And a IN (1, 2)"},
        RowCase{"a IS NOT NULL OR a LIKE 'x%'", "a", "IS NOT NULL Or Like 'x%'", "a IS NOT NULL Or a Like 'x%'"},
        RowCase{"a > ALL (SELECT b FROM t)", "a", ">All(SELECT b FROM t)", "a>All(SELECT b FROM t)"},
        // a predicate without left operand stays whole
        RowCase{"EXISTS (SELECT 1 FROM t) AND a = 1", "a", "Exists(SELECT 1 FROM t) And =1",
                "Exists(SELECT 1 FROM t) And a=1"}));

TEST(RowExpression, RestoreFillsOnlyMissingOperands) {
  NodePtr<TSQLExpressionItem> cell = ParseCondition("> 5 OR b < 2", false);
  NodePtr<TSQLExpressionItem> row = Value("a");
  cell->RestoreLExpression(row.get());
  EXPECT_EQ(Text(cell.get()), "a>5 Or b<2");
  row.reset();
  EXPECT_EQ(Text(cell.get()), "a>5 Or b<2");  // the restored operand is a copy
}

struct FindCase {
  const char* Condition;
  const char* Item;
};

void PrintTo(const FindCase& Case, std::ostream* Out) { *Out << Case.Condition; }

class FindExpressionItem : public ::testing::TestWithParam<FindCase> {};

// The row expression is found without changing the condition; a predicate
// without left operand yields none and is never turned into a comparison.
TEST_P(FindExpressionItem, FindsTheFirstLeftOperand) {
  NodePtr<TSQLExpressionItem> condition = ParseCondition(GetParam().Condition);
  const std::string before = Text(condition.get());
  TSQLExpressionItem* item = condition.get();
  TSQLExpressionItem* result = condition->FindExpressionItem(item);
  EXPECT_EQ(result, condition.get());
  EXPECT_EQ(Text(item), GetParam().Item);
  EXPECT_EQ(Text(condition.get()), before);
}

INSTANTIATE_TEST_SUITE_P(Conditions, FindExpressionItem,
                         ::testing::Values(FindCase{"(x=1 AND y=2)", "x"}, FindCase{"NOT (a IN (1, 2))", "a"},
                                           FindCase{"a BETWEEN 1 AND 2 OR b = 1", "a"},
                                           FindCase{"EXISTS (SELECT 1 FROM t)", "<null>"},
                                           FindCase{"NOT EXISTS (SELECT 1 FROM t) AND a = 1", "<null>"}));

TEST(FindExpressionItem, KeepsABareValueWhole) {
  NodePtr<TSQLExpressionItem> value = Value("x");
  TSQLExpressionItem* item = value.get();
  EXPECT_EQ(value->FindExpressionItem(item), value.get());
  EXPECT_EQ(item, nullptr);
  EXPECT_EQ(Text(value.get()), "x");
}

TEST(IsLogical, HoldsForPredicatesWithoutOperatorAndForNotAndCollections) {
  struct Case {
    const char* Condition;
    bool Logical;
  };
  for (const Case& c : {Case{"a = 1", false}, Case{"a > ALL (SELECT b FROM t)", false},
                        Case{"a BETWEEN 1 AND 2", false}, Case{"(a = 1)", false}, Case{"a IS NULL", true},
                        Case{"a IN (1)", true}, Case{"a IN (SELECT b FROM t)", true}, Case{"a LIKE 'x'", true},
                        Case{"NOT a = 1", true}, Case{"EXISTS (SELECT 1 FROM t)", true},
                        Case{"a = 1 AND b = 2", true}, Case{"a = 1 OR b = 2", true}})
    EXPECT_EQ(ParseCondition(c.Condition)->IsLogical(), c.Logical) << c.Condition;
  EXPECT_FALSE(Value("a + 1")->IsLogical());
  NodePtr<TSQLExpressionItem> overlaps(TSQLExpressionOverlaps::Create(SQL92()));
  EXPECT_TRUE(overlaps->IsLogical());
}

}  // namespace
