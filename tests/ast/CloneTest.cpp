// Copies print like their originals and stand alone; join kinds are shared by
// count; sub-queries handed to the model print and copy through the proxy.

#include <gtest/gtest.h>

#include "AstTestSupport.h"

namespace {

class Copies : public testing::Test {
 protected:
  TTestSyntaxProvider Provider;
  TreeMaker M{&Provider};

  // SELECT DISTINCT o.Name, CASE o.k WHEN 1 THEN 2 END, x.a FROM Orders o
  //   LEFT OUTER JOIN (SELECT a FROM t) x ON o.Id=x.a
  //   WHERE Exists(SELECT y.b FROM u y WHERE y.b=o.Id) ORDER BY 1
  TSQLSelectStatement* Sample(TSQLFromObject** Orders = nullptr) {
    TSQLFromObject* orders = M.Table({"Orders"}, "o");
    auto* derived = M.Derived(M.Statement<TSQLSubSelectStatement>({M.Block({M.Item(M.Col({"a"}))},
                                                                           M.From({M.Table({"t"})}))}),
                              "x");
    auto* left = TSQLJoinKindLeft::Create(&Provider);
    left->Outer = true;
    derived->JoinKind = left;
    derived->JoinCondition = M.Bin(M.Col({"o", "Id"}), "=", M.Col({"x", "a"}));
    auto* kase = TSQLExpressionCaseFunction::Create(&Provider);
    kase->CaseExpression = M.Col({"o", "k"});
    auto* when = TSQLCaseFunctionItem::Create(&Provider);
    when->WhenExpression = M.Num("1");
    when->ThenExpression = M.Num("2");
    kase->Add(when);
    auto* exists = TSQLExpressionExists::Create(&Provider);
    exists->SubQuery = M.Statement<TSQLSubSelectStatement>({M.Block(
        {M.Item(M.Col({"y", "b"}))}, M.From({M.Table({"u"}, "y")}), M.Bin(M.Col({"y", "b"}), "=", M.Col({"o", "Id"})))});
    auto* block = M.Block({M.Item(M.Col({"o", "Name"})), M.Item(kase), M.Item(M.Col({"x", "a"}))},
                          M.From({orders, derived}), exists);
    block->SelectMode = TSQLSubQuerySelectModeDistinct::Create(&Provider);
    auto* statement = M.Statement({block});
    statement->OrderBy = TSQLOrderByClause::Create(&Provider);
    auto* order = TSQLOrderByItem::Create(&Provider);
    order->Expression = M.Num("1");
    statement->OrderBy->Add(order);
    TSQLFromSourceScope scope;
    statement->FixupObjects(scope);
    if (Orders) *Orders = orders;
    return statement;
  }
};

TEST_F(Copies, CopyPrintsLikeTheOriginalAfterTheOriginalIsFreed) {
  TSQLFromObject* orders = nullptr;
  TSQLSelectStatement* original = Sample(&orders);
  orders->Alias->Name = "ord";
  const std::string single = SingleLine(original);
  const std::string multi = MultiLine(original);
  EXPECT_EQ(single,
            "SELECT DISTINCT ord.Name, CASE ord.k WHEN 1 THEN 2 END, x.a FROM Orders ord LEFT OUTER JOIN  (SELECT a "
            "FROM t) x ON ord.Id=x.a WHERE Exists(SELECT y.b FROM u y WHERE y.b=ord.Id) ORDER BY 1");
  NodePtr<TastNode> copy(original->Clone());
  EXPECT_EQ(copy->ClassType(), TSQLSelectStatement::StaticClass());
  FreeNode(original);
  EXPECT_EQ(SingleLine(copy.get()), single);
  EXPECT_EQ(MultiLine(copy.get()), multi);

  // The copy's names follow the copy's own sources.
  auto* block = static_cast<TSQLSubQuerySelectExpression*>(static_cast<TSQLSelectStatement*>(copy.get())->GetItems(0));
  static_cast<TSQLFromObject*>(block->FromClause->GetItems(0))->Alias->Name = "z";
  EXPECT_EQ(SingleLine(block->WhereExpression), "Exists(SELECT y.b FROM u y WHERE y.b=z.Id)");
}

// A copied sub-statement keeps no reference to sources outside itself; a
// copied expression keeps them, since it is used within its own tree.
TEST_F(Copies, ReferencesLeavingTheCopy) {
  TSQLFromObject* orders = nullptr;
  NodePtr<TSQLSelectStatement> original(Sample(&orders));
  auto* block = static_cast<TSQLSubQuerySelectExpression*>(original->GetItems(0));
  auto* exists = static_cast<TSQLExpressionExists*>(block->WhereExpression);
  orders->Alias->Name = "ord";

  NodePtr<TastNode> statementCopy(exists->SubQuery->Clone());
  EXPECT_EQ(SingleLine(statementCopy.get()), "SELECT y.b FROM u y WHERE y.b=o.Id");

  NodePtr<TastNode> expressionCopy(exists->Clone());
  EXPECT_EQ(SingleLine(expressionCopy.get()), "Exists(SELECT y.b FROM u y WHERE y.b=ord.Id)");
}

// A tree assembled from copies of template pieces refers to the templates;
// made independent, it refers to its own sources that show the same object.
TEST_F(Copies, ReferencesFollowTheModelObjectTheSourceShows) {
  int datasource = 0;
  NodePtr<TSQLFromObject> templateSource(M.Table({"Orders"}, "o"));
  templateSource->Data = &datasource;
  NodePtr<TSQLFromObject> unrelated(M.Table({"Items"}, "i"));
  auto* item = M.Item(M.Col({"o", "Name"}));
  auto* other = M.Item(M.Col({"i", "Id"}));
  TSQLFromSourceScope scope;
  scope.OpenLevel({templateSource.get(), unrelated.get()});
  item->FixupObjects(scope);
  other->FixupObjects(scope);
  scope.CloseLevel();

  auto* fromCopy = static_cast<TSQLFromSource*>(templateSource->Clone());
  NodePtr<TSQLSelectStatement> assembled(M.Statement({M.Block({item, other}, M.From({fromCopy}))}));
  templateSource->Alias->Name = "t";
  EXPECT_EQ(SingleLine(assembled.get()), "SELECT t.Name, i.Id FROM Orders o");

  NodePtr<TastNode> copy(assembled->Clone());
  BindReferencesWithin(assembled.get());
  templateSource.reset();
  unrelated.reset();
  EXPECT_EQ(SingleLine(assembled.get()), "SELECT o.Name, i.Id FROM Orders o");
  EXPECT_EQ(SingleLine(copy.get()), "SELECT o.Name, i.Id FROM Orders o");
  fromCopy->Alias->Name = "x";
  EXPECT_EQ(SingleLine(assembled.get()), "SELECT x.Name, i.Id FROM Orders x");
}

TEST_F(Copies, JoinKindsAreSharedByCount) {
  NodePtr<TSQLFromObject> source(M.Table({"c"}));
  source->JoinKind = TSQLJoinKindInner::Create(&Provider);
  TSQLJoinKind* kind = source->JoinKind;
  EXPECT_EQ(kind->GetRefCount(), 1);
  {
    NodePtr<TastNode> copy(source->Clone());
    EXPECT_EQ(static_cast<TSQLFromSource*>(copy.get())->JoinKind.get(), kind);
    EXPECT_EQ(kind->GetRefCount(), 2);
  }
  EXPECT_EQ(kind->GetRefCount(), 1);
  EXPECT_EQ(SingleLine(kind), "INNER JOIN");

  // A holder outside the tree keeps the kind alive after the tree is gone.
  TSQLJoinKindRef held = kind;
  source.reset();
  EXPECT_EQ(held->GetRefCount(), 1);
  EXPECT_EQ(SingleLine(held), "INNER JOIN");
}

TEST_F(Copies, ProxiesPrintAndCopyTheModelsSubQuery) {
  NodePtr<TSQLSelectStatement> tree(Sample());
  const std::string before = SingleLine(tree.get());
  TObject owner;
  tree->MoveSubQueryInProxy(&owner, TTestSubQueryProxy::StaticClass());

  auto* block = static_cast<TSQLSubQuerySelectExpression*>(tree->GetItems(0));
  auto* exists = static_cast<TSQLExpressionExists*>(block->WhereExpression);
  auto* derived = static_cast<TSQLFromQuery*>(block->FromClause->GetItems(1));
  for (TSQLSubSelectStatement* subQuery : {exists->SubQuery, derived->SubQuery}) {
    auto* proxy = dynamic_cast<TTestSubQueryProxy*>(subQuery);
    ASSERT_NE(proxy, nullptr);
    EXPECT_EQ(proxy->Owner, &owner);
    TastChildList children;
    proxy->GetMyChildren(children);
    EXPECT_TRUE(children.empty());
  }
  EXPECT_EQ(SingleLine(tree.get()), before);

  struct {
    const char* Message;
    void (*Call)(TSQLSubSelectStatement*);
  } refusals[] = {
      {"GetCount can't be called with TSQLSubSelectStatementProxy", [](TSQLSubSelectStatement* p) { p->GetCount(); }},
      {"GetItems can't be called with TSQLSubSelectStatementProxy", [](TSQLSubSelectStatement* p) { p->GetItems(0); }},
      {"Add can't be called with TSQLSubSelectStatementProxy", [](TSQLSubSelectStatement* p) { p->Add(nullptr); }},
      {"Clear can't be called with TSQLSubSelectStatementProxy", [](TSQLSubSelectStatement* p) { p->Clear(); }},
      {"Delete can't be called with TSQLSubSelectStatementProxy", [](TSQLSubSelectStatement* p) { p->Delete(0); }},
      {"Extract can't be called with TSQLSubSelectStatementProxy", [](TSQLSubSelectStatement* p) { p->Extract(0); }},
      {"Remove can't be called with TSQLSubSelectStatementProxy", [](TSQLSubSelectStatement* p) { p->Remove(nullptr); }},
      {"Assign can't be called with TSQLSubSelectStatementProxy", [](TSQLSubSelectStatement* p) { p->Assign(p); }},
  };
  for (const auto& r : refusals) {
    try {
      r.Call(exists->SubQuery);
      ADD_FAILURE() << r.Message;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), r.Message);
    }
  }

  // Copying a tree that holds proxies gives ordinary statements.
  NodePtr<TastNode> copy(tree->Clone());
  auto* copiedBlock = static_cast<TSQLSubQuerySelectExpression*>(static_cast<TSQLSelectStatement*>(copy.get())->GetItems(0));
  auto* copiedExists = static_cast<TSQLExpressionExists*>(copiedBlock->WhereExpression);
  EXPECT_EQ(copiedExists->SubQuery->ClassType(), TSQLSubSelectStatement::StaticClass());
  EXPECT_EQ(SingleLine(copy.get()), before);
}

