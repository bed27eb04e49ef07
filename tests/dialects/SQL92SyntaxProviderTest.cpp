// The SQL-92 dialect: its answers, reserved words and the parse entry points
// it serves.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ast/Expressions.h"
#include "ast/Names.h"
#include "ast/Statements.h"
#include "dialects/SQL92SyntaxProvider.h"
#include "parser/SQLError.h"
#include "platform/core/StringList.h"

namespace {

class SQL92Dialect : public ::testing::Test {
 protected:
  SQL92Dialect() : provider_(New<TastSQL92SyntaxProvider>()) {}
  ~SQL92Dialect() override { provider_->Free(); }

  static std::string Joined(const TStringList& list) {
    std::string text;
    for (int i = 0; i < list.Count(); ++i) text += (i > 0 ? "," : "") + list.Get(i);
    return text;
  }

  TastSQL92SyntaxProvider* provider_;
};

TEST_F(SQL92Dialect, DeclaresEveryCapabilityAndQuotesWithDoubleQuotes) {
  EXPECT_TRUE(provider_->IsSupportViews());
  EXPECT_TRUE(provider_->IsSupportUnions());
  EXPECT_TRUE(provider_->IsSupportBracketsInUnions());
  EXPECT_TRUE(provider_->IsSupportDerivedTables());
  EXPECT_TRUE(provider_->IsSupportSubQueryUnions());
  EXPECT_TRUE(provider_->IsSupportSubQueryBracketsInUnions());
  EXPECT_TRUE(provider_->IsSupportSubQueryDerivedTables());
  EXPECT_FALSE(provider_->IsUniversalExpressions());
  EXPECT_EQ(provider_->GetQuoteBegin(), "\"");
  EXPECT_EQ(provider_->GetQuoteEnd(), "\"");
}

TEST_F(SQL92Dialect, AggregateListsReplaceWhatTheListHeld) {
  TStringList list;
  list.Add("old");
  provider_->GetStarAggregateNames(&list);
  EXPECT_EQ(Joined(list), "Count");
  provider_->Get1ParamAggregateNames(&list);
  EXPECT_EQ(list.Count(), 0);
  list.Add("old");
  provider_->GetPrefixed1ParamAggregateNames(&list);
  EXPECT_EQ(Joined(list), "Avg,Count,Max,Min,Sum");
  provider_->GetComparisonOperators(&list);
  EXPECT_EQ(Joined(list), "=,>,>=,<,<=,<>");
}

TEST_F(SQL92Dialect, ReservedWordsAreTheKeywordsThatCannotBeNames) {
  const struct {
    const char* name;
    bool reserved;
  } kCases[] = {{"select", true}, {"Order", true}, {"DATE", true},     {"count", true},  {"left", true},
                {"varying", true}, {"name", false}, {"TYPE", false},   {"data", false},  {"unnamed", false},
                {"orders", false}, {"", false},     {"select1", false}, {"\"select\"", false}};
  for (const auto& c : kCases) EXPECT_EQ(provider_->IsReservedWord(c.name), c.reserved) << c.name;
}

TEST_F(SQL92Dialect, EntryPointsReturnTheirNodeOrRaiseTheirMessage) {
  TSQLSelectStatement* statement = provider_->ParseSelect("SELECT a FROM t");
  ASSERT_NE(statement, nullptr);
  EXPECT_EQ(statement->GetSimpleSQL(), "SELECT a FROM t");
  FreeNode(statement);

  TSQLDatabaseObject* object = provider_->ParseObjectName("db..tbl");
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->GetCount(), 3);
  EXPECT_EQ(object->GetNames(1), "");
  FreeNode(object);

  TSQLExpressionItem* criteria = provider_->ParseLogicalExpression("> 5", false);
  ASSERT_NE(criteria, nullptr);
  FreeNode(criteria);

  const struct {
    const char* message;
    std::function<void()> parse;
  } kFailures[] = {
      {"Bad SELECT statement", [&] { provider_->ParseSelect("SELECT a FROM t;"); }},
      {"Bad expression", [&] { provider_->ParseExpression("a +", nullptr); }},
      {"Bad object name", [&] { provider_->ParseObjectName("a.b.c.d.e"); }},
      {"Bad logical expression", [&] { provider_->ParseLogicalExpression("> 5", true); }},
      {"Bad select item", [&] { provider_->ParseSelectItem("a AS"); }},
  };
  for (const auto& failure : kFailures) {
    try {
      failure.parse();
      ADD_FAILURE() << failure.message << ": no error raised";
    } catch (const EvnSQLError& error) {
      EXPECT_EQ(error.Message(), failure.message);
      EXPECT_EQ(error.Line, 1);
      EXPECT_GT(error.Col, 0);
    }
  }
}

// Names that are reserved words are quoted on output, so the printed text
// parses again.
TEST_F(SQL92Dialect, ReservedWordNamesArePrintedQuoted) {
  TSQLFromObject* source = provider_->CreateSQLFromObject("order", "");
  const std::string printed = source->GetSimpleSQL();
  FreeNode(source);
  EXPECT_NE(printed, "order");
  TSQLSelectStatement* statement = provider_->ParseSelect("SELECT * FROM " + printed);
  ASSERT_NE(statement, nullptr);
  FreeNode(statement);
}

}  // namespace
