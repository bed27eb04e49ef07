#pragma once
// A grammar as data: the way calculation of TvnBaseParser interprets these
// elements, so FIRST sets and look-ahead tests always agree with the rules.

#include <cstdint>
#include <string>
#include <vector>

#include "parser/CharSet.h"

enum class TvnElementKind : uint8_t {
  Terminal,      // one token of Value's kind
  Rule,          // the rule numbered Value
  Sequence,      // Items one after another
  Option,        // [Items[0]]
  Iteration,     // {Items[0]}
  Alternatives,  // (Items[0] | Items[1] | ...)
  Empty,         // an empty alternative
  Nesting,       // Items[0], one level deeper (brackets, NOT, prefix operators)
};

// Flags that refine an element. Parameters take this type rather than an
// integer, so that a braced token kind meant as a follow set cannot be taken
// for flags.
enum TvnElementFlag : uint8_t {
  efNone = 0,
  // Option, Iteration, Empty: the skip, the stop before the first
  // repetition or the empty choice is taken only when the next token is in
  // Follow.
  efFollowTest = 1,
  // Empty: exists only while the parser's RequireLeftOperand is false.
  efUnlessLeftOperandRequired = 2,
  // Iteration: every repetition makes the built tree one level deeper
  // (left-associative operator chains).
  efDeepensTree = 4,
  // Terminal: the token must also be an integer within the 32-bit range.
  efInt32 = 8,
};

constexpr int16_t vnNoAlternative = -1;
constexpr int16_t vnSeveralAlternatives = -2;

struct TvnGrammarElement {
  TvnElementKind Kind = TvnElementKind::Empty;
  uint8_t Flags = 0;
  int32_t Value = 0;
  std::vector<const TvnGrammarElement*> Items;
  TvnTokenSet Follow;
  // When not -1, Follow also receives the FIRST set of this rule.
  int32_t FollowRule = -1;
  // Computed by TvnGrammar::Complete.
  TvnTokenSet First;
  bool Nullable = false;
  // Alternatives: per token kind, in order, the numbers of the alternatives
  // that can begin with it, and of the empty alternatives.
  std::vector<std::vector<uint16_t>> AlternativesBefore;
  // Alternatives: per token kind, the number of the only alternative to try
  // when it is not empty, vnNoAlternative when there is none, and
  // vnSeveralAlternatives otherwise. One small table read decides the
  // common case.
  std::vector<int16_t> SoleAlternativeBefore;
  // Option, Iteration: the FIRST set of the body, kept with the element.
  TvnTokenSet BodyFirst;

  bool Has(TvnElementFlag flag) const { return (Flags & flag) != 0; }
};

// Owns the elements of one grammar and its rules.
class TvnGrammar {
 public:
  TvnGrammar() = default;
  TvnGrammar(const TvnGrammar&) = delete;
  TvnGrammar& operator=(const TvnGrammar&) = delete;
  ~TvnGrammar();

  using E = const TvnGrammarElement*;
  E Terminal(int32_t kind, TvnElementFlag flags = efNone);
  E Rule(int32_t rule);
  E Seq(std::vector<E> items);
  E Opt(E body);
  E Opt(E body, const TvnTokenSet& skipFollow);
  // An option skipped only before a token that can begin followingRule.
  E OptBeforeRule(E body, int32_t followingRule);
  E Iter(E body, TvnElementFlag flags = efNone);
  E Iter(E body, const TvnTokenSet& stopFollow, TvnElementFlag flags = efNone);
  E Alt(std::vector<E> alternatives);
  E Empty(const TvnTokenSet& follow, TvnElementFlag flags = efNone);
  E Nest(E body);

  // Sets the body of a rule (rules are numbered from 0).
  void Define(int32_t rule, const std::string& name, E body);
  E Body(int32_t rule) const { return rules_[rule]; }
  const std::string& RuleName(int32_t rule) const { return names_[rule]; }
  int32_t RuleCount() const { return static_cast<int32_t>(rules_.size()); }

  // Computes FIRST sets and nullability, and checks that every option and
  // repetition body and every non-empty alternative consumes a token (the
  // look-ahead tests rely on it). Throws std::logic_error when not.
  void Complete();

 private:
  TvnGrammarElement* New(TvnElementKind kind);
  bool Update(TvnGrammarElement* element);
  std::vector<TvnGrammarElement*> elements_;
  std::vector<E> rules_;
  std::vector<std::string> names_;
};
