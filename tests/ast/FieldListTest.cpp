// FROM sources ask the metadata provider for their column names.

#include <gtest/gtest.h>

#include "AstTestSupport.h"

namespace {

class FieldLists : public testing::Test {
 protected:
  void SetUp() override { Metadata = TTestMetadataProvider::Create(nullptr); }
  void TearDown() override { Metadata->Free(); }

  TSQLSubSelectStatement* SelectAFromT() {
    return M.Statement<TSQLSubSelectStatement>({M.Block({M.Item(M.Col({"a"}))}, M.From({M.Table({"t"})}))});
  }

  TTestSyntaxProvider Provider;
  TreeMaker M{&Provider};
  TTestMetadataProvider* Metadata = nullptr;
};

TEST_F(FieldLists, SourcesAskChildrenFirst) {
  TSQLFromObject* orders = M.Table({"Orders"}, "o");
  TSQLFromQuery* derived = M.Derived(SelectAFromT(), "x");
  Metadata->FieldsBySQL["select * from Orders o"] = {"Id", "Name"};
  Metadata->FieldsBySQL["select * from ((SELECT a FROM t)) x"] = {"a"};
  NodePtr<TSQLSelectStatement> s(
      M.Statement({M.Block({TSQLSelectItemAllColumns::Create(&Provider)}, M.From({orders, derived}))}));
  s->RefreshFieldsListRecursive(Metadata);
  EXPECT_EQ(Metadata->Asked, (std::vector<std::string>{"select * from Orders o", "select * from t",
                                                       "select * from ((SELECT a FROM t)) x"}));
  EXPECT_EQ(orders->Fields.Text(), "Id\r\nName\r\n");
  EXPECT_EQ(derived->Fields.Count(), 1);
  EXPECT_FALSE(derived->IsFieldListUnknown());
}

TEST_F(FieldLists, DerivedTablesAskOnlyWhenComplete) {
  struct {
    const char* Name;
    TSQLSubSelectStatement* (*Build)(TreeMaker&);
    const char* Alias;
  } cases[] = {
      {"no alias",
       [](TreeMaker& m) {
         return m.Statement<TSQLSubSelectStatement>({m.Block({m.Item(m.Col({"a"}))}, m.From({m.Table({"t"})}))});
       },
       ""},
      {"no FROM source",
       [](TreeMaker& m) { return m.Statement<TSQLSubSelectStatement>({m.Block({m.Item(m.Col({"a"}))}, m.From({}))}); },
       "x"},
      {"no select item",
       [](TreeMaker& m) { return m.Statement<TSQLSubSelectStatement>({m.Block({}, m.From({m.Table({"t"})}))}); },
       "x"},
  };
  for (const auto& c : cases) {
    NodePtr<TSQLFromQuery> derived(M.Derived(c.Build(M), c.Alias));
    derived->Fields.Add("stale");
    derived->RefreshFieldsList(Metadata);
    EXPECT_TRUE(Metadata->Asked.empty()) << c.Name;
    EXPECT_EQ(derived->Fields.Count(), 0) << c.Name;
  }
}

// The alias reaches the database only as a quoted identifier.
TEST_F(FieldLists, DerivedTableAliasIsQuoted) {
  NodePtr<TSQLFromQuery> derived(M.Derived(SelectAFromT(), "x\"; DROP TABLE t; --"));
  derived->RefreshFieldsList(Metadata);
  ASSERT_EQ(Metadata->Asked.size(), 1u);
  EXPECT_EQ(Metadata->Asked[0], "select * from ((SELECT a FROM t)) \"x\"\"; DROP TABLE t; --\"");
}

TEST_F(FieldLists, DerivedTableColumnAliasesAreAsked) {
  NodePtr<TSQLFromQuery> derived(M.Derived(SelectAFromT(), "x"));
  derived->ColumnAliases = {"c1", "order"};
  EXPECT_EQ(SingleLine(derived.get()), "(SELECT a FROM t) x (c1, \"order\")");
  derived->RefreshFieldsList(Metadata);
  ASSERT_EQ(Metadata->Asked.size(), 1u);
  EXPECT_EQ(Metadata->Asked[0], "select * from ((SELECT a FROM t)) x (c1, \"order\")");
}

TEST_F(FieldLists, ProviderErrors) {
  // A derived table that cannot be described keeps the partial list and is
  // marked as not fully known.
  NodePtr<TSQLFromQuery> derived(M.Derived(SelectAFromT(), "x"));
  const std::string sql = "select * from ((SELECT a FROM t)) x";
  Metadata->FieldsBySQL[sql] = {"a"};
  Metadata->Failing[sql] = true;
  EXPECT_NO_THROW(derived->RefreshFieldsList(Metadata));
  EXPECT_EQ(derived->Fields.Count(), 1);
  EXPECT_TRUE(derived->IsFieldListUnknown());

  // Errors for table sources reach the caller.
  NodePtr<TSQLFromObject> table(M.Table({"Orders"}));
  Metadata->Failing["select * from Orders"] = true;
  EXPECT_THROW(table->RefreshFieldsList(Metadata), Exception);
  EXPECT_TRUE(table->IsFieldListUnknown());
}

}  // namespace
