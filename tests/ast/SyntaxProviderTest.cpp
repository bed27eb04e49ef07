// Name comparison, union operators, comparison operators and FROM-object
// construction of the syntax provider base.

#include <gtest/gtest.h>

#include "AstTestSupport.h"
#include "platform/core/StringList.h"

namespace {

class SyntaxProviderBase : public testing::Test {
 protected:
  TTestSyntaxProvider Provider;
  TreeMaker M{&Provider};
};

TEST_F(SyntaxProviderBase, ObjectNamesEqual) {
  struct {
    std::initializer_list<std::string> A, B;
    bool Equal;
  } cases[] = {
      {{"\"Orders\""}, {"\"ORDERS\""}, true},
      {{"\"Orders\""}, {"ORDERS"}, true},
      {{"dbo", "Orders"}, {"sales", "Orders"}, true},
      {{"Orders"}, {"Order"}, false},
      {{"\"Order s\""}, {"Order s"}, true},
  };
  for (const auto& c : cases) {
    NodePtr<TSQLDatabaseObject> a(M.Name(c.A)), b(M.Name(c.B));
    EXPECT_EQ(Provider.IsDBObjectNamesEqual(a.get(), b.get()), c.Equal)
        << a->GetQualifiedName() << " / " << b->GetQualifiedName();
  }
}

TEST_F(SyntaxProviderBase, ColumnOfObject) {
  NodePtr<TSQLDatabaseObject> o(M.Name({"O"}));
  NodePtr<TSQLExpressionColumn> qualified(M.Col({"o", "id"})), bare(M.Col({"id"}));
  EXPECT_TRUE(Provider.IsColumnOfDBObject(qualified->Column, o.get()));
  EXPECT_FALSE(Provider.IsColumnOfDBObject(bare->Column, o.get()));
}

TEST_F(SyntaxProviderBase, QualifiedNameParts) {
  NodePtr<TSQLDatabaseObject> name(M.Name({"a", "b", "c"}));
  EXPECT_EQ(name->GetObjName(), "c");
  EXPECT_EQ(name->GetNames(2), "a");
  EXPECT_EQ(name->GetPrefix(0), "a.b.c");
  EXPECT_EQ(name->GetPrefix(1), "a.b");
  EXPECT_EQ(name->GetPrefix(2), "a");
  EXPECT_EQ(name->GetPrefix(3), "");
  EXPECT_EQ(name->GetQualifiedName(), "a.b.c");
  name->AddPrefix("srv");
  EXPECT_EQ(name->GetQualifiedName(), "srv.a.b.c");
  NodePtr<TSQLDatabaseObject> empty(M.Name({}));
  EXPECT_THROW(empty->GetObjName(), EListError);
  EXPECT_THROW(empty->GetQualifiedName(), EListError);
  EXPECT_EQ(empty->GetPrefix(0), "");
}

TEST_F(SyntaxProviderBase, UnionOperators) {
  struct {
    const char* Operator;
    const char* Normalized;
    const char* Icon;  // null: none
  } cases[] = {
      {"UNION ALL", "Union All", "VNQB_UNIONALL"}, {"union all", "Union All", "VNQB_UNIONALL"},
      {"Except", "except", "VNQB_EXCEPT"},         {"UNION  ALL", "union  all", nullptr},
      {"intersect all", "intersect all", "VNQB_INTERSECTALL"}, {"minus", "minus", nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Provider.NormalizeUnionOperator(c.Operator), c.Normalized) << c.Operator;
    const TUnionOperatorBitmap* icon = Provider.GetUnionOperatorIcon(c.Operator);
    if (c.Icon) {
      ASSERT_NE(icon, nullptr) << c.Operator;
      EXPECT_EQ(icon->GetResourceName(), c.Icon);
    } else {
      EXPECT_EQ(icon, nullptr) << c.Operator;
    }
  }
}

TEST_F(SyntaxProviderBase, UnionOperatorIconsAreShared) {
  EXPECT_EQ(Provider.GetUnionOperatorIcon("UNION ALL"), Provider.GetUnionOperatorIcon("union all"));
  EXPECT_NE(Provider.GetUnionOperatorIcon("UNION"), Provider.GetUnionOperatorIcon("UNION ALL"));
}

TEST_F(SyntaxProviderBase, ComparisonOperatorsReplaceTheList) {
  TStringList list;
  list.Add("stale");
  Provider.GetComparisonOperators(&list);
  EXPECT_EQ(list.Text(), "=\r\n>\r\n>=\r\n<\r\n<=\r\n<>\r\n");
}

TEST_F(SyntaxProviderBase, CreateSQLFromObject) {
  NodePtr<TSQLFromObject> plain(Provider.CreateSQLFromObject("dbo.Orders", ""));
  EXPECT_EQ(plain->DatabaseObject->GetCount(), 1);
  EXPECT_EQ(plain->DatabaseObject->GetObjName(), "dbo.Orders");
  EXPECT_EQ(plain->Alias, nullptr);
  EXPECT_EQ(SingleLine(plain.get()), "\"dbo.Orders\"");

  NodePtr<TSQLFromObject> aliased(Provider.CreateSQLFromObject("Orders", "o"));
  EXPECT_EQ(aliased->Alias->ClassType(), TSQLAliasObjectAlias::StaticClass());
  EXPECT_EQ(SingleLine(aliased.get()), "Orders o");
}

}  // namespace
