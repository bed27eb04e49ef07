// Stripping and restoring the left-hand operand of conditions, finding it,
// and the logical/value split of expression classes.

#include <gtest/gtest.h>

#include <functional>

#include "AstTestSupport.h"
#include "ast/ExpressionEquality.h"
#include "platform/core/Strings.h"

namespace {

class LeftExpressions : public testing::Test {
 protected:
  TTestSyntaxProvider Provider;
  TreeMaker M{&Provider};
};

TEST_F(LeftExpressions, EqualityIgnoresLetterCaseOnly) {
  NodePtr<TSQLExpressionItem> a(M.Bin(M.Col({"a"}), "=", M.Num("1")));
  NodePtr<TSQLExpressionItem> upper(M.Bin(M.Col({"A"}), "=", M.Num("1")));
  NodePtr<TSQLExpressionItem> other(M.Bin(M.Col({"a"}), "=", M.Num("2")));
  EXPECT_TRUE(IsExpressionsEqual(a.get(), upper.get()));
  EXPECT_FALSE(IsExpressionsEqual(a.get(), other.get()));
  EXPECT_FALSE(IsExpressionsEqual(a.get(), nullptr));
  EXPECT_TRUE(IsExpressionsEqual(nullptr, nullptr));
}

// Orders.Total>100, also inside NOT, brackets and AND.
TEST_F(LeftExpressions, RemoveAndRestore) {
  struct {
    std::function<TSQLExpressionItem*(TreeMaker&)> Build;
    const char* Stripped;
  } cases[] = {
      {[](TreeMaker& m) { return m.Bin(m.Col({"Orders", "Total"}), ">", m.Num("100")); }, ">100"},
      {[](TreeMaker& m) {
         return TSQLExpressionNot::Create(m.P, m.Brackets(m.Bin(m.Col({"Orders", "Total"}), ">", m.Num("100"))));
       },
       "Not (>100)"},
      {[](TreeMaker& m) {
         auto* between = TSQLExpressionBetween::Create(m.P, m.Col({"orders", "total"}));
         between->LowExpression = m.Num("1");
         between->HighExpression = m.Num("2");
         return m.And({between, m.Bin(m.Col({"x"}), "<", m.Num("5"))});
       },
       "Between 1 And 2 And x<5"},
  };
  for (const auto& c : cases) {
    NodePtr<TSQLExpressionItem> row(M.Col({"Orders", "Total"}));
    NodePtr<TSQLExpressionItem> condition(c.Build(M));
    const std::string original = SingleLine(condition.get());
    condition->RemoveLExpression(row.get());
    EXPECT_EQ(SingleLine(condition.get()), c.Stripped);
    condition->RestoreLExpression(row.get());
    EXPECT_EQ(AnsiUpperCase(SingleLine(condition.get())), AnsiUpperCase(original));
  }
}

TEST_F(LeftExpressions, FindExpressionItem) {
  // The first item of a collection decides.
  NodePtr<TSQLExpressionItem> both(
      M.And({M.Bin(M.Col({"x"}), "=", M.Num("1")), M.Bin(M.Col({"y"}), "=", M.Num("2"))}));
  TSQLExpressionItem* item = nullptr;
  EXPECT_EQ(both->FindExpressionItem(item), both.get());
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(SingleLine(item), "x");

  NodePtr<TSQLExpressionItem> negated(TSQLExpressionNot::Create(&Provider, M.Bin(M.Col({"z"}), "<", M.Num("1"))));
  EXPECT_EQ(negated->FindExpressionItem(item), negated.get());
  EXPECT_EQ(SingleLine(item), "z");

  // A predicate without a left operand is kept whole, never compared with true.
  NodePtr<TSQLExpressionExists> exists(TSQLExpressionExists::Create(&Provider));
  EXPECT_EQ(exists->FindExpressionItem(item), exists.get());
  EXPECT_EQ(item, nullptr);
  EXPECT_EQ(SingleLine(exists.get()), "Exists()");
}

TEST_F(LeftExpressions, LogicalClasses) {
  struct {
    TSQLExpressionItem* Node;
    bool Logical;
  } cases[] = {
      {TSQLExpressionNot::Create(&Provider), true},         {TSQLExpressionIsNull::Create(&Provider), true},
      {TSQLExpressionInSet::Create(&Provider), true},       {TSQLExpressionLikeTemplate::Create(&Provider), true},
      {TSQLExpressionExists::Create(&Provider), true},      {TSQLExpressionOverlaps::Create(&Provider), true},
      {TSQLExpressionOr::Create(&Provider), true},          {TSQLExpressionOperatorBinary::Create(&Provider), false},
      {TSQLExpressionBetween::Create(&Provider), false},    {TSQLExpressionCompWithSubQuery::Create(&Provider), false},
      {TSQLExpressionBrackets::Create(&Provider), false},   {TSQLExpressionColumn::Create(&Provider), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.Node->IsLogical(), c.Logical) << c.Node->ClassName();
    FreeNode(c.Node);
  }
}

}  // namespace
