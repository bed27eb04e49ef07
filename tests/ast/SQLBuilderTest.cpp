// White-space rules and token rendering of the plain-text and HTML builders.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AstTestSupport.h"
#include "platform/core/Streams.h"

namespace {

struct Step {
  char Op;  // R reset, S space, F forced space, N new line, K keyword, I identifier,
            // Y symbol, M number, T string literal, L new line or space (multi-line flag)
  std::string Text;
};

std::string RunSteps(TSQLBuilderStream* Builder, TStringStream& Stream, const std::vector<Step>& Steps,
                bool MultiLineFlag, const TastSyntaxProvider* Provider) {
  for (const Step& step : Steps) {
    switch (step.Op) {
      case 'R': Builder->ResetBuilder(); break;
      case 'S': Builder->Space(); break;
      case 'F': Builder->SpaceForce(); break;
      case 'N': Builder->NewLine(); break;
      case 'L': Builder->NewLineOrSpace(MultiLineFlag); break;
      case 'K': Builder->WriteKeyword(step.Text); break;
      case 'I': Builder->WriteIdentifier(step.Text, Provider); break;
      case 'Y': Builder->WriteSymbol(step.Text); break;
      case 'M': Builder->WriteNumber(step.Text); break;
      case 'T': Builder->TSQLBuilder::WriteString(step.Text); break;
    }
  }
  return Stream.DataString();
}

struct BuilderCase {
  const char* Name;
  std::vector<Step> Steps;
  bool MultiLineFlag;
  const char* Plain;
  const char* Html;
};

const std::vector<Step> WorkedExample = {{'R', ""}, {'K', "SELECT"}, {'S', ""}, {'I', "a"}, {'Y', ","},
                                         {'S', ""}, {'I', "b"},      {'L', ""}, {'K', "FROM"}, {'S', ""},
                                         {'S', ""}, {'I', "t"}};

const BuilderCase BuilderCases[] = {
    {"space after reset writes nothing", {{'R', ""}, {'S', ""}, {'I', "a"}}, false, "a", "<i>a</i>"},
    {"forced space after reset writes one blank", {{'R', ""}, {'F', ""}, {'I', "a"}}, false, " a", " <i>a</i>"},
    {"two spaces write one blank", {{'R', ""}, {'I', "a"}, {'S', ""}, {'S', ""}, {'I', "b"}}, false, "a b",
     "<i>a</i> <i>b</i>"},
    {"new line after reset writes nothing", {{'R', ""}, {'N', ""}, {'I', "a"}}, false, "a", "<i>a</i>"},
    {"two new lines write one line break", {{'R', ""}, {'I', "a"}, {'N', ""}, {'N', ""}, {'I', "b"}}, false,
     "a\r\nb", "<i>a</i><br/><i>b</i>"},
    {"space right after a line break writes nothing", {{'R', ""}, {'I', "a"}, {'N', ""}, {'S', ""}, {'I', "b"}},
     false, "a\r\nb", "<i>a</i><br/><i>b</i>"},
    // The plain-text blank goes through the symbol writer and so ends the line
    // start; the HTML blank does not.
    {"new line, forced space, new line", {{'R', ""}, {'I', "a"}, {'N', ""}, {'F', ""}, {'N', ""}}, false,
     "a\r\n \r\n", "<i>a</i><br/> "},
    {"worked example, multi-line", WorkedExample, true, "SELECT a, b\r\nFROM t",
     "<b>select</b> <i>a</i><font color=#7f7fff>,</font> <i>b</i><br/><b>from</b> <i>t</i>"},
    {"worked example, single line", WorkedExample, false, "SELECT a, b FROM t",
     "<b>select</b> <i>a</i><font color=#7f7fff>,</font> <i>b</i> <b>from</b> <i>t</i>"},
    {"numbers and strings are rendered", {{'R', ""}, {'M', "12.5"}, {'S', ""}, {'T', "'abc'"}}, false,
     "12.5 'abc'", "12.5 'abc'"},
    // Reserved characters of HTML never reach the mark-up raw.
    {"HTML escapes every text",
     {{'R', ""}, {'K', "A&B"}, {'Y', "<"}, {'M', "1>0"}, {'T', "'a\"b'"}, {'I', "x<y"}}, false,
     "A&B<1>0'a\"b'\"x<y\"",
     "<b>a&amp;b</b><font color=#7f7fff>&lt;</font>1&gt;0'a&quot;b'<i>&quot;x&lt;y&quot;</i>"},
};

class BuilderRules : public testing::TestWithParam<BuilderCase> {};

TEST_P(BuilderRules, PlainAndHtml) {
  const BuilderCase& c = GetParam();
  TTestSyntaxProvider provider;
  {
    TStringStream stream;
    TSQLBuilderPlainText* builder = TSQLBuilderPlainText::Create(&stream);
    EXPECT_EQ(RunSteps(builder, stream, c.Steps, c.MultiLineFlag, &provider), c.Plain) << c.Name;
    builder->Free();
  }
  {
    TStringStream stream;
    TSQLBuilderHTML* builder = TSQLBuilderHTML::Create(&stream);
    EXPECT_EQ(RunSteps(builder, stream, c.Steps, c.MultiLineFlag, &provider), c.Html) << c.Name;
    builder->Free();
  }
}

INSTANTIATE_TEST_SUITE_P(WhiteSpace, BuilderRules, testing::ValuesIn(BuilderCases));

TEST(SQLBuilder, ResetTruncatesOlderText) {
  TStringStream stream("older text that is longer");
  TSQLBuilderPlainText* builder = TSQLBuilderPlainText::Create(&stream);
  builder->ResetBuilder();
  EXPECT_EQ(stream.DataString(), "");
  builder->WriteKeyword("SELECT");
  EXPECT_EQ(stream.DataString(), "SELECT");
  builder->Free();
}

// Appends the single-line text of its operator's left operand while printing.
class TNestedTextExtender : public TastExtender {
  VNAST_NODE(TNestedTextExtender, TastExtender)

  void BuildSQLForNode(TastNode* Node, TSQLBuilder* Builder, bool MultiLine) override {
    TastExtender::BuildSQLForNode(Node, Builder, MultiLine);
    Builder->WriteSymbol("[" + static_cast<TSQLExpressionOperatorBinary*>(Node)->Expression->GetSimpleSQL() + "]");
  }
};

TEST(SQLBuilder, SimpleTextRequestedWhilePrintingOnOneLine) {
  TTestSyntaxProvider provider;
  provider.RegisterExtender(TSQLExpressionOperatorBinary::StaticClass(), TNestedTextExtender::StaticClass());
  TreeMaker m(&provider);
  NodePtr<TSQLExpressionItem> sum(m.Bin(m.Col({"a"}), "+", m.Col({"b"})));
  EXPECT_EQ(SingleLine(sum.get()), "a+b[a]");
}

TEST(SQLBuilder, SimpleTextOfOneNodeDoesNotCarryTheLastOne) {
  TTestSyntaxProvider provider;
  TreeMaker m(&provider);
  NodePtr<TSQLExpressionItem> longer(m.Bin(m.Col({"abc"}), "+", m.Num("1")));
  NodePtr<TSQLExpressionItem> shorter(m.Num("2"));
  EXPECT_EQ(SingleLine(longer.get()), "abc+1");
  EXPECT_EQ(SingleLine(shorter.get()), "2");
}

}  // namespace
