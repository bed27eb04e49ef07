// The parser framework on small grammars: the order in which options,
// repetitions and alternatives leave their ways decides which complete parse
// is chosen; records are freed with their ways; the text buffer and the
// error-line collector behave as the scanner and callers expect.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "parser/BaseParser.h"
#include "parser/Buffer.h"
#include "parser/ParserErrors.h"
#include "parser/SQL92Scanner.h"
#include "parser/SQL92Tokens.h"
#include "platform/core/Exceptions.h"

namespace {

using namespace sql92;

// A parser without entry points: the tests drive WayCalc directly.
class BareParser : public TvnBaseParser {
 public:
  BareParser(TvnBaseScanner* scanner, const TvnGrammar& grammar) : TvnBaseParser(scanner, nullptr) {
    UseGrammar(grammar);
  }
  void ParseSelectWayCalc(TvnWayList&) override {}
  TastNode* ParseSelect() override { return nullptr; }
  void ParseObjectNameWayCalc(TvnWayList&) override {}
  TastNode* ParseObjectName() override { return nullptr; }
  void ParseExpressionWayCalc(TvnWayList&) override {}
  TastNode* ParseExpression() override { return nullptr; }
  void ParseSelectItemWayCalc(TvnWayList&) override {}
  TastNode* ParseSelectItem() override { return nullptr; }
  void ParseLogicalExpressionWayCalc(TvnWayList&) override {}
  TastNode* ParseLogicalExpression() override { return nullptr; }
};

struct WayResult {
  bool accepted = false;
  std::vector<int32_t> choices;  // of the chosen way, root excluded
  int32_t errorTokenIndex = 0;
  int64_t records = 0;
};

// Runs element over text and returns the decisions of the first complete way.
WayResult Calculate(const TvnGrammar& grammar, const TvnGrammarElement* element, const char* text, bool merge) {
  SQL92Scanner scanner;
  scanner.Init(text);
  BareParser parser(&scanner, grammar);
  parser.DeduplicateWays = merge;
  auto root = std::make_unique<TvnWayPoint>();
  TvnWayList ways{root.get()};
  parser.WayCalc(ways, element);
  parser.Expect(ways, eofSym);
  WayResult result;
  result.errorTokenIndex = parser.ErrorTokenIndex;
  result.records = root->GetCount();
  if (ways.empty()) return result;
  result.accepted = true;
  parser.UnrollWay(ways.front());
  parser.GetWayNode();
  while (parser.WayIndex + 1 < static_cast<int32_t>(parser.Way.size())) result.choices.push_back(parser.NextChoice());
  return result;
}

class Framework : public ::testing::Test {
 protected:
  void SetUp() override { grammar_.Define(0, "unused", grammar_.Terminal(_NonQuotedIdentifier)); }
  TvnGrammar::E A() { return grammar_.Terminal(_NonQuotedIdentifier); }
  TvnGrammar grammar_;
};

TEST_F(Framework, ChoiceAmongCompleteParses) {
  TvnGrammar& g = grammar_;
  const struct {
    const char* name;
    TvnGrammar::E element;
    const char* text;
    std::vector<int32_t> choices;
  } kCases[] = {
      // ( a | a ): the earlier alternative.
      {"alternatives", g.Alt({A(), A()}), "x", {0}},
      // {a} [a] on one word: the option is the last to complete, and taking it wins.
      {"option after repetition", g.Seq({g.Iter(A()), g.Opt(A())}), "x", {0, 1}},
      // [a] {a} on one word: the repetition completes last; fewer repetitions win.
      {"repetition after option", g.Seq({g.Opt(A()), g.Iter(A())}), "x", {1, 0}},
      // {a} {a} on two words: the last repetition with fewer steps wins.
      {"two repetitions", g.Seq({g.Iter(A()), g.Iter(A())}), "x y", {1, 1, 0, 0}},
      // ( a [a] | a a ): the first alternative, taking its option.
      {"alternative beats inner option", g.Alt({g.Seq({A(), g.Opt(A())}), g.Seq({A(), A()})}), "x y", {0, 1}},
  };
  g.Complete();
  for (const auto& c : kCases) {
    for (bool merge : {false, true}) {
      WayResult result = Calculate(g, c.element, c.text, merge);
      ASSERT_TRUE(result.accepted) << c.name;
      EXPECT_EQ(result.choices, c.choices) << c.name << (merge ? " merged" : " plain");
    }
  }
  EXPECT_EQ(TvnWayPoint::LiveCount(), 0);
}

TEST_F(Framework, ErrorTokenIsTheFurthestFailedTerminalOrTheFirstToken) {
  TvnGrammar& g = grammar_;
  // a "," a fails at the third token; a look-ahead test raises nothing.
  const TvnGrammar::E sequence = g.Seq({A(), g.Terminal(syComma), A()});
  const TvnGrammar::E punctuation = g.Alt({g.Terminal(syComma), g.Terminal(sySemicolon)});
  g.Complete();
  WayResult failed = Calculate(g, sequence, "x , ,", true);
  EXPECT_FALSE(failed.accepted);
  EXPECT_EQ(failed.errorTokenIndex, 2);
  WayResult pruned = Calculate(g, punctuation, "x", true);
  EXPECT_FALSE(pruned.accepted);
  EXPECT_EQ(pruned.errorTokenIndex, 0);
}

// A braced token kind passed to a repetition is its stop set, never flags.
TEST_F(Framework, BracedTokenKindIsAFollowSet) {
  const TvnGrammarElement* list = grammar_.Iter(A(), {syComma});
  EXPECT_EQ(list->Flags, efFollowTest);
  EXPECT_TRUE(list->Follow.Contains(syComma));
}

TEST_F(Framework, MergingKeepsAmbiguityLinear) {
  TvnGrammar& g = grammar_;
  // { (a | a) }: every word doubles the ways unless ways at one token merge.
  const TvnGrammar::E element = g.Iter(g.Alt({A(), A()}));
  g.Complete();
  const WayResult plain = Calculate(g, element, "a b k d e f g h i j", false);
  const WayResult merged = Calculate(g, element, "a b k d e f g h i j", true);
  ASSERT_TRUE(plain.accepted && merged.accepted);
  EXPECT_EQ(plain.choices, merged.choices);
  EXPECT_GT(plain.records, 1000);
  EXPECT_LT(merged.records, 60);
}

TEST(WayPoint, CountsDepthAndFreesSubtrees) {
  auto root = std::make_unique<TvnWayPoint>();
  root->TokenIndex = 4;
  auto* child = new TvnWayPoint(root.get());
  auto* grandChild = new TvnWayPoint(child);
  new TvnWayPoint(root.get());
  EXPECT_EQ(child->TokenIndex, 4);
  EXPECT_EQ(grandChild->Parent, child);
  EXPECT_EQ(root->GetCount(), 3);
  EXPECT_EQ(root->GetDepth(), 3);
  child->RemoveFromParent();
  EXPECT_EQ(root->GetCount(), 1);
  EXPECT_EQ(TvnWayPoint::LiveCount(), 2);
  root.reset();
  EXPECT_EQ(TvnWayPoint::LiveCount(), 0);
}

// A failed way takes with it the records that led only to it; a record that
// continues otherwise, is kept or held, and the root stay.
TEST(WayPoint, RemovingAWayFreesWhatLedOnlyToIt) {
  auto root = std::make_unique<TvnWayPoint>();
  auto* fork = new TvnWayPoint(new TvnWayPoint(root.get()));
  auto* other = new TvnWayPoint(fork);
  (new TvnWayPoint(new TvnWayPoint(new TvnWayPoint(fork))))->RemoveFromParent();
  EXPECT_EQ(root->GetCount(), 3);  // root's child, fork, other
  other->Held = true;
  (new TvnWayPoint(other))->RemoveFromParent();
  EXPECT_EQ(root->GetCount(), 3);
  other->Held = false;
  other->Kept = true;
  (new TvnWayPoint(other))->RemoveFromParent();
  EXPECT_EQ(root->GetCount(), 3);
  other->Kept = false;
  (new TvnWayPoint(other))->RemoveFromParent();  // the whole chain up to the root
  EXPECT_EQ(root->GetCount(), 0);
  root->RemoveFromParent();  // a root stays
  EXPECT_EQ(TvnWayPoint::LiveCount(), 1);
  root.reset();
  EXPECT_EQ(TvnWayPoint::LiveCount(), 0);
}

TEST(WayPoint, FreesVeryLongWaysWithoutRecursion) {
  auto root = std::make_unique<TvnWayPoint>();
  TvnWayPoint* last = root.get();
  for (int i = 0; i < 1000000; ++i) last = new TvnWayPoint(last);
  EXPECT_EQ(root->GetDepth(), 1000001);
  root.reset();
  EXPECT_EQ(TvnWayPoint::LiveCount(), 0);
}

TEST(Buffer, ReadsPeeksAndClampsItsPosition) {
  TvnBuffer buffer;
  buffer.Fill("ab\xff");
  EXPECT_EQ(buffer.size, 3);
  EXPECT_EQ(buffer.Peek(), 'a');
  EXPECT_EQ(buffer.Read(), 'a');
  EXPECT_EQ(buffer.GetString(1, 3), "b\xff");
  EXPECT_EQ(buffer.position, 1);
  EXPECT_EQ(buffer.Read(), 'b');
  EXPECT_EQ(buffer.Read(), 255);
  EXPECT_EQ(buffer.Read(), 256);
  EXPECT_EQ(buffer.position, 3);
  buffer.SetPos(-5);
  EXPECT_EQ(buffer.position, 0);
  buffer.SetPos(99);
  EXPECT_EQ(buffer.position, 3);
  EXPECT_EQ(buffer.Peek(), 256);
}

TEST(ParserErrors, FormatsLinesAndAbortsSilently) {
  TvnParserErrors errors;
  errors.SynErr(3, 7, 12);
  errors.SemErr(1, 2, 42);
  errors.Error(5, 1, "custom");
  EXPECT_THROW(errors.Exception("stop"), EAbort);
  EXPECT_EQ(errors.Messages,
            (std::vector<std::string>{"line 3 col 7: SQL Syntax error", "line 1 col 2: error 42",
                                      "line 5 col 1: custom", "stop"}));
}

}  // namespace
