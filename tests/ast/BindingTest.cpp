// Name binding: columns and object names print through the FROM source they
// bind to; inner scopes win; one-part names need a known field list.

#include <gtest/gtest.h>

#include "AstTestSupport.h"

namespace {

class Binding : public testing::Test {
 protected:
  TTestSyntaxProvider Provider;
  TreeMaker M{&Provider};

  void Bind(TastNode* Root) {
    TSQLFromSourceScope scope;
    Root->FixupObjects(scope);
    EXPECT_EQ(scope.GetCount(), 0u);
  }

  TSQLSubSelectStatement* Sub(TSQLSubQuerySelectExpression* Block) {
    return M.Statement<TSQLSubSelectStatement>({Block});
  }

  static void SetFields(TSQLFromSource* Source, std::initializer_list<const char*> Fields) {
    Source->Fields.Clear();
    for (const char* field : Fields) Source->Fields.Add(field);
  }
};

TEST_F(Binding, ColumnFollowsTheAliasOfItsSource) {
  TSQLFromObject* orders = M.Table({"Orders"}, "o");
  NodePtr<TSQLSelectStatement> s(M.Statement({M.Block({M.Item(M.Col({"o", "Name"}))}, M.From({orders}))}));
  Bind(s.get());
  orders->Alias->Name = "x";
  EXPECT_EQ(SingleLine(s.get()), "SELECT x.Name FROM Orders x");
}

TEST_F(Binding, OnePartColumnsThroughFieldLists) {
  struct {
    std::initializer_list<const char*> Fields;
    const char* Expected;
  } cases[] = {{{"Id", "NAME"}, "SELECT Orders.Name FROM Orders"}, {{"Id"}, "SELECT Name FROM Orders"}};
  for (const auto& c : cases) {
    TSQLFromObject* orders = M.Table({"Orders"});
    SetFields(orders, c.Fields);
    NodePtr<TSQLSelectStatement> s(M.Statement({M.Block({M.Item(M.Col({"Name"}))}, M.From({orders}))}));
    Bind(s.get());
    EXPECT_EQ(SingleLine(s.get()), c.Expected);
  }
}

TEST_F(Binding, UnaliasedTablesPrintTheirFullName) {
  NodePtr<TSQLSelectStatement> s(M.Statement({M.Block(
      {M.Item(M.Col({"Orders", "Id"})), M.AllOf({"orders"}), M.AllOf({"q"})},
      M.From({M.Table({"dbo", "Orders"}), M.Table({"Items"}, "q")}))}));
  Bind(s.get());
  EXPECT_EQ(SingleLine(s.get()), "SELECT dbo.Orders.Id, dbo.Orders.*, q.* FROM dbo.Orders,  Items q");
}

// SELECT * FROM t a WHERE EXISTS(SELECT a.x, y.* FROM u a, v y): the inner
// names bind to the inner sources.
TEST_F(Binding, InnerScopeWins) {
  TSQLFromObject* outer = M.Table({"t"}, "a");
  TSQLFromObject* inner = M.Table({"u"}, "a");
  TSQLFromObject* innerY = M.Table({"v"}, "y");
  auto* exists = TSQLExpressionExists::Create(&Provider);
  exists->SubQuery = Sub(M.Block({M.Item(M.Col({"a", "x"})), M.AllOf({"y"})}, M.From({inner, innerY})));
  NodePtr<TSQLSelectStatement> s(
      M.Statement({M.Block({TSQLSelectItemAllColumns::Create(&Provider)}, M.From({outer}), exists)}));
  Bind(s.get());
  inner->Alias->Name = "b";
  outer->Alias->Name = "z";
  EXPECT_EQ(SingleLine(s.get()), "SELECT * FROM t z WHERE Exists(SELECT b.x, y.* FROM u b,  v y)");
}

// SELECT * FROM t, (SELECT t.* FROM t) q: the inner t.* names the inner t.
TEST_F(Binding, BareObjectNameBindsToTheInnermostSource) {
  TSQLFromObject* outer = M.Table({"t"});
  TSQLFromObject* inner = M.Table({"t"});
  TSQLSelectItemAllTableColumns* item = M.AllOf({"t"});
  NodePtr<TSQLSelectStatement> s(M.Statement({M.Block(
      {TSQLSelectItemAllColumns::Create(&Provider)},
      M.From({outer, M.Derived(Sub(M.Block({item}, M.From({inner}))), "q")}))}));
  Bind(s.get());
  EXPECT_EQ(item->Table->ReferencedSource, inner);
  outer->Alias = TSQLAliasObjectAlias::Create(&Provider);
  outer->Alias->Name = "x";
  EXPECT_EQ(SingleLine(s.get()), "SELECT * FROM t x,  (SELECT t.* FROM t) q");

  // A binding that no longer matches is dropped, not kept.
  TSQLFromSourceScope empty;
  item->FixupObjects(empty);
  EXPECT_EQ(item->Table->ReferencedSource, nullptr);
}

// SELECT * FROM a WHERE x IN (SELECT x FROM b), with x known in a.
TEST_F(Binding, OnePartNameStopsAtAnUnknownFieldList) {
  struct {
    const char* Name;
    std::initializer_list<const char*> InnerFields;
    bool InnerIncomplete;
    const char* Expected;
  } cases[] = {
      {"inner list empty", {}, false, "SELECT * FROM a WHERE a.x IN (SELECT x FROM b)"},
      {"inner list incomplete", {"y"}, true, "SELECT * FROM a WHERE a.x IN (SELECT x FROM b)"},
      {"inner list known without x", {"y"}, false, "SELECT * FROM a WHERE a.x IN (SELECT a.x FROM b)"},
      {"inner list has x", {"x"}, false, "SELECT * FROM a WHERE a.x IN (SELECT b.x FROM b)"},
  };
  for (const auto& c : cases) {
    TSQLFromObject* a = M.Table({"a"});
    TSQLFromObject* b = M.Table({"b"});
    SetFields(a, {"x"});
    SetFields(b, c.InnerFields);
    b->FieldsIncomplete = c.InnerIncomplete;
    auto* in = TSQLExpressionInSubQuery::Create(&Provider, M.Col({"x"}));
    in->SubQuery = Sub(M.Block({M.Item(M.Col({"x"}))}, M.From({b})));
    NodePtr<TSQLSelectStatement> s(
        M.Statement({M.Block({TSQLSelectItemAllColumns::Create(&Provider)}, M.From({a}), in)}));
    Bind(s.get());
    EXPECT_EQ(SingleLine(s.get()), c.Expected) << c.Name;
  }
}

TEST_F(Binding, StatementOrderByStaysUnbound) {
  TSQLFromObject* t = M.Table({"t"}, "q");
  SetFields(t, {"a"});
  NodePtr<TSQLSelectStatement> s(M.Statement({M.Block({M.Item(M.Col({"a"}))}, M.From({t}))}));
  s->OrderBy = TSQLOrderByClause::Create(&Provider);
  auto* item = TSQLOrderByItem::Create(&Provider);
  item->Expression = M.Col({"a"});
  s->OrderBy->Add(item);
  Bind(s.get());
  EXPECT_EQ(SingleLine(s.get()), "SELECT q.a FROM t q ORDER BY a");
}

// a.x=b.y And b.w=b.v And b.u=2, with b deleted: only b.w=b.v goes; the
// remaining references to b print as written.
TEST_F(Binding, RemoveReferencesToFromSource) {
  TSQLFromObject* a = M.Table({"ta"}, "a");
  TSQLFromObject* b = M.Table({"tb"}, "b");
  auto* where = M.And({M.Bin(M.Col({"a", "x"}), "=", M.Col({"b", "y"})), M.Bin(M.Col({"b", "w"}), "=", M.Col({"b", "v"})),
                       M.Bin(M.Col({"b", "u"}), "=", M.Num("2"))});
  NodePtr<TSQLSelectStatement> s(
      M.Statement({M.Block({TSQLSelectItemAllColumns::Create(&Provider)}, M.From({a, b}), where)}));
  Bind(s.get());
  b->Alias->Name = "bb";
  s->RemoveReferencesToFromSource(b);
  EXPECT_EQ(SingleLine(where), "a.x=b.y And b.u=2");
}

TEST_F(Binding, ContainsOnlyItemsWithFromSource) {
  TSQLFromObject* a = M.Table({"ta"}, "a");
  auto* between = TSQLExpressionBetween::Create(&Provider, M.Col({"a", "x"}));
  between->LowExpression = M.Num("1");
  between->HighExpression = M.Num("5");
  auto* compare = M.Bin(M.Col({"a", "x"}), "=", M.Num("5"));
  auto* sum = M.Bin(M.Col({"a", "x"}), "+", M.Col({"a", "y"}));
  auto* list = TSQLExpressionsList::Create(&Provider);
  list->Add(M.Col({"a", "z"}));
  auto* aggregate = TSQLExpressionAggregateWParams::Create(&Provider);
  aggregate->Name = "F";
  aggregate->Params = list;
  NodePtr<TSQLSelectStatement> s(M.Statement({M.Block(
      {M.Item(between), M.Item(compare), M.Item(sum), M.Item(aggregate)}, M.From({a}))}));
  Bind(s.get());
  EXPECT_TRUE(between->ContainsOnlyItemsWithFromSource(a));
  EXPECT_FALSE(compare->ContainsOnlyItemsWithFromSource(a));
  EXPECT_TRUE(sum->ContainsOnlyItemsWithFromSource(a));
  EXPECT_TRUE(aggregate->ContainsOnlyItemsWithFromSource(a));
  EXPECT_FALSE(sum->ContainsOnlyItemsWithFromSource(nullptr));
}

}  // namespace
