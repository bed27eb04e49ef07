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
      RunTerminal(ways, e);
      break;
    case TvnElementKind::Rule:
      RunRule(ways, e->Value);
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

void TvnBaseParser::RunTerminal(TvnWayList& ways, const TvnGrammarElement* e) {
  Expect(ways, e->Value);
  if (!e->Has(efInt32)) return;
  // A size beyond the 32-bit range fails like a wrong token.
  KeepOrFail(
      ways,
      [this](const TvnWayPoint* way) {
        int value = 0;
        return TryStrToInt(Scanner->GetToken(way->TokenIndex).val, value);
      },
      [this](const TvnWayPoint* way) { ErrorTokenIndex = std::max(ErrorTokenIndex, way->TokenIndex); });
}

namespace {

// Way lists for the composite elements come from a pool of the thread, used
// last in, first out, so that recursion keeps no lists on the stack and
// later parses reuse the lists' storage.
struct WayListPool {
  std::vector<std::unique_ptr<TvnWayList>> Lists;
  size_t InUse = 0;
};

WayListPool& ListPool() {
  thread_local WayListPool pool;
  return pool;
}

}  // namespace

TvnWayList& TvnBaseParser::AcquireList() {
  WayListPool& pool = ListPool();
  if (pool.InUse == pool.Lists.size()) pool.Lists.push_back(std::make_unique<TvnWayList>());
  TvnWayList& list = *pool.Lists[pool.InUse++];
  list.clear();
  return list;
}

void TvnBaseParser::ReleaseLists(size_t count) { ListPool().InUse -= count; }

void TvnBaseParser::RunOption(TvnWayList& ways, const TvnGrammarElement* e) {
  // A single way before a token that allows only one of taking and skipping
  // needs no second list.
  if (ways.size() == 1) {
    const int32_t next = Scanner->GetToken(ways.front()->TokenIndex + 1).kind;
    const bool take = e->BodyFirst.Contains(next);
    const bool skip = !e->Has(efFollowTest) || e->Follow.Contains(next);
    if (!take || !skip) {
      if (!take && !skip) {
        ways.front()->RemoveFromParent();
        ways.clear();
      } else if (!take) {
        AddWayNode(ways, 0);
      } else {
        AddWayNode(ways, 1);
        WayCalc(ways, e->Items[0]);
        if (DeduplicateWays) Deduplicate(ways);
      }
      return;
    }
  }
  if (e->Has(efFollowTest)) FailStuckWays(ways, e->BodyFirst, e->Follow);
  TvnWayList& skip = AcquireList();
  skip = ways;
  if (e->Has(efFollowTest)) CheckLAToken(skip, e->Follow);
  AddWayNode(skip, 0);
  if (CheckLAToken(ways, e->BodyFirst)) {
    AddWayNode(ways, 1);
    WayCalc(ways, e->Items[0]);
  }
  ways.insert(ways.end(), skip.begin(), skip.end());
  ReleaseLists(1);
  if (DeduplicateWays) Deduplicate(ways);
}

void TvnBaseParser::RunIteration(TvnWayList& ways, const TvnGrammarElement* e) {
  // A single way before a token that cannot begin a repetition stops here,
  // or dies when it may not stop before that token.
  if (ways.size() == 1 && !e->BodyFirst.Contains(NextKind(ways.front()))) {
    if (!e->Has(efFollowTest) || e->Follow.Contains(NextKind(ways.front()))) {
      AddWayNode(ways, 0);
    } else {
      ways.front()->RemoveFromParent();
      ways.clear();
    }
    return;
  }
  if (e->Has(efFollowTest)) FailStuckWays(ways, e->BodyFirst, e->Follow);
  TvnWayList& result = AcquireList();
  result = ways;
  if (e->Has(efFollowTest)) CheckLAToken(result, e->Follow);
  AddWayNode(result, 0);
  const int32_t savedDepth = treeDepth_;
  while (!ways.empty()) {
    if (!CheckLAToken(ways, e->BodyFirst)) break;
    AddWayNode(ways, 1);
    // The stops already in result hang below these ways, so only the new
    // repetition records fail when the chain gets too deep.
    if (e->Has(efDeepensTree)) {
      if (treeDepth_ + 1 > MaxTreeDepth) {
        FailOpeningWays(ways, e->BodyFirst);
        break;
      }
      peakTreeDepth_ = std::max(peakTreeDepth_, ++treeDepth_);
    }
    WayCalc(ways, e->Items[0]);
    ListAddWithWayNode(result, ways, 0);
  }
  treeDepth_ = savedDepth;
  ways.swap(result);
  ReleaseLists(1);
  if (DeduplicateWays) Deduplicate(ways);
}

