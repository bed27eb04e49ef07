// Printing a parse and parsing the print again: the text is a fixed point
// and the tree is unchanged (names, flags, operators, union operators).

#include <gtest/gtest.h>

#include "ParseFixture.h"
#include "StatementCorpus.h"
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

INSTANTIATE_TEST_SUITE_P(Corpus, RoundTrip, ::testing::ValuesIn(StatementCorpus()));

}  // namespace
