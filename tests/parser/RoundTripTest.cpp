// Printing a parse and parsing the print again: the text is a fixed point
// and the tree is unchanged (names, flags, operators, union operators).

#include <gtest/gtest.h>

#include <vector>

#include "ParseFixture.h"
#include "StatementCorpus.h"
#include "parser/SQL92Scanner.h"
#include "ast/SQLBuilder.h"
#include "platform/core/Streams.h"

namespace {

class RoundTrip : public SQL92ParseTest, public ::testing::WithParamInterface<std::string> {
 protected:
  std::string PrintMultiLine(TastNode* tree) {
    TStringStream stream;
    TSQLBuilderPlainText* builder = New<TSQLBuilderPlainText>(&stream);
    tree->BuildSQL(builder, true);
    builder->Free();
    return stream.DataString();
  }
};

TEST_P(RoundTrip, SingleLinePrintIsAFixedPointWithTheSameTree) {
  const std::string& text = GetParam();
  OwnedTree first = Parse(TvnParseEntry::Select, text);
  const std::string printed = first->GetSimpleSQL();
  OwnedTree second;
  ASSERT_NO_THROW(second = Parse(TvnParseEntry::Select, printed)) << printed;
  EXPECT_EQ(TreeText(second.get()), TreeText(first.get())) << printed;
  EXPECT_EQ(second->GetSimpleSQL(), printed);
}

TEST_P(RoundTrip, MultiLinePrintParsesToTheSameTree) {
  const std::string& text = GetParam();
  OwnedTree first = Parse(TvnParseEntry::Select, text);
  const std::string printed = PrintMultiLine(first.get());
  OwnedTree second;
  ASSERT_NO_THROW(second = Parse(TvnParseEntry::Select, printed)) << printed;
  EXPECT_EQ(TreeText(second.get()), TreeText(first.get())) << printed;
  EXPECT_EQ(PrintMultiLine(second.get()), printed);
}

// The kinds of a text's tokens, without the words the printer may drop or
// add: ASC, the ALL of an aggregate, INNER (a bare JOIN prints as INNER JOIN).
std::vector<int32_t> ComparableKinds(const std::string& text) {
  SQL92Scanner scanner;
  scanner.Init(text);
  std::vector<int32_t> kinds;
  for (int32_t i = 0; i < scanner.TokenCount(); ++i) {
    const int32_t kind = scanner.GetToken(i).kind;
    if (kind == sql92::kwAsc || kind == sql92::kwInner) continue;
    if (kind == sql92::kwAll && scanner.GetToken(i - 1).kind == sql92::syLParen) continue;
    kinds.push_back(kind);
  }
  return kinds;
}

TEST_P(RoundTrip, PrintedTextHasTheTokenKindsOfTheSource) {
  const std::string& text = GetParam();
  // A join nested without brackets prints with brackets around the group.
  if (text == "SELECT * FROM a JOIN b JOIN c ON c.x = b.x ON b.y = a.y") GTEST_SKIP();
  OwnedTree tree = Parse(TvnParseEntry::Select, text);
  EXPECT_EQ(ComparableKinds(tree->GetSimpleSQL()), ComparableKinds(text)) << tree->GetSimpleSQL();
}

INSTANTIATE_TEST_SUITE_P(Corpus, RoundTrip, ::testing::ValuesIn(StatementCorpus()));

}  // namespace
