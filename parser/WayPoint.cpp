#include "parser/WayPoint.h"

#include <algorithm>
#include <atomic>

namespace {
std::atomic<int64_t> liveRecords{0};
}  // namespace

TvnWayPoint::TvnWayPoint(TvnWayPoint* parent) : Parent(parent) {
  liveRecords.fetch_add(1, std::memory_order_relaxed);
  if (parent != nullptr) {
    parent->children_.push_back(this);
    TokenIndex = parent->TokenIndex;
  }
}

// A way can hold a record for every decision of a long text, so the subtree
// is freed with an explicit stack instead of recursion.
TvnWayPoint::~TvnWayPoint() {
  liveRecords.fetch_sub(1, std::memory_order_relaxed);
  std::vector<TvnWayPoint*> pending;
  pending.swap(children_);
  while (!pending.empty()) {
    TvnWayPoint* record = pending.back();
    pending.pop_back();
    pending.insert(pending.end(), record->children_.begin(), record->children_.end());
    record->children_.clear();
    delete record;
  }
}

int64_t TvnWayPoint::GetCount() const {
  int64_t count = 0;
  std::vector<const TvnWayPoint*> pending(children_.begin(), children_.end());
  while (!pending.empty()) {
    const TvnWayPoint* record = pending.back();
    pending.pop_back();
    ++count;
    pending.insert(pending.end(), record->children_.begin(), record->children_.end());
  }
  return count;
}

int32_t TvnWayPoint::GetDepth() const {
  int32_t deepest = 0;
  std::vector<std::pair<const TvnWayPoint*, int32_t>> pending{{this, 1}};
  while (!pending.empty()) {
    auto [record, depth] = pending.back();
    pending.pop_back();
    deepest = std::max(deepest, depth);
    for (const TvnWayPoint* child : record->children_) pending.emplace_back(child, depth + 1);
  }
  return deepest;
}

void TvnWayPoint::RemoveFromParent() {
  if (Kept) return;
  if (Parent != nullptr) {
    auto& siblings = Parent->children_;
    // The record is usually the newest child, so search from the back.
    auto found = std::find(siblings.rbegin(), siblings.rend(), this);
    if (found != siblings.rend()) siblings.erase(std::next(found).base());
    Parent = nullptr;
  }
  delete this;
}

int64_t TvnWayPoint::LiveCount() { return liveRecords.load(std::memory_order_relaxed); }
