// Double negation, De Morgan and flattening of conditions, and the brackets
// that keep an OR inside an AND and a collection under NOT meaning what it did.

#include <gtest/gtest.h>

#include "LogicTestSupport.h"

namespace {

struct SimplifyCase {
  const char* Condition;
  const char* Simplified;
};

void PrintTo(const SimplifyCase& Case, std::ostream* Out) { *Out << Case.Condition; }

class SimplifyText : public ::testing::TestWithParam<SimplifyCase> {};

TEST_P(SimplifyText, PrintsAsExpected) {
  NodePtr<TSQLExpressionItem> simplified(SimplifyLogicalExpression(ParseCondition(GetParam().Condition).release()));
  EXPECT_EQ(Text(simplified.get()), GetParam().Simplified);
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, SimplifyText,
    ::testing::Values(
        // double negation, keeping the operand's own brackets
        SimplifyCase{"NOT (NOT (a=1))", "(a=1)"}, SimplifyCase{"NOT NOT NOT a = 1", "Not a=1"},
        SimplifyCase{"(NOT (NOT a = 1))", "a=1"},
        // De Morgan, and the double negations it leaves behind
        SimplifyCase{"NOT (a=1 AND b=2)", "Not a=1 Or Not b=2"},
        SimplifyCase{"NOT (NOT a=1 OR NOT b=2)", "a=1 And b=2"},
        SimplifyCase{"(NOT (a=1 AND b=2))", "Not a=1 Or Not b=2"},
        // merging what De Morgan makes into the enclosing collection
        SimplifyCase{"NOT (a=1 OR b=2) AND c=3", "Not a=1 And Not b=2 And c=3"},
        // an OR made inside an AND is bracketed
        SimplifyCase{"NOT (a = 1 AND b = 2) AND c = 3", "(Not a=1 Or Not b=2) And c=3"},
        SimplifyCase{"a.x = b.x AND NOT (b.y = 1 AND b.z = 2)", "a.x=b.x And (Not b.y=1 Or Not b.z=2)"},
        SimplifyCase{"NOT (a=1 OR b=2 AND c=3)", "Not a=1 And (Not b=2 Or Not c=3)"},
        // nothing to do: parsed trees print as before
        SimplifyCase{"a=1 AND (b=2 OR c=3)", "a=1 And (b=2 Or c=3)"},
        SimplifyCase{"a=1 OR b=2 AND c=3", "a=1 Or b=2 And c=3"},
        SimplifyCase{"(a=1 AND NOT (b=2 AND c=3))", "(a=1 And Not (b=2 And c=3))"},
        SimplifyCase{"NOT EXISTS (SELECT 1 FROM t)", "Not Exists(SELECT 1 FROM t)"}));

TEST(SimplifyLogicalExpression, ReturnsAConditionWithoutNotOrCollectionItself) {
  for (const char* text : {"a=1", "(a=1)", "EXISTS (SELECT 1 FROM t)", "a IS NULL"}) {
    TSQLExpressionItem* condition = ParseCondition(text).release();
    NodePtr<TSQLExpressionItem> simplified(SimplifyLogicalExpression(condition));
    EXPECT_EQ(simplified.get(), condition) << text;
  }
  EXPECT_EQ(SimplifyLogicalExpression(nullptr), nullptr);
  EXPECT_EQ(PrepareLogicalExpressionForLoading(nullptr), nullptr);
}

TEST(SimplifyLogicalExpression, KeepsABracketedCollectionAsOneItem) {
  NodePtr<TSQLExpressionItem> condition = ParseCondition("a=1 AND (b=2 AND c=3) AND (d=4 OR e=5)");
  TSQLExpressionItem* original = condition.get();
  NodePtr<TSQLExpressionItem> simplified(SimplifyLogicalExpression(condition.release()));
  ASSERT_EQ(simplified.get(), original);
  EXPECT_EQ(static_cast<TSQLExpressionAnd*>(simplified.get())->GetCount(), 3);
}

class SimplifyTree : public ::testing::Test {
 protected:
  TastSyntaxProvider* P = SQL92();

  TSQLExpressionItem* Comparison(const char* Text) { return ParseCondition(Text).release(); }
  template <class TCollection>
  TCollection* Collection(std::initializer_list<TSQLExpressionItem*> Items) {
    auto* collection = TCollection::Create(P);
    for (TSQLExpressionItem* item : Items) collection->Add(item);
    return collection;
  }
};

TEST_F(SimplifyTree, MergesUnbracketedCollectionsOfTheSameClassInOrder) {
  auto* inner = Collection<TSQLExpressionAnd>({Comparison("b=2"), Comparison("c=3")});
  auto* innerOr = Collection<TSQLExpressionOr>({Comparison("e=5"), Comparison("f=6")});
  auto* deepOr = Collection<TSQLExpressionOr>({Comparison("g=7"), innerOr});
  NodePtr<TSQLExpressionItem> simplified(SimplifyLogicalExpression(
      Collection<TSQLExpressionAnd>({Comparison("a=1"), inner, Comparison("d=4"), deepOr})));
  auto* result = dynamic_cast<TSQLExpressionAnd*>(simplified.get());
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->GetCount(), 5);
  EXPECT_EQ(Text(result), "a=1 And b=2 And c=3 And d=4 And (g=7 Or e=5 Or f=6)");
  auto* bracketed = dynamic_cast<TSQLExpressionBrackets*>(result->GetItems(4));
  ASSERT_NE(bracketed, nullptr);
  EXPECT_EQ(static_cast<TSQLExpressionOr*>(bracketed->Expression)->GetCount(), 3);
}

