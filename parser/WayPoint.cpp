#include "parser/WayPoint.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <utility>
#include <vector>

namespace {

// Records alive on threads that have ended (normally none).
std::atomic<int64_t> leftRecords{0};

// Fixed-size blocks carved from large chunks, with a free list; the chunks
// are returned when the thread ends.
class RecordPool {
 public:
  RecordPool() = default;
  RecordPool(const RecordPool&) = delete;
  RecordPool& operator=(const RecordPool&) = delete;
  ~RecordPool() {
    leftRecords.fetch_add(Live, std::memory_order_relaxed);
    for (void* chunk : chunks_) ::operator delete(chunk);
  }

  // Records of this thread alive now, and made so far.
  int64_t Live = 0;
  int64_t Made = 0;

  void* Take() {
    void* block;
    if (free_ != nullptr) {
      block = free_;
      free_ = free_->Next;
    } else {
      if (used_ == kBlocksPerChunk) {
        if (nextChunk_ == chunks_.size()) {
          chunks_.reserve(chunks_.size() + 1);
          chunks_.push_back(::operator new(kBlocksPerChunk * kBlockSize));
        }
        carved_ = static_cast<char*>(chunks_[nextChunk_++]);
        used_ = 0;
      }
      block = carved_ + kBlockSize * used_++;
    }
    ++Live;
    ++Made;
    return block;
  }

  // With no record alive, returns the chunks beyond the first few to the C
  // heap, so that one large parse does not keep its records' memory.
  void Trim() {
    if (Live != 0) return;
    for (size_t i = kRetainedChunks; i < chunks_.size(); ++i) ::operator delete(chunks_[i]);
    if (chunks_.size() > kRetainedChunks) chunks_.resize(kRetainedChunks);
    chunks_.shrink_to_fit();
    free_ = nullptr;
    nextChunk_ = 0;
    used_ = kBlocksPerChunk;
  }

  void Give(void* block) {
    --Live;
    auto* freed = static_cast<FreeBlock*>(block);
    freed->Next = free_;
    free_ = freed;
  }

 private:
  struct FreeBlock {
    FreeBlock* Next;
  };
  static constexpr size_t kBlockSize = (sizeof(TvnWayPoint) + alignof(TvnWayPoint) - 1) / alignof(TvnWayPoint) *
                                       alignof(TvnWayPoint);
  // Chunks stay below the size the C heap maps separately.
  static constexpr size_t kBlocksPerChunk = 1024;
  static constexpr size_t kRetainedChunks = 4;
  std::vector<void*> chunks_;
  // The chunk being carved, the blocks taken from it, and the next chunk to
  // carve.
  char* carved_ = nullptr;
  size_t used_ = kBlocksPerChunk;
  size_t nextChunk_ = 0;
  FreeBlock* free_ = nullptr;
};

RecordPool& Pool() {
  thread_local RecordPool pool;
  return pool;
}

}  // namespace

void* TvnWayPoint::operator new(size_t size) {
  if (size != sizeof(TvnWayPoint)) return ::operator new(size);
  return Pool().Take();
}

void TvnWayPoint::operator delete(void* record, size_t size) noexcept {
  if (record == nullptr) return;
  if (size != sizeof(TvnWayPoint)) return ::operator delete(record);
  Pool().Give(record);
}

TvnWayPoint::TvnWayPoint(TvnWayPoint* parent) : Parent(parent) {
  if (parent != nullptr) {
    nextSibling_ = parent->firstChild_;
    parent->firstChild_ = this;
    TokenIndex = parent->TokenIndex;
  }
}

// A way can hold a record for every decision of a long text, so the subtree
// is freed without recursion: the children of each freed record join the
// front of the pending list. Records hold nothing to destroy, so the records
// below go straight back to the pool.
TvnWayPoint::~TvnWayPoint() {
  RecordPool& pool = Pool();
  TvnWayPoint* pending = firstChild_;
  while (pending != nullptr) {
    TvnWayPoint* record = pending;
    pending = record->nextSibling_;
    if (record->firstChild_ != nullptr) {
      TvnWayPoint* last = record->firstChild_;
      while (last->nextSibling_ != nullptr) last = last->nextSibling_;
      last->nextSibling_ = pending;
      pending = record->firstChild_;
    }
    pool.Give(record);
  }
}

int64_t TvnWayPoint::GetCount() const {
  int64_t count = 0;
  std::vector<const TvnWayPoint*> pending;
  for (const TvnWayPoint* child = firstChild_; child != nullptr; child = child->nextSibling_) pending.push_back(child);
  while (!pending.empty()) {
    const TvnWayPoint* record = pending.back();
    pending.pop_back();
    ++count;
    for (const TvnWayPoint* child = record->firstChild_; child != nullptr; child = child->nextSibling_)
      pending.push_back(child);
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
    for (const TvnWayPoint* child = record->firstChild_; child != nullptr; child = child->nextSibling_)
      pending.emplace_back(child, depth + 1);
  }
  return deepest;
}

void TvnWayPoint::RemoveFromParent() {
  if (Kept || Parent == nullptr) return;
  TvnWayPoint* record = this;
  for (;;) {
    TvnWayPoint* parent = record->Parent;
    TvnWayPoint** link = &parent->firstChild_;
    while (*link != nullptr && *link != record) link = &(*link)->nextSibling_;
    if (*link == record) *link = record->nextSibling_;
    record->Parent = nullptr;
    record->nextSibling_ = nullptr;
    delete record;
    if (parent->HasChildren() || parent->Kept || parent->Held || parent->Parent == nullptr) return;
    record = parent;
  }
}

int64_t TvnWayPoint::LiveCount() { return leftRecords.load(std::memory_order_relaxed) + Pool().Live; }

int64_t TvnWayPoint::MadeCount() { return Pool().Made; }

void TvnWayPoint::TrimPool() { Pool().Trim(); }