void TvnBaseParser::RunAlternatives(TvnWayList& ways, const TvnGrammarElement* e) {
  // The element lists, per token kind, the alternatives that can begin with
  // it and the empty ones; only those are tried. When every way stands
  // before a token of the same kind, each of them takes every way.
  const int32_t kind = NextKind(ways.front());
  const bool oneKind = std::all_of(ways.begin() + 1, ways.end(),
                                   [this, kind](const TvnWayPoint* way) { return NextKind(way) == kind; });
  if (oneKind) {
    const int16_t sole = e->SoleAlternativeBefore[kind];
    if (sole == vnNoAlternative) {
      for (TvnWayPoint* way : ways) way->RemoveFromParent();
      ways.clear();
      return;
    }
    // With a single non-empty alternative to try, the ways continue in place.
    if (sole != vnSeveralAlternatives) {
      AddWayNode(ways, sole);
      WayCalc(ways, e->Items[sole]);
      if (DeduplicateWays) Deduplicate(ways);
      return;
    }
  }
  const std::vector<uint16_t>& candidates = e->AlternativesBefore[kind];
  TvnBitSet256 tried;
  if (!oneKind)
    for (const TvnWayPoint* way : ways)
      for (uint16_t i : e->AlternativesBefore[NextKind(way)]) tried.Include(i);
  TvnWayList& start = AcquireList();
  start = ways;
  // The start records stay while the alternatives try them one by one.
  for (TvnWayPoint* way : start) way->Held = true;
  TvnWayList& result = AcquireList();
  TvnWayList& list = AcquireList();
  const auto tryAlternative = [&](int32_t i) {
    const TvnGrammarElement* alternative = e->Items[i];
    list = start;
    if (alternative->Kind == TvnElementKind::Empty) {
      if (alternative->Has(efUnlessLeftOperandRequired) && RequireLeftOperand) return;
      if (alternative->Has(efFollowTest)) CheckLAToken(list, alternative->Follow);
      AddWayNode(list, i);
    } else if (oneKind || CheckLAToken(list, alternative->First)) {
      AddWayNode(list, i);
      WayCalc(list, alternative);
    }
    result.insert(result.end(), list.begin(), list.end());
  };
  if (oneKind) {
    for (uint16_t i : candidates) tryAlternative(i);
  } else {
    for (int32_t i = tried.Next(0); i < charSetSize; i = tried.Next(i + 1)) tryAlternative(i);
  }
  for (TvnWayPoint* way : start) {
    way->Held = false;
    if (!way->HasChildren()) way->RemoveFromParent();  // no alternative took it
  }
  ways.swap(result);
  ReleaseLists(3);
  if (DeduplicateWays) Deduplicate(ways);
}

// A way that would open a level beyond the limits fails at the opening
// token, as at an unexpected token; the other ways cannot open the level and
// fail inside it as usual. So a text fails only when no reading of it stays
// within the limits, and the stack stays bounded. Only a level that was
// allowed counts as reached: a remembered outcome that merely passed a
// refused level with ways that could not open it holds wherever its allowed
// levels fit.
void TvnBaseParser::RunNesting(TvnWayList& ways, const TvnGrammarElement* e) {
  const bool refused = nesting_ + 1 > MaxNestingLevel || treeDepth_ + 1 > MaxTreeDepth;
  if (refused) FailOpeningWays(ways, e->First);
  ++nesting_;
  ++treeDepth_;
  if (!refused) {
    peakNesting_ = std::max(peakNesting_, nesting_);
    peakTreeDepth_ = std::max(peakTreeDepth_, treeDepth_);
  }
  WayCalc(ways, e->Items[0]);
  --nesting_;
  --treeDepth_;
}

// A way before a token that neither begins the body of an option or
// repetition nor may follow it dies here; the look-ahead tests that split
// the list would only drop it from both parts.
void TvnBaseParser::FailStuckWays(TvnWayList& ways, const TvnTokenSet& enter, const TvnTokenSet& leave) {
  KeepOrFail(
      ways,
      [this, &enter, &leave](const TvnWayPoint* way) {
        const int32_t next = NextKind(way);
        return enter.Contains(next) || leave.Contains(next);
      },
      [](const TvnWayPoint*) {});
}

void TvnBaseParser::FailOpeningWays(TvnWayList& ways, const TvnTokenSet& opening) {
  KeepOrFail(
      ways, [this, &opening](const TvnWayPoint* way) { return !opening.Contains(NextKind(way)); },
      [this](const TvnWayPoint* way) {
        ++limitFailures_;
        ErrorTokenIndex = std::max(ErrorTokenIndex, way->TokenIndex + 1);
      });
}

void TvnBaseParser::MemoizeRule(int32_t rule) {
  if (rule >= static_cast<int32_t>(memoizedRules_.size())) memoizedRules_.resize(rule + 1, false);
  memoizedRules_[rule] = true;
}

