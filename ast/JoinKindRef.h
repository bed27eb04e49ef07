#pragma once
// A counted reference to a join kind. FROM sources share their join kind with
// copies and with the query model; the join kind is freed when the last
// reference lets go of it, so a discarded parse leaks none and a copy never
// reads a freed one.

class TSQLJoinKind;

class TSQLJoinKindRef {
 public:
  TSQLJoinKindRef() = default;
  TSQLJoinKindRef(TSQLJoinKind* Kind);  // NOLINT: implicit, like a plain pointer
  TSQLJoinKindRef(const TSQLJoinKindRef& Other);
  TSQLJoinKindRef& operator=(const TSQLJoinKindRef& Other);
  TSQLJoinKindRef& operator=(TSQLJoinKind* Kind);
  ~TSQLJoinKindRef();

  TSQLJoinKind* get() const { return Kind; }
  TSQLJoinKind* operator->() const { return Kind; }
  operator TSQLJoinKind*() const { return Kind; }  // NOLINT

 private:
  void Reset(TSQLJoinKind* NewKind);
  TSQLJoinKind* Kind = nullptr;
};
