// The syntax provider components: forwarding to the tree-level dialect, the
// parse operations that report instead of raising, aggregate names, and the
// list of connected query builder controls.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "LogicTestSupport.h"
#include "dialects/QueryBuilderLink.h"
#include "dialects/vnSQL92SynProvider.h"
#include "parser/SQLError.h"

namespace {

std::vector<std::string> Lines(const TStringList& List) {
  std::vector<std::string> lines;
  for (int i = 0; i < List.Count(); ++i) lines.push_back(List.Get(i));
  return lines;
}

class SQL92Component : public ::testing::Test {
 protected:
  void TearDown() override { Provider->Free(); }

  TvnSQL92SyntaxProvider* Provider = TvnSQL92SyntaxProvider::Create(nullptr);

  // An error list that already holds lines from an earlier question.
  TStringList Errors;
  void SetUp() override {
    Errors.Add("earlier line 1");
    Errors.Add("earlier line 2");
  }
};

TEST_F(SQL92Component, CreatesTheSQL92DialectWithEveryCapability) {
  TastSyntaxProvider* dialect = Provider->ASTSyntaxProvider;
  ASSERT_TRUE(Is<TastSQL92SyntaxProvider>(dialect));
  for (bool flag : {dialect->IsSupportViews(), dialect->IsSupportUnions(), dialect->IsSupportBracketsInUnions(),
                    dialect->IsSupportDerivedTables(), dialect->IsSupportSubQueryUnions(),
                    dialect->IsSupportSubQueryBracketsInUnions(), dialect->IsSupportSubQueryDerivedTables()})
    EXPECT_TRUE(flag);
  EXPECT_EQ(Provider->GetQuoteBegin(), "\"");
  EXPECT_EQ(Provider->GetQuoteEnd(), "\"");
  EXPECT_EQ(Provider->GetEditPropsFormClass(nullptr), nullptr);
}

TEST_F(SQL92Component, IsCreatedByClassNameAsAFormFileDoes) {
  TComponent* owner = TComponent::Create(nullptr);
  const auto* classRef = ClassOf<TComponent::ClassFamily>(FindClass("TvnSQL92SyntaxProvider"));
  ASSERT_NE(classRef, nullptr);
  TComponent* created = classRef->Create(owner);
  EXPECT_NE(static_cast<TvnSQL92SyntaxProvider*>(created)->ASTSyntaxProvider, nullptr);
  EXPECT_EQ(owner->ComponentCount(), 1);
  owner->Free();
}

// A control on the same form as the provider: when it learns that the
// provider goes away it frees a tree built for the provider's dialect.
class TreeHoldingControl : public TComponent {
  VN_CLASS(TreeHoldingControl, TComponent)
 public:
  using TComponent::TComponent;
  TvnBaseSyntaxProvider* Provider = nullptr;
  TSQLExpressionItem* Tree = nullptr;
  bool Notified = false;

  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent != Provider) return;
    Notified = true;
    ASSERT_NE(Provider->ASTSyntaxProvider, nullptr);
    FreeNode(std::exchange(Tree, Provider->ParseLogicalExpression("a = 1", nullptr, true)));
    FreeNode(std::exchange(Tree, nullptr));
  }
};

TEST_F(SQL92Component, DialectOutlivesTheRemovalNotice) {
  TComponent* form = TComponent::Create(nullptr);
  auto* provider = TvnSQL92SyntaxProvider::Create(form);
  auto* control = TreeHoldingControl::Create(form);
  control->Provider = provider;
  control->Tree = provider->ParseLogicalExpression("b = 2", nullptr, true);
  provider->Free();
  EXPECT_TRUE(control->Notified);
  EXPECT_EQ(control->Tree, nullptr);
  form->Free();
}

TEST_F(SQL92Component, BaseComponentAloneIsAbstract) {
  EXPECT_THROW(TvnBaseSyntaxProvider::StaticClass()->Create(nullptr), EAbstractError);
}

TEST_F(SQL92Component, ForwardsToTheTreeLevelDialect) {
  NodePtr<TSQLFromObject> source(Provider->CreateSQLFromObject("dbo.Orders", ""));
  EXPECT_EQ(source->SyntaxProvider, Provider->ASTSyntaxProvider);
  EXPECT_EQ(Text(source.get()), "\"dbo.Orders\"");

  NodePtr<TSQLDatabaseObject> quoted(Provider->ParseObjectName("\"ORDERS\""));
  NodePtr<TSQLDatabaseObject> plain(Provider->ParseObjectName("sales.orders"));
  EXPECT_TRUE(Provider->IsDBObjectNamesEqual(quoted.get(), plain.get()));

  TStringList operators;
  operators.Add("stale");
  Provider->GetComparisonOperators(&operators);
  EXPECT_EQ(Lines(operators), (std::vector<std::string>{"=", ">", ">=", "<", "<=", "<>"}));
}