TEST_F(SimplifyTree, DropsItemsThatVanishAndReturnsNullWhenNoneIsLeft) {
  auto* negations = TSQLExpressionNot::Create(P, TSQLExpressionNot::Create(P));
  NodePtr<TSQLExpressionItem> partly(SimplifyLogicalExpression(Collection<TSQLExpressionOr>(
      {Collection<TSQLExpressionAnd>({}), Comparison("a=1"), negations, nullptr})));
  EXPECT_EQ(Text(partly.get()), "a=1");
  EXPECT_EQ(SimplifyLogicalExpression(Collection<TSQLExpressionAnd>(
                {Collection<TSQLExpressionOr>({}), Collection<TSQLExpressionAnd>({nullptr})})),
            nullptr);
  EXPECT_EQ(SimplifyLogicalExpression(TSQLExpressionNot::Create(P, TSQLExpressionNot::Create(P))), nullptr);
}

TEST_F(SimplifyTree, BracketsACollectionPutUnderNot) {
  // The tree means NOT (a=1 OR b=2 AND c=3); unbracketed it would print as
  // Not a=1 Or b=2 And c=3, which reads back differently.
  auto* orOfAnd = Collection<TSQLExpressionOr>(
      {Comparison("a=1"), Collection<TSQLExpressionAnd>({Comparison("b=2"), Comparison("c=3")})});
  NodePtr<TSQLExpressionItem> simplified(SimplifyLogicalExpression(TSQLExpressionNot::Create(P, orOfAnd)));
  EXPECT_EQ(Text(simplified.get()), "Not a=1 And (Not b=2 Or Not c=3)");
}

TEST_F(SimplifyTree, TakeItemsFromMovesItemsAndBracketsCollectionsItNegates) {
  NodePtr<TSQLExpressionAnd> target(Collection<TSQLExpressionAnd>({Comparison("x=0")}));
  NodePtr<TSQLExpressionOr> source(Collection<TSQLExpressionOr>(
      {Comparison("a=1"), Collection<TSQLExpressionAnd>({Comparison("b=2"), Comparison("c=3")})}));
  target->TakeItemsFrom(source.get(), true);
  EXPECT_EQ(source->GetCount(), 0);
  EXPECT_EQ(Text(target.get()), "x=0 And Not a=1 And Not (b=2 And c=3)");

  NodePtr<TSQLExpressionOr> plain(Collection<TSQLExpressionOr>({Comparison("d=4"), Comparison("e=5")}));
  target->TakeItemsFrom(plain.get(), false);
  EXPECT_EQ(plain->GetCount(), 0);
  EXPECT_EQ(Text(target.get()), "x=0 And Not a=1 And Not (b=2 And c=3) And d=4 And e=5");

  target->TakeItemsFrom(target.get(), true);
  EXPECT_EQ(target->GetCount(), 5);
}

// An extender with state, to see that De Morgan's new collection takes it over.
class TCollectionMark : public TastExtender {
  VNAST_NODE(TCollectionMark, TastExtender)
  std::string Mark;

  void Assign(const TPersistent* Source) override {
    TastExtender::Assign(Source);
    if (const auto* source = dynamic_cast<const TCollectionMark*>(Source)) Mark = source->Mark;
  }
};

TEST(SimplifyLogicalExpression, DeMorganKeepsTheCollectionExtenderState) {
  TastSQL92SyntaxProvider provider;
  provider.RegisterExtender(TSQLExpressionLogicalCollection::StaticClass(), TCollectionMark::StaticClass());
  NodePtr<TSQLExpressionItem> condition(provider.ParseLogicalExpression("NOT (a=1 AND b=2)", true));
  TSQLExpressionItem* collection = CoreOfExpression(static_cast<TSQLExpressionNot*>(condition.get())->Expression);
  static_cast<TCollectionMark*>(collection->Extender)->Mark = "kept";
  NodePtr<TSQLExpressionItem> simplified(SimplifyLogicalExpression(condition.release()));
  ASSERT_TRUE(Is<TSQLExpressionOr>(simplified.get()));
  EXPECT_EQ(static_cast<TCollectionMark*>(simplified->Extender)->Mark, "kept");
}

}  // namespace
