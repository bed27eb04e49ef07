// How names are written: plain names bare, everything else quoted so that it
// reads back as the same name and can never leave its quotes.

#include <gtest/gtest.h>

#include "AstTestSupport.h"
#include "platform/core/Streams.h"

namespace {

struct QuotingCase {
  const char* Name;
  bool Alias;  // written as an alias (a string literal alias is kept)
  const char* Expected;
};

const QuotingCase QuotingCases[] = {
    {"_x1", false, "_x1"},
    {"Orders", false, "Orders"},
    {"Order Details", false, "\"Order Details\""},
    {"1x", false, "\"1x\""},
    {"", false, "\"\""},
    {"a.b", false, "\"a.b\""},
    // Reserved words are quoted in any letter case; non-reserved ones are not.
    {"order", false, "\"order\""},
    {"Date", false, "\"Date\""},
    {"name", false, "name"},
    // Complete quoted tokens as the scanner reads them are kept as written.
    {"\"Order Details\"", false, "\"Order Details\""},
    {"\"a\"\"b\"", false, "\"a\"\"b\""},
    {"[date]", false, "[date]"},
    {"[a][b]", false, "[a][b]"},
    {"'e'", true, "'e'"},
    {"'it''s'", true, "'it''s'"},
    // Anything that merely looks quoted is quoted, with the quote doubled.
    {"'e'", false, "\"'e'\""},
    {"\"abc", false, "\"\"\"abc\""},
    {"\"a\"b\"", false, "\"\"\"a\"\"b\"\"\""},
    {"[a]]", false, "\"[a]]\""},
    {"x\"; DROP TABLE t; --", true, "\"x\"\"; DROP TABLE t; --\""},
    {"'a' || (select 1)", true, "\"'a' || (select 1)\""},
};

class Quoting : public testing::TestWithParam<QuotingCase> {};

TEST_P(Quoting, WriteIdentifierAndAlias) {
  const QuotingCase& c = GetParam();
  TTestSyntaxProvider provider;
  TStringStream stream;
  TSQLBuilderPlainText* builder = TSQLBuilderPlainText::Create(&stream);
  builder->ResetBuilder();
  if (c.Alias)
    builder->WriteAlias(c.Name, &provider);
  else
    builder->WriteIdentifier(c.Name, &provider);
  EXPECT_EQ(stream.DataString(), c.Expected) << "name: " << c.Name;
  builder->Free();
}

INSTANTIATE_TEST_SUITE_P(Names, Quoting, testing::ValuesIn(QuotingCases));

// Function and aggregate names that are reserved words stay bare; their
// qualifiers and the names of columns follow the identifier rules.
TEST(Quoting, FunctionNamesAndQualifiedNames) {
  TTestSyntaxProvider provider;
  TreeMaker m(&provider);

  NodePtr<TSQLExpressionAggregate> count(TSQLExpressionAggregate::Create(&provider));
  count->Name = "COUNT";
  EXPECT_EQ(SingleLine(count.get()), "COUNT(*)");

  NodePtr<TSQLExpressionFunction> call(TSQLExpressionFunction::Create(&provider));
  call->Function = TSQLFunction::Create(&provider);
  call->Function->Name = TSQLQualifiedName::Create(&provider);
  for (const char* part : {"my schema", "user"}) call->Function->Name->AddName(part);
  EXPECT_EQ(SingleLine(call.get()), "\"my schema\".user()");

  NodePtr<TSQLExpressionColumn> column(m.Col({"dbo", "my col", "order"}));
  EXPECT_EQ(SingleLine(column.get()), "dbo.\"my col\".\"order\"");

  // A skipped part (db..tbl) stays empty.
  NodePtr<TSQLExpressionColumn> skipped(m.Col({"db", "", "tbl"}));
  EXPECT_EQ(SingleLine(skipped.get()), "db..tbl");
}

}  // namespace