TEST_F(Copies, ListNodeOperations) {
  NodePtr<TSQLExpressionsList> list(TSQLExpressionsList::Create(&Provider));
  EXPECT_EQ(SingleLine(list.get()), "");
  list->Add(M.Num("1"));
  EXPECT_EQ(SingleLine(list.get()), "1");
  list->SetCount(3);
  EXPECT_EQ(list->GetCount(), 3);
  EXPECT_EQ(list->TastNodeWithList::GetItems(2), nullptr);
  list->SetItems(1, M.Num("2"));
  list->SetItems(2, M.Num("3"));
  EXPECT_EQ(SingleLine(list.get()), "1, 2, 3");
  TastNode* two = list->TastNodeWithList::GetItems(1);
  NodePtr<TastNode> extracted(list->Extract(two));
  EXPECT_EQ(list->Remove(extracted.get()), -1);
  EXPECT_EQ(SingleLine(list.get()), "1, 3");
  list->SetCount(1);
  EXPECT_EQ(SingleLine(list.get()), "1");
  EXPECT_THROW(list->GetItems(1), EListError);
  EXPECT_THROW(list->Delete(-1), EListError);
  EXPECT_EQ(list->Remove(list->TastNodeWithList::GetItems(0)), 0);
  EXPECT_EQ(list->GetCount(), 0);
}

}  // namespace
