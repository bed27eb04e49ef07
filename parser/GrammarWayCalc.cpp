// The way calculation as an interpreter over grammar elements. Each element
// takes the live ways and leaves the ways that can continue after it;
// options put the ways that took them first, repetitions the ways with fewer
// repetitions, alternatives group the ways by alternative number. That
// order decides which complete parse is built.

#include <algorithm>

#include "parser/BaseParser.h"
#include "platform/core/Strings.h"

void TvnBaseParser::WayCalc(TvnWayList& ways, const TvnGrammarElement* e) {
  if (ways.empty()) return;
  switch (e->Kind) {
    case TvnElementKind::Terminal:
      Expect(ways, e->Value);
      if (e->Has(efInt32)) {
        // A size beyond the 32-bit range fails like a wrong token.
        size_t kept = 0;
        for (TvnWayPoint* way : ways) {
          int value = 0;
          if (TryStrToInt(Scanner->GetToken(way->TokenIndex).val, value)) {
            ways[kept++] = way;
            continue;
          }
          ErrorTokenIndex = std::max(ErrorTokenIndex, way->TokenIndex);
          way->RemoveFromParent();
        }
        ways.resize(kept);
      }
      break;
    case TvnElementKind::Rule:
      WayCalc(ways, RuleBody(e->Value));
      if (DeduplicateWays) Deduplicate(ways);
      break;
    case TvnElementKind::Sequence:
      for (const TvnGrammarElement* item : e->Items) {
        if (ways.empty()) break;
        WayCalc(ways, item);
      }
      break;
    case TvnElementKind::Option:
      RunOption(ways, e);
      break;
    case TvnElementKind::Iteration:
      RunIteration(ways, e);
      break;
    case TvnElementKind::Alternatives:
      RunAlternatives(ways, e);
      break;
    case TvnElementKind::Empty:
      break;  // only reached as an alternative, handled there
    case TvnElementKind::Nesting:
      RunNesting(ways, e);
      break;
  }
}

void TvnBaseParser::RunOption(TvnWayList& ways, const TvnGrammarElement* e) {
  TvnWayList skip = ways;
  if (e->Has(efFollowTest)) CheckLAToken(skip, e->Follow);
  AddWayNode(skip, 0);
  if (CheckLAToken(ways, e->Items[0]->First)) {
    AddWayNode(ways, 1);
    WayCalc(ways, e->Items[0]);
  }
  ways.insert(ways.end(), skip.begin(), skip.end());
  if (DeduplicateWays) Deduplicate(ways);
}

void TvnBaseParser::RunIteration(TvnWayList& ways, const TvnGrammarElement* e) {
  TvnWayList result = ways;
  if (e->Has(efFollowTest)) CheckLAToken(result, e->Follow);
  AddWayNode(result, 0);
  const int32_t savedDepth = treeDepth_;
  while (!ways.empty()) {
    if (!CheckLAToken(ways, e->Items[0]->First)) break;
    AddWayNode(ways, 1);
    // The stops already in result hang below these ways, so only the new
    // repetition records fail when the chain gets too deep.
    if (e->Has(efDeepensTree) && ++treeDepth_ > vnMaxTreeDepth) {
      FailOpeningWays(ways, e->Items[0]->First);
      break;
    }
    WayCalc(ways, e->Items[0]);
    ListAddWithWayNode(result, ways, 0);
  }
  treeDepth_ = savedDepth;
  ways.swap(result);
  if (DeduplicateWays) Deduplicate(ways);
}

void TvnBaseParser::RunAlternatives(TvnWayList& ways, const TvnGrammarElement* e) {
  const TvnWayList start = ways;
  TvnWayList result;
  TvnWayList list;
  for (size_t i = 0; i < e->Items.size(); ++i) {
    const TvnGrammarElement* alternative = e->Items[i];
    list = start;
    if (alternative->Kind == TvnElementKind::Empty) {
      if (alternative->Has(efUnlessLeftOperandRequired) && RequireLeftOperand) continue;
      if (alternative->Has(efFollowTest)) CheckLAToken(list, alternative->Follow);
      AddWayNode(list, static_cast<int32_t>(i));
    } else if (CheckLAToken(list, alternative->First)) {
      AddWayNode(list, static_cast<int32_t>(i));
      WayCalc(list, alternative);
    }
    result.insert(result.end(), list.begin(), list.end());
  }
  ways.swap(result);
  if (DeduplicateWays) Deduplicate(ways);
}

// A way that would open a level beyond the limits fails at the opening
// token, as at an unexpected token; the other ways cannot open the level and
// fail inside it as usual. So a text fails only when no reading of it stays
// within the limits, and the stack stays bounded.
void TvnBaseParser::RunNesting(TvnWayList& ways, const TvnGrammarElement* e) {
  if (nesting_ + 1 > vnMaxNestingLevel || treeDepth_ + 1 > vnMaxTreeDepth) FailOpeningWays(ways, e->First);
  ++nesting_;
  ++treeDepth_;
  WayCalc(ways, e->Items[0]);
  --nesting_;
  --treeDepth_;
}

void TvnBaseParser::FailOpeningWays(TvnWayList& ways, const TvnTokenSet& opening) {
  size_t kept = 0;
  for (TvnWayPoint* way : ways) {
    const int32_t next = way->TokenIndex + 1;
    if (!opening.Contains(Scanner->GetToken(next).kind)) {
      ways[kept++] = way;
      continue;
    }
    ErrorTokenIndex = std::max(ErrorTokenIndex, next);
    way->RemoveFromParent();
  }
  ways.resize(kept);
}