void TvnBaseParser::RunRule(TvnWayList& ways, int32_t rule) {
  const bool remembered = MemoizeRules && ways.size() == 1 && rule < static_cast<int32_t>(memoizedRules_.size()) &&
                          memoizedRules_[rule];
  if (remembered) {
    RunRememberedRule(ways, rule);
    return;
  }
  WayCalc(ways, RuleBody(rule));
  if (DeduplicateWays) Deduplicate(ways);
}

// The calculation of a rule depends only on the token it starts at and on
// the nesting left to it; failures inside it already raised ErrorTokenIndex
// the first time. An outcome in which no way failed at a limit is reused
// wherever the limits leave room for the nesting it reached; one shaped by
// the limits only at the same nesting. A reuse counts for the enclosing
// calculation as if the rule had run: its nesting and its limit failures.
void TvnBaseParser::RunRememberedRule(TvnWayList& ways, int32_t rule) {
  TvnWayPoint* const start = ways.front();
  const uint64_t key = (static_cast<uint64_t>(rule) << 32) | static_cast<uint32_t>(start->TokenIndex + 1);
  if (ReplayOutcome(ways, key)) return;
  const int32_t savedPeakNesting = peakNesting_, savedPeakTreeDepth = peakTreeDepth_;
  const int64_t savedLimitFailures = limitFailures_;
  const int64_t savedMade = TvnWayPoint::MadeCount();
  peakNesting_ = nesting_;
  peakTreeDepth_ = treeDepth_;
  WayCalc(ways, RuleBody(rule));
  if (DeduplicateWays) Deduplicate(ways);
  // A calculation that made few records is cheaper to repeat than to keep.
  if (TvnWayPoint::MadeCount() - savedMade >= MinRememberedRecords)
    StoreOutcome(ways, key, start, limitFailures_ != savedLimitFailures);
  peakNesting_ = std::max(savedPeakNesting, peakNesting_);
  peakTreeDepth_ = std::max(savedPeakTreeDepth, peakTreeDepth_);
}

// Kept out of RunRememberedRule so that its frame, which recursion repeats
// for every nesting level, stays small.
bool TvnBaseParser::ReplayOutcome(TvnWayList& ways, uint64_t key) {
  const auto found = outcomes_.find(key);
  if (found == outcomes_.end()) return false;
  const auto fits = [this](const RuleOutcome& outcome) {
    return outcome.ShapedByLimits ? nesting_ == outcome.StartNesting && treeDepth_ == outcome.StartTreeDepth
                                  : nesting_ + outcome.Nesting <= MaxNestingLevel &&
                                        treeDepth_ + outcome.TreeDepth <= MaxTreeDepth;
  };
  const auto fitting = std::find_if(found->second.begin(), found->second.end(), fits);
  if (fitting == found->second.end()) return false;
  const RuleOutcome& outcome = *fitting;
  peakNesting_ = std::max(peakNesting_, nesting_ + outcome.Nesting);
  peakTreeDepth_ = std::max(peakTreeDepth_, treeDepth_ + outcome.TreeDepth);
  if (outcome.ShapedByLimits) ++limitFailures_;
  TvnWayPoint* const start = ways.front();
  ways.clear();
  if (outcome.Ends.empty()) start->RemoveFromParent();
  for (const auto& [end, tokenIndex] : outcome.Ends) {
    auto* graft = new TvnWayPoint(start);
    graft->TokenIndex = tokenIndex;
    graft->Graft = true;
    // A freed graft record's place may serve a new one.
    grafts_.insert_or_assign(graft, std::make_pair(outcome.Start, end));
    ways.push_back(graft);
  }
  return true;
}

// Only outcomes whose ways all lie below the start can be copied.
void TvnBaseParser::StoreOutcome(const TvnWayList& ways, uint64_t key, const TvnWayPoint* start, bool shapedByLimits) {
  if (std::find(ways.begin(), ways.end(), start) != ways.end()) return;
  RuleOutcome outcome;
  outcome.Nesting = peakNesting_ - nesting_;
  outcome.TreeDepth = peakTreeDepth_ - treeDepth_;
  outcome.ShapedByLimits = shapedByLimits;
  outcome.StartNesting = nesting_;
  outcome.StartTreeDepth = treeDepth_;
  // When every way failed, the start may have been freed with them.
  outcome.Start = ways.empty() ? nullptr : start;
  for (TvnWayPoint* way : ways) {
    way->Kept = true;
    outcome.Ends.emplace_back(way, way->TokenIndex);
  }
  std::vector<RuleOutcome>& stored = outcomes_[key];
  // An outcome free of the limits holds wherever it fits, so it replaces one
  // that did not fit here; shaped outcomes are kept per starting nesting.
  if (!shapedByLimits)
    stored.erase(std::remove_if(stored.begin(), stored.end(),
                                [](const RuleOutcome& kept) { return !kept.ShapedByLimits; }),
                 stored.end());
  stored.push_back(std::move(outcome));
}