TEST_F(SQL92Component, StatementExpressionAndNameParsesRaise) {
  NodePtr<TSQLSelectStatement> statement(Provider->ParseSelect("SELECT a FROM t WHERE b = 1"));
  EXPECT_EQ(Text(statement.get()), "SELECT a FROM t WHERE b=1");
  NodePtr<TSQLSelectStatement> withoutSources(Provider->ParseSelect("SELECT * FROM"));
  EXPECT_NE(withoutSources, nullptr);

  struct Case {
    const char* Text;
    const char* Message;
    void (*Parse)(TvnSQL92SyntaxProvider*, const char*);
  };
  const Case cases[] = {
      {"SELECT * FROM t WHERE", "Bad SELECT statement",
       [](TvnSQL92SyntaxProvider* p, const char* t) { FreeNode(p->ParseSelect(t)); }},
      {"a +", "Bad expression", [](TvnSQL92SyntaxProvider* p, const char* t) { FreeNode(p->ParseExpression(t, nullptr)); }},
      {"a..", "Bad object name", [](TvnSQL92SyntaxProvider* p, const char* t) { FreeNode(p->ParseObjectName(t)); }},
  };
  for (const Case& c : cases) {
    try {
      c.Parse(Provider, c.Text);
      ADD_FAILURE() << c.Text << " parsed";
    } catch (const EvnSQLError& error) {
      EXPECT_EQ(error.Message(), c.Message);
    }
  }
}

TEST_F(SQL92Component, SelectItemParseReportsItsErrorAsTheOnlyLine) {
  EXPECT_EQ(Provider->ParseSelectItem("a +", &Errors), nullptr);
  EXPECT_EQ(Lines(Errors), std::vector<std::string>{"Bad select item"});

  NodePtr<TSQLSelectItem> item(Provider->ParseSelectItem("a + 1 AS total", &Errors));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(Text(item.get()), "a+1 AS total");
}

TEST_F(SQL92Component, CriteriaParseNeedsTheLeftOperandOnlyWhenAsked) {
  NodePtr<TSQLExpressionItem> criterion(Provider->ParseLogicalExpression("> 5", &Errors, false));
  auto* comparison = dynamic_cast<TSQLExpressionOperatorBinary*>(criterion.get());
  ASSERT_NE(comparison, nullptr);
  EXPECT_EQ(comparison->Expression, nullptr);
  EXPECT_EQ(Text(comparison), ">5");
  EXPECT_EQ(Errors.Count(), 2);  // untouched on success

  EXPECT_EQ(Provider->ParseLogicalExpression("> 5", &Errors, true), nullptr);
  EXPECT_EQ(Lines(Errors), std::vector<std::string>{"Bad logical expression"});
}

TEST_F(SQL92Component, AnswersAggregateNameQuestions) {
  struct Case {
    const char* Name;
    bool Star, OneParam, Prefixed;
  };
  for (const Case& c : {Case{"count", true, false, true}, Case{" count", false, false, false},
                        Case{"SUM", false, false, true}, Case{"median", false, false, false}}) {
    EXPECT_EQ(Provider->IsNameOfStarAggregate(c.Name), c.Star) << c.Name;
    EXPECT_EQ(Provider->IsNameOfAggregate(c.Name), c.OneParam) << c.Name;
    EXPECT_EQ(Provider->IsNameOfPrefixedAggregate(c.Name), c.Prefixed) << c.Name;
  }
  for (const auto& [name, normalized] : std::vector<std::pair<std::string, std::string>>{
           {" count ", "Count"}, {"sum", "Sum"}, {"\tAvG\n", "Avg"}, {"median", "MEDIAN"}, {" mÄx ", "MÄX"}})
    EXPECT_EQ(Provider->AggregateNormalize(name), normalized) << name;
}

// A control that records when it is asked to re-read the capabilities.
class RecordingControl : public TvnQueryBuilderLink {
 public:
  RecordingControl(std::string AName, std::vector<std::string>& ALog) : Name(std::move(AName)), Log(ALog) {}
  void ReadSyntaxProviderCaps() override { Log.push_back(Name); }

  std::string Name;
  std::vector<std::string>& Log;
};

TEST_F(SQL92Component, KeepsConnectedControlsInRegistrationOrder) {
  std::vector<std::string> log;
  RecordingControl first("first", log), second("second", log), stranger("stranger", log);
  Provider->RegisterQueryBuilder(&first);
  Provider->RegisterQueryBuilder(&second);
  Provider->RegisterQueryBuilder(&first);
  Provider->SendCapsChangedNotifications();
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "first"}));

  Provider->UnregisterQueryBuilder(&first);
  Provider->UnregisterQueryBuilder(&stranger);
  log.clear();
  Provider->SendCapsChangedNotifications();
  EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
}

// A control that disconnects itself while it re-reads; every control is still asked once.
TEST_F(SQL92Component, ControlMayDisconnectWhileItReReads) {
  std::vector<std::string> log;
  struct Leaving : RecordingControl {
    using RecordingControl::RecordingControl;
    TvnBaseSyntaxProvider* From = nullptr;
    void ReadSyntaxProviderCaps() override {
      RecordingControl::ReadSyntaxProviderCaps();
      From->UnregisterQueryBuilder(this);
    }
  } leaving("leaving", log);
  leaving.From = Provider;
  RecordingControl staying("staying", log);
  Provider->RegisterQueryBuilder(&leaving);
  Provider->RegisterQueryBuilder(&staying);
  Provider->SendCapsChangedNotifications();
  EXPECT_EQ(log, (std::vector<std::string>{"leaving", "staying"}));
  EXPECT_EQ(Provider->QueryBuilders, std::vector<TvnQueryBuilderLink*>{&staying});
}

}  // namespace
