#pragma once
// The parser framework: a two-pass parse over the scanner's token list.
//
// The way calculation explores every alternative the next token allows, in
// parallel and without building anything; each live hypothesis is a way, a
// chain of TvnWayPoint decision records. Ways that meet an unexpected token
// die; of the ways that consume the whole text the first is chosen. The
// building pass then walks the grammar again along the chosen way, reading
// one record at each decision, and creates the syntax tree.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "parser/BaseScanner.h"
#include "parser/CharSet.h"
#include "parser/GrammarElement.h"
#include "parser/WayPoint.h"

class TastNode;
class TastSyntaxProvider;
class TStrings;

// Nesting allowed in a text: brackets (also around sub-queries), NOT, prefix
// operators, CASE and right-nested joins each count one level. A way that
// would go deeper fails at the token opening the level.
constexpr int32_t vnMaxNestingLevel = 256;
// Depth allowed for the built tree, counting nesting levels and the links of
// left-associative operator chains ("1+2+...").
constexpr int32_t vnMaxTreeDepth = 4096;
// See TvnBaseParser::MinRememberedRecords.
constexpr int64_t vnMinRememberedRecords = 32;

class TvnBaseParser {
 public:
  TvnBaseParser(TvnBaseScanner* scanner, TastSyntaxProvider* syntaxProvider);
  virtual ~TvnBaseParser() = default;
  TvnBaseParser(const TvnBaseParser&) = delete;
  TvnBaseParser& operator=(const TvnBaseParser&) = delete;

  TvnBaseScanner* Scanner;
  TastSyntaxProvider* SyntaxProvider;
  int32_t ErrorTokenIndex = 0;
  bool RequireLeftOperand = true;
  // Drops a way that stands at the same token as an earlier way of the same
  // list at the end of every option, repetition, alternatives element and
  // rule. Such a way can never be chosen and fails where the earlier one
  // fails, so results are unchanged; off gives the plain algorithm.
  bool DeduplicateWays = true;
  // Remembers, for the rules the language marks, the ways a single way
  // starting at a token leads to; when the same rule starts again at that
  // token with a single way, it hangs one graft record per remembered way
  // below it, which the building pass expands into the remembered
  // decisions. These are the ways the calculation would make again, in the
  // same order, so results are unchanged; off gives the plain algorithm.
  bool MemoizeRules = true;
  // An outcome whose calculation made fewer way records than this is not
  // remembered: repeating it costs at most that many records, and the
  // outcomes of the larger calculations around it are remembered, so no
  // shape multiplies.
  int64_t MinRememberedRecords = vnMinRememberedRecords;
  // The limits in force (see vnMaxNestingLevel, vnMaxTreeDepth).
  int32_t MaxNestingLevel = vnMaxNestingLevel;
  int32_t MaxTreeDepth = vnMaxTreeDepth;
  int32_t TokenIndex = -1;
  const TvnToken* CurrentToken = nullptr;
  int32_t WayIndex = -1;
  // The choices of the chosen way's decisions, from the root on.
  std::vector<int16_t> Way;

  // Entry points: a way calculation and a building operation per start rule.
  virtual void ParseSelectWayCalc(TvnWayList& ways) = 0;
  virtual TastNode* ParseSelect() = 0;
  virtual void ParseObjectNameWayCalc(TvnWayList& ways) = 0;
  virtual TastNode* ParseObjectName() = 0;
  virtual void ParseExpressionWayCalc(TvnWayList& ways) = 0;
  virtual TastNode* ParseExpression() = 0;
  virtual void ParseSelectItemWayCalc(TvnWayList& ways) = 0;
  virtual TastNode* ParseSelectItem() = 0;
  virtual void ParseLogicalExpressionWayCalc(TvnWayList& ways) = 0;
  virtual TastNode* ParseLogicalExpression() = 0;

  // ---- way calculation ----
  // Every way consumes one token; ways whose token is not of kind are freed.
  void Expect(TvnWayList& ways, int32_t kind);
  // Keeps the ways whose next token is of kind (in kinds); true if any remain.
  bool CheckLAToken(TvnWayList& ways, int32_t kind);
  bool CheckLAToken(TvnWayList& ways, std::initializer_list<int32_t> kinds);
  bool CheckLAToken(TvnWayList& ways, const TvnTokenSet& kinds);
  // Keeps the ways whose next token is not of kind (not in kinds).
  bool CheckLANotToken(TvnWayList& ways, int32_t kind);
  bool CheckLANotToken(TvnWayList& ways, std::initializer_list<int32_t> kinds);
  // Keeps the ways whose next token's text is not in strings (as the list's
  // IndexOf finds it).
  bool CheckLANotIn(TvnWayList& ways, const TStrings& strings);
  static bool IsIntInArray(int32_t value, std::initializer_list<int32_t> array);
  // Replaces every way by a new child record with this choice.
  static void AddWayNode(TvnWayList& ways, int32_t choice);
  // Appends to target a new child record of every way, with this choice.
  static void ListAddWithWayNode(TvnWayList& target, const TvnWayList& ways, int32_t choice);
  // Frees every way that stands at the same token as an earlier way.
  void Deduplicate(TvnWayList& ways) {
    if (ways.size() > 1) MergeWays(ways);
  }
  // Runs the way calculation of one grammar element on ways.
  void WayCalc(TvnWayList& ways, const TvnGrammarElement* element);

