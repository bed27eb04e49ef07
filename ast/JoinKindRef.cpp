#include "ast/JoinKindRef.h"

#include <utility>

#include "ast/Statements.h"

TSQLJoinKindRef::TSQLJoinKindRef(TSQLJoinKind* AKind) { Reset(AKind); }
TSQLJoinKindRef::TSQLJoinKindRef(const TSQLJoinKindRef& Other) { Reset(Other.Kind); }
TSQLJoinKindRef::~TSQLJoinKindRef() { Reset(nullptr); }

TSQLJoinKindRef& TSQLJoinKindRef::operator=(const TSQLJoinKindRef& Other) {
  Reset(Other.Kind);
  return *this;
}

TSQLJoinKindRef& TSQLJoinKindRef::operator=(TSQLJoinKind* AKind) {
  Reset(AKind);
  return *this;
}

void TSQLJoinKindRef::Reset(TSQLJoinKind* NewKind) {
  if (NewKind == Kind) return;
  if (NewKind) ++NewKind->RefCount;
  TSQLJoinKind* old = std::exchange(Kind, NewKind);
  if (old && --old->RefCount == 0) FreeNode(old);
}
