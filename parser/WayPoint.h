#pragma once
// Decision records of the way calculation. A way is a chain of records from
// the root; each record remembers the alternative taken at one decision of
// the grammar and the last token consumed. A record owns the records that
// continue it, so freeing the root frees every way.

#include <cstddef>
#include <cstdint>
#include <vector>

class TvnWayPoint {
 public:
  // With a parent, the record becomes the parent's newest child and copies
  // its TokenIndex; without one, TokenIndex is -1.
  explicit TvnWayPoint(TvnWayPoint* parent = nullptr);
  ~TvnWayPoint();
  TvnWayPoint(const TvnWayPoint&) = delete;
  TvnWayPoint& operator=(const TvnWayPoint&) = delete;

  // Records come from a pool of the thread that makes them (a parse makes
  // thousands); a record must be freed on that thread.
  static void* operator new(size_t size);
  static void operator delete(void* record, size_t size) noexcept;

  TvnWayPoint* Parent = nullptr;
  int32_t TokenIndex = -1;
  // The alternative taken; a grammar element has far fewer than 32,768.
  int16_t Choice = 0;
  // A kept record stays in the tree when its way fails: remembered rule
  // outcomes refer to it until the way tree is freed.
  bool Kept : 1 = false;
  // A graft record stands for a stretch of decisions remembered elsewhere
  // (see TvnBaseParser::UnrollWay); it is no decision itself.
  bool Graft : 1 = false;
  // A held record is a way that a list of the calculation still holds while
  // it tries several continuations; it stays when one of them fails.
  bool Held : 1 = false;

  // Number of records below this one, and the length of the longest chain
  // from this record down (1 for a leaf).
  int64_t GetCount() const;
  int32_t GetDepth() const;
  bool HasChildren() const { return firstChild_ != nullptr; }
  // Unlinks this record from its parent and frees it with everything below,
  // and so every record above that led only to it, up to the first one that
  // continues otherwise, is kept or held. A kept record stays where it is,
  // and so does a root (it belongs to whoever made it).
  void RemoveFromParent();

  // Records alive on this thread and left alive by threads that have ended,
  // for leak checks in tests.
  static int64_t LiveCount();
  // Records made on this thread so far.
  static int64_t MadeCount();
  // When no record of this thread is alive, gives most of the pool's memory
  // back to the C heap.
  static void TrimPool();

 private:
  // The children form a list from the newest: a way that fails is usually
  // the newest child of its parent.
  TvnWayPoint* firstChild_ = nullptr;
  TvnWayPoint* nextSibling_ = nullptr;
};

// The live ways at one point of the grammar; removing a way from a list
// never frees it.
using TvnWayList = std::vector<TvnWayPoint*>;
