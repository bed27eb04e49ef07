#include "parser/BaseParser.h"

#include <algorithm>
#include <stdexcept>

#include "platform/core/AbstractStrings.h"

TvnBaseParser::TvnBaseParser(TvnBaseScanner* scanner, TastSyntaxProvider* syntaxProvider)
    : Scanner(scanner), SyntaxProvider(syntaxProvider) {}

void TvnBaseParser::Expect(TvnWayList& ways, int32_t kind) {
  KeepOrFail(
      ways, [this, kind](TvnWayPoint* way) { return Scanner->GetToken(++way->TokenIndex).kind == kind; },
      [this](const TvnWayPoint* way) { ErrorTokenIndex = std::max(ErrorTokenIndex, way->TokenIndex); });
}

namespace {
template <class Keep>
bool KeepWays(TvnWayList& ways, const TvnBaseScanner& scanner, Keep keep) {
  size_t kept = 0;
  for (TvnWayPoint* way : ways)
    if (keep(scanner.GetToken(way->TokenIndex + 1))) ways[kept++] = way;
  ways.resize(kept);
  return kept > 0;
}
}  // namespace

bool TvnBaseParser::CheckLAToken(TvnWayList& ways, int32_t kind) {
  return KeepWays(ways, *Scanner, [kind](const TvnToken& t) { return t.kind == kind; });
}

bool TvnBaseParser::CheckLAToken(TvnWayList& ways, std::initializer_list<int32_t> kinds) {
  return KeepWays(ways, *Scanner, [kinds](const TvnToken& t) { return IsIntInArray(t.kind, kinds); });
}

bool TvnBaseParser::CheckLAToken(TvnWayList& ways, const TvnTokenSet& kinds) {
  return KeepWays(ways, *Scanner, [&kinds](const TvnToken& t) { return kinds.Contains(t.kind); });
}

bool TvnBaseParser::CheckLANotToken(TvnWayList& ways, int32_t kind) {
  return KeepWays(ways, *Scanner, [kind](const TvnToken& t) { return t.kind != kind; });
}

bool TvnBaseParser::CheckLANotToken(TvnWayList& ways, std::initializer_list<int32_t> kinds) {
  return KeepWays(ways, *Scanner, [kinds](const TvnToken& t) { return !IsIntInArray(t.kind, kinds); });
}

bool TvnBaseParser::CheckLANotIn(TvnWayList& ways, const TStrings& strings) {
  return KeepWays(ways, *Scanner, [&strings](const TvnToken& t) { return strings.IndexOf(t.val) < 0; });
}

bool TvnBaseParser::IsIntInArray(int32_t value, std::initializer_list<int32_t> array) {
  return std::find(array.begin(), array.end(), value) != array.end();
}

void TvnBaseParser::AddWayNode(TvnWayList& ways, int32_t choice) {
  for (TvnWayPoint*& way : ways) {
    way = new TvnWayPoint(way);
    way->Choice = static_cast<int16_t>(choice);
  }
}

void TvnBaseParser::ListAddWithWayNode(TvnWayList& target, const TvnWayList& ways, int32_t choice) {
  for (TvnWayPoint* way : ways) {
    auto* record = new TvnWayPoint(way);
    record->Choice = static_cast<int16_t>(choice);
    target.push_back(record);
  }
}

void TvnBaseParser::MergeWays(TvnWayList& ways) {
  // Short lists are compared way by way; longer ones mark the tokens seen.
  constexpr size_t kShortList = 8;
  if (ways.size() <= kShortList) {
    size_t kept = 0;
    for (TvnWayPoint* way : ways) {
      const bool seen = std::any_of(ways.begin(), ways.begin() + static_cast<long>(kept),
                                    [way](const TvnWayPoint* earlier) { return earlier->TokenIndex == way->TokenIndex; });
      if (seen) {
        way->RemoveFromParent();
        continue;
      }
      ways[kept++] = way;
    }
    ways.resize(kept);
    return;
  }
  if (seenStamp_.size() < static_cast<size_t>(Scanner->TokenCount()) + 1)
    seenStamp_.assign(static_cast<size_t>(Scanner->TokenCount()) + 1, 0);
  if (++stamp_ == 0) {
    std::fill(seenStamp_.begin(), seenStamp_.end(), 0);
    stamp_ = 1;
  }
  size_t kept = 0;
  for (TvnWayPoint* way : ways) {
    // A way's TokenIndex lies in -1 .. last token index.
    uint32_t& seen = seenStamp_[static_cast<size_t>(way->TokenIndex + 1)];
    if (seen == stamp_) {
      way->RemoveFromParent();
      continue;
    }
    seen = stamp_;
    ways[kept++] = way;
  }
  ways.resize(kept);
}

// Calls visit with the choice of every decision from last back to the root,
// expanding every graft record into the stretch of decisions it stands for
// (grafts nest: a stretch can hold grafts of its own).
template <class Visit>
void TvnBaseParser::VisitWayBackwards(const TvnWayPoint* last, Visit visit) const {
  std::vector<std::pair<const TvnWayPoint*, const TvnWayPoint*>> pending{{last, nullptr}};  // (from, stop)
  while (!pending.empty()) {
    auto [record, stop] = pending.back();
    pending.pop_back();
    for (; record != stop; record = record->Parent) {
      if (!record->Graft) {
        visit(record->Choice);
        continue;
      }
      const auto graft = grafts_.find(record);
      // The stretch comes before the graft's parent's records in reverse.
      pending.emplace_back(record->Parent, stop);
      pending.emplace_back(graft->second.second, graft->second.first);
      break;
    }
  }
}

// The way of a long text holds hundreds of thousands of decisions, so the
// choices are counted first and the copy is made at its final size.
void TvnBaseParser::UnrollWay(const TvnWayPoint* last) {
  outcomes_ = {};
  seenStamp_ = {};
  size_t count = 0;
  VisitWayBackwards(last, [&count](int16_t) { ++count; });
  Way.assign(count, 0);
  VisitWayBackwards(last, [this, &count](int16_t choice) { Way[--count] = choice; });
  grafts_ = {};
  WayIndex = -1;
  CurrentToken = nullptr;
  TokenIndex = -1;
  ErrorTokenIndex = -1;
}

int32_t TvnBaseParser::GetWayNode() {
  ++WayIndex;
  if (WayIndex >= static_cast<int32_t>(Way.size()))
    throw std::logic_error("building pass read past the chosen way");
  return Way[WayIndex];
}

const TvnToken& TvnBaseParser::Get() {
  ++TokenIndex;
  CurrentToken = &Scanner->GetToken(TokenIndex);
  return *CurrentToken;
}

const TvnToken& TvnBaseParser::Get(int32_t kind) {
  const TvnToken& token = Get();
  if (token.kind != kind) throw std::logic_error("building pass left the chosen way at token " + token.val);
  return token;
}

const TvnToken& TvnBaseParser::GetIn(std::initializer_list<int32_t> kinds) {
  const TvnToken& token = Get();
  if (!IsIntInArray(token.kind, kinds))
    throw std::logic_error("building pass left the chosen way at token " + token.val);
  return token;
}

bool TvnBaseParser::WayFullyBuilt() const {
  return WayIndex + 1 == static_cast<int32_t>(Way.size()) && TokenIndex + 2 == Scanner->TokenCount();
}
