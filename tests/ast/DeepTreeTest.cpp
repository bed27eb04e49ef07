// Very deep trees are printed, copied, walked and freed without exhausting
// the stack (run under AddressSanitizer, whose frames are larger).

#include <gtest/gtest.h>

#include "AstTestSupport.h"

namespace {

class DeepTrees : public testing::Test {
 protected:
  TTestSyntaxProvider Provider;
  TreeMaker M{&Provider};

  // SELECT <Condition> FROM t
  TSQLSelectStatement* SelectOf(TSQLExpressionItem* Expression) {
    TSQLFromObject* t = M.Table({"t"});
    t->Fields.Add("a");
    return M.Statement({M.Block({M.Item(Expression)}, M.From({t}))});
  }

  void ExerciseEverything(TSQLSelectStatement* Statement, const std::string& Expected) {
    TTestMetadataProvider* metadata = TTestMetadataProvider::Create(nullptr);
    metadata->FieldsBySQL["select * from t"] = {"a"};
    Statement->SimplifyTree();
    Statement->RefreshFieldsListRecursive(metadata);
    TSQLFromSourceScope scope;
    Statement->FixupObjects(scope);
    EXPECT_EQ(SingleLine(Statement), Expected);

    NodePtr<TastNode> copy(Statement->Clone());
    EXPECT_EQ(SingleLine(copy.get()), Expected);

    TObject owner;
    Statement->MoveSubQueryInProxy(&owner, TTestSubQueryProxy::StaticClass());
    auto* block = static_cast<TSQLSubQuerySelectExpression*>(Statement->GetItems(0));
    auto* item = static_cast<TSQLSelectItemExpression*>(block->SelectItems->GetItems(0));
    EXPECT_TRUE(item->Expression->ContainsOnlyItemsWithFromSource(block->FromClause->GetItems(0)));
    Statement->RemoveReferencesToFromSource(block->FromClause->GetItems(0));
    metadata->Free();
  }
};

TEST_F(DeepTrees, LongLeftDeepOperatorChain) {
  const int operands = 100000;
  TSQLExpressionItem* chain = M.Col({"a"});
  std::string expected = "SELECT t.a";
  for (int i = 1; i < operands; ++i) {
    chain = M.Bin(chain, "+", M.Col({"a"}));
    expected += "+t.a";
  }
  NodePtr<TSQLSelectStatement> statement(SelectOf(chain));
  ExerciseEverything(statement.get(), expected + " FROM t");
}

TEST_F(DeepTrees, DeeplyNestedBrackets) {
  const int depth = 1000;
  TSQLExpressionItem* nested = M.Bin(M.Col({"a"}), "+", M.Col({"a"}));
  for (int i = 0; i < depth; ++i) nested = M.Brackets(nested);
  NodePtr<TSQLSelectStatement> statement(SelectOf(nested));
  ExerciseEverything(statement.get(),
                     "SELECT " + std::string(depth, '(') + "t.a+t.a" + std::string(depth, ')') + " FROM t");
}

}  // namespace