  // ---- building pass ----
  // Copies the choices of the way ending at last into Way and forgets the
  // remembered outcomes, so that the way tree can be freed before building.
  void UnrollWay(const TvnWayPoint* last);
  // Moves to the next decision and returns its choice.
  int32_t GetWayNode();
  const TvnToken& Get();
  // The choice of the next decision record.
  int32_t NextChoice() { return GetWayNode(); }
  // Get() for a terminal whose kind the grammar fixes; a different token
  // means the building pass left the chosen way (std::logic_error).
  const TvnToken& Get(int32_t kind);
  const TvnToken& GetIn(std::initializer_list<int32_t> kinds);
  // True when the building pass read every record and token of the way.
  bool WayFullyBuilt() const;

 protected:
  // The grammar whose rules Rule elements refer to; set by the language.
  void UseGrammar(const TvnGrammar& grammar) { grammar_ = &grammar; }
  // Marks a rule whose outcomes are remembered (see MemoizeRules).
  void MemoizeRule(int32_t rule);

 private:
  const TvnGrammarElement* RuleBody(int32_t rule) const { return grammar_->Body(rule); }
  // Keeps, in order, the ways for which keep(way) holds; calls failed(way)
  // for each other way and frees it.
  template <class Keep, class Failed>
  void KeepOrFail(TvnWayList& ways, Keep keep, Failed failed) {
    size_t kept = 0;
    for (TvnWayPoint* way : ways) {
      if (keep(way)) {
        ways[kept++] = way;
        continue;
      }
      failed(way);
      way->RemoveFromParent();
    }
    ways.resize(kept);
  }
  // The kind of the token a way stands before.
  int32_t NextKind(const TvnWayPoint* way) const { return Scanner->GetToken(way->TokenIndex + 1).kind; }
  template <class Visit>
  void VisitWayBackwards(const TvnWayPoint* last, Visit visit) const;
  // The steps of WayCalc stay separate functions: the recursion repeats
  // their frames for every level of the text, so each keeps only its own.
  [[gnu::noinline]] void RunTerminal(TvnWayList& ways, const TvnGrammarElement* element);
  [[gnu::noinline]] void RunOption(TvnWayList& ways, const TvnGrammarElement* element);
  [[gnu::noinline]] void RunIteration(TvnWayList& ways, const TvnGrammarElement* element);
  [[gnu::noinline]] void RunAlternatives(TvnWayList& ways, const TvnGrammarElement* element);
  [[gnu::noinline]] void RunNesting(TvnWayList& ways, const TvnGrammarElement* element);
  void MergeWays(TvnWayList& ways);
  TvnWayList& AcquireList();
  void ReleaseLists(size_t count);
  // Frees every way whose next token is in neither set.
  void FailStuckWays(TvnWayList& ways, const TvnTokenSet& enter, const TvnTokenSet& leave);
  // Fails, as at an unexpected token, every way whose next token is in opening.
  void FailOpeningWays(TvnWayList& ways, const TvnTokenSet& opening);
  [[gnu::noinline]] void RunRule(TvnWayList& ways, int32_t rule);
  [[gnu::noinline]] void RunRememberedRule(TvnWayList& ways, int32_t rule);
  [[gnu::noinline]] bool ReplayOutcome(TvnWayList& ways, uint64_t key);
  [[gnu::noinline]] void StoreOutcome(const TvnWayList& ways, uint64_t key, const TvnWayPoint* start,
                                      bool shapedByLimits);

  // The outcome of a rule started by one way at one token: the way it
  // started from and the resulting ways, in order (kept records of the way
  // tree), how deep the calculation nested below its start, and whether a
  // way of it failed at a limit (then it holds only at the nesting it
  // started at).
  struct RuleOutcome {
    const TvnWayPoint* Start = nullptr;
    // (way, its token index when the rule ended); a way's token index moves
    // on as it consumes further tokens.
    std::vector<std::pair<const TvnWayPoint*, int32_t>> Ends;
    int32_t Nesting = 0;
    int32_t TreeDepth = 0;
    bool ShapedByLimits = false;
    int32_t StartNesting = 0;
    int32_t StartTreeDepth = 0;
  };
  // A graft record stands for the decisions from a remembered outcome's
  // start (exclusive) to one of its ways (inclusive); it is no decision
  // itself. Maps graft records to (start, end).
  std::unordered_map<const TvnWayPoint*, std::pair<const TvnWayPoint*, const TvnWayPoint*>> grafts_;
  std::vector<bool> memoizedRules_;
  // Per (rule, start token): at most one outcome not shaped by the limits,
  // and one shaped outcome per nesting the rule started at there.
  std::unordered_map<uint64_t, std::vector<RuleOutcome>> outcomes_;
  int32_t peakNesting_ = 0;
  int32_t peakTreeDepth_ = 0;
  int64_t limitFailures_ = 0;
  const TvnGrammar* grammar_ = nullptr;
  int32_t nesting_ = 0;
  int32_t treeDepth_ = 0;
  std::vector<uint32_t> seenStamp_;
  uint32_t stamp_ = 0;
};

// Class descriptor of a parser class: the virtual constructor a syntax
// provider names so that parse calls create the dialect's parser.
struct TvnParserClass {
  const char* ClassName;
  std::unique_ptr<TvnBaseParser> (*Create)(TvnBaseScanner* scanner, TastSyntaxProvider* syntaxProvider);
};
