// The text of whole statements: select lists, clauses, joins, unions, on one
// line and on several.

#include <gtest/gtest.h>

#include <functional>

#include "AstTestSupport.h"

namespace {

using Make = std::function<TastNode*(TreeMaker&)>;

template <class Kind>
Kind* Join(TreeMaker& m, bool Outer = false) {
  auto* kind = Kind::Create(m.P);
  if constexpr (std::is_base_of_v<TSQLJoinKindOuter, Kind>) kind->Outer = Outer;
  return kind;
}

// Orders o <kind> Customers c ON o.CustId=c.Id
TSQLFromClause* TwoTables(TreeMaker& m, TSQLJoinKind* Kind, bool WithCondition = true) {
  TSQLFromObject* customers = m.Table({"Customers"}, "c");
  customers->JoinKind = Kind;
  if (WithCondition) customers->JoinCondition = m.Bin(m.Col({"o", "CustId"}), "=", m.Col({"c", "Id"}));
  return m.From({m.Table({"Orders"}, "o"), customers});
}

TSQLSelectItem* Star(TreeMaker& m) { return TSQLSelectItemAllColumns::Create(m.P); }

TSQLSelectItemExpression* Aliased(TreeMaker& m, TSQLAlias* Alias) {
  auto* item = m.Item(m.Col({"a"}));
  Alias->Name = "x";
  item->Alias = Alias;
  return item;
}

TSQLSubQuerySelectExpression* SelectFrom(TreeMaker& m, const char* Column, const char* Table) {
  return m.Block({m.Item(m.Col({Column}))}, m.From({m.Table({Table})}));
}

TSQLOrderByClause* OrderBy(TreeMaker& m, std::initializer_list<std::pair<const char*, TSQLOrderByOrders>> Items) {
  auto* clause = TSQLOrderByClause::Create(m.P);
  for (auto [column, order] : Items) {
    auto* item = TSQLOrderByItem::Create(m.P);
    item->Expression = m.Col({column});
    item->Order = order;
    clause->Add(item);
  }
  return clause;
}

struct StatementCase {
  const char* Name;
  Make Build;
  const char* Single;
  const char* Multi;
};

const StatementCase StatementCases[] = {
    {"empty statement", [](TreeMaker& m) { return m.Statement({m.Block({}, m.From({}))}); }, "SELECT FROM ",
     "SELECT\r\nFROM "},
    {"block without FROM", [](TreeMaker& m) { return m.Block({m.Item(m.Num("1"))}, nullptr); }, "SELECT 1",
     "SELECT 1"},
    {"distinct",
     [](TreeMaker& m) {
       auto* block = SelectFrom(m, "a", "t");
       block->SelectMode = TSQLSubQuerySelectModeDistinct::Create(m.P);
       return block;
     },
     "SELECT DISTINCT a FROM t", "SELECT DISTINCT a\r\nFROM t"},
    {"default select mode prints nothing",
     [](TreeMaker& m) {
       auto* block = SelectFrom(m, "a", "t");
       block->SelectMode = TSQLSubQuerySelectModeDefault::Create(m.P);
       return block;
     },
     "SELECT a FROM t", "SELECT a\r\nFROM t"},
    {"select item forms",
     [](TreeMaker& m) {
       return m.Block({Aliased(m, TSQLAliasObjectAlias::Create(m.P)), Aliased(m, TSQLAliasObjectAsAlias::Create(m.P)),
                       Aliased(m, TSQLAliasAliasEqualsObject::Create(m.P)), Star(m), m.AllOf({"dbo", "t"})},
                      nullptr);
     },
     "SELECT a x, a AS x, x=a, *, dbo.t.*", "SELECT a x, a AS x, x=a, *, dbo.t.*"},
    {"inner join",
     [](TreeMaker& m) { return m.Block({Star(m)}, TwoTables(m, Join<TSQLJoinKindInner>(m))); },
     "SELECT * FROM Orders o INNER JOIN  Customers c ON o.CustId=c.Id",
     "SELECT *\r\nFROM Orders o INNER JOIN\r\n Customers c ON o.CustId=c.Id"},
    {"comma join",
     [](TreeMaker& m) { return m.Block({Star(m)}, TwoTables(m, nullptr, false)); },
     "SELECT * FROM Orders o,  Customers c", "SELECT *\r\nFROM Orders o, \r\n Customers c"},
    {"left join", [](TreeMaker& m) { return TwoTables(m, Join<TSQLJoinKindLeft>(m)); },
     "Orders o LEFT JOIN  Customers c ON o.CustId=c.Id", nullptr},
    {"left outer join", [](TreeMaker& m) { return TwoTables(m, Join<TSQLJoinKindLeft>(m, true)); },
     "Orders o LEFT OUTER JOIN  Customers c ON o.CustId=c.Id", nullptr},
    {"right join", [](TreeMaker& m) { return TwoTables(m, Join<TSQLJoinKindRight>(m)); },
     "Orders o RIGHT JOIN  Customers c ON o.CustId=c.Id", nullptr},
    {"full outer join", [](TreeMaker& m) { return TwoTables(m, Join<TSQLJoinKindFull>(m, true)); },
     "Orders o FULL OUTER JOIN  Customers c ON o.CustId=c.Id", nullptr},
    {"cross join", [](TreeMaker& m) { return TwoTables(m, Join<TSQLJoinKindCross>(m), false); },
     "Orders o CROSS JOIN  Customers c", nullptr},
    {"bracketed join chain",
     [](TreeMaker& m) {
       auto* chain = TSQLFromItem::Create(m.P);
       chain->Add(m.Table({"b"}));
       TSQLFromObject* c = m.Table({"c"});
       c->JoinKind = TSQLJoinKindInner::Create(m.P);
       c->JoinCondition = m.Bin(m.Col({"b", "x"}), "=", m.Col({"c", "x"}));
       chain->Add(c);
       chain->JoinKind = TSQLJoinKindLeft::Create(m.P);
       chain->JoinCondition = m.Bin(m.Col({"a", "y"}), "=", m.Col({"b", "y"}));
       return m.From({m.Table({"a"}), chain});
     },
     "a LEFT JOIN  (b INNER JOIN  c ON b.x=c.x) ON a.y=b.y", nullptr},
    {"derived table stays on one line",
     [](TreeMaker& m) {
       return m.Block({Star(m)}, m.From({m.Derived(m.Statement<TSQLSubSelectStatement>({SelectFrom(m, "a", "t")}), "x")}));
     },
     "SELECT * FROM (SELECT a FROM t) x", "SELECT *\r\nFROM (SELECT a FROM t) x"},
    {"all clauses",
     [](TreeMaker& m) {
       auto* block = SelectFrom(m, "a", "t");
       block->WhereExpression = m.Bin(m.Col({"a"}), "=", m.Num("1"));
       block->GroupBy = TSQLGroupByList::Create(m.P);
       block->GroupBy->Add(m.Col({"a"}));
       block->GroupBy->Add(m.Col({"b"}));
       auto* count = TSQLExpressionAggregate::Create(m.P);
       count->Name = "COUNT";
       block->HavingExpression = m.Bin(count, ">", m.Num("1"));
       block->OrderBy = OrderBy(m, {{"a", obDesc}, {"b", obAsc}});
       return block;
     },
     "SELECT a FROM t WHERE a=1 GROUP BY a, b HAVING COUNT(*)>1 ORDER BY a DESC, b",
     "SELECT a\r\nFROM t\r\nWHERE a=1\r\nGROUP BY a, b\r\nHAVING COUNT(*)>1\r\nORDER BY a DESC, b"},
    {"empty GROUP BY is still written",
     [](TreeMaker& m) {
       auto* block = SelectFrom(m, "a", "t");
       block->GroupBy = TSQLGroupByList::Create(m.P);
       return block;
     },
     "SELECT a FROM t GROUP BY ", nullptr},
    {"union all with statement ORDER BY",
     [](TreeMaker& m) {
       auto* second = SelectFrom(m, "b", "u");
       second->UnionOperator = "UNION";
       second->UnionAll = true;
       auto* statement = m.Statement({SelectFrom(m, "a", "t"), second});
       statement->OrderBy = OrderBy(m, {{"a", obAsc}});
       return statement;
     },
     "SELECT a FROM t UNION ALL SELECT b FROM u ORDER BY a",
     "SELECT a\r\nFROM t\r\nUNION ALL\r\nSELECT b\r\nFROM u\r\nORDER BY a"},
    {"union group in brackets",
     [](TreeMaker& m) {
       auto* group = TSQLSubQueryExpressions::Create(m.P);
       group->UnionOperator = "except";
       group->Add(SelectFrom(m, "b", "u"));
       auto* third = SelectFrom(m, "c", "v");
       third->UnionOperator = "Union";
       group->Add(third);
       return m.Statement({SelectFrom(m, "a", "t"), group});
     },
     "SELECT a FROM t except (SELECT b FROM u Union SELECT c FROM v)", nullptr},
};

class StatementPrint : public testing::TestWithParam<StatementCase> {};

TEST_P(StatementPrint, SingleAndMultiLine) {
  const StatementCase& c = GetParam();
  TTestSyntaxProvider provider;
  TreeMaker m(&provider);
  NodePtr<TastNode> node(c.Build(m));
  EXPECT_EQ(SingleLine(node.get()), c.Single) << c.Name;
  if (c.Multi) {
    EXPECT_EQ(MultiLine(node.get()), c.Multi) << c.Name;
  }
}

INSTANTIATE_TEST_SUITE_P(Statements, StatementPrint, testing::ValuesIn(StatementCases));

TEST(JoinKinds, OuterSides) {
  TTestSyntaxProvider provider;
  struct {
    TSQLJoinKind* Kind;
    bool Left, Right;
  } cases[] = {{TSQLJoinKindCross::Create(&provider), false, false},
               {TSQLJoinKindInner::Create(&provider), false, false},
               {TSQLJoinKindLeft::Create(&provider), true, false},
               {TSQLJoinKindRight::Create(&provider), false, true},
               {TSQLJoinKindFull::Create(&provider), true, true}};
  for (auto& c : cases) {
    EXPECT_EQ(c.Kind->IsLeftOuter(), c.Left) << c.Kind->ClassName();
    EXPECT_EQ(c.Kind->IsRightOuter(), c.Right) << c.Kind->ClassName();
    FreeNode(c.Kind);
  }
}

TEST(UnionOperator, SimpleText) {
  TTestSyntaxProvider provider;
  NodePtr<TSQLSubQuerySelectExpression> block(TSQLSubQuerySelectExpression::Create(&provider));
  EXPECT_EQ(block->GetSimpleUnionOperator(), "union");
  block->UnionOperator = "INTERSECT";
  block->UnionAll = true;
  EXPECT_EQ(block->GetSimpleUnionOperator(), "INTERSECT ALL");
}

}  // namespace
