#include "ast/Node.h"

#include <utility>

#include "ast/CopiedReferences.h"
#include "ast/SQLBuilder.h"
#include "ast/SimpleText.h"
#include "ast/SyntaxProvider.h"
#include "platform/core/Strings.h"

namespace {

// Nodes waiting to be freed while FreeNode drains its queue; null otherwise.
std::vector<TastExtender*>* PendingFrees = nullptr;

// Depth of nested Clone calls: the reference fix-up runs once, for the
// outermost copy, when the whole copied tree exists.
int CloneDepth = 0;

}  // namespace

void FreeNode(TastExtender* Node) {
  if (!Node) return;
  if (PendingFrees) {
    PendingFrees->push_back(Node);
    return;
  }
  std::vector<TastExtender*> pending{Node};
  PendingFrees = &pending;
  while (!pending.empty()) {
    TastExtender* next = pending.back();
    pending.pop_back();
    next->Free();
  }
  PendingFrees = nullptr;
}

TastExtender* CreateNodeOfClass(const ClassRef* Class, TastSyntaxProvider* SyntaxProvider) {
  const auto* family = ClassOf<TastExtender::ClassFamily>(Class);
  if (!family) throw EInvalidCast();
  return family->Create(SyntaxProvider);
}

// ---- TastExtender -------------------------------------------------------------

void TastExtender::Assign(const TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TastExtender*>(Source)) {
    SyntaxProvider = source->SyntaxProvider;
    Data = source->Data;
    return;
  }
  TPersistent::Assign(Source);
}

bool TastExtender::EditPropsForNode(TastNode* Node, TObject* Owner) {
  return Node->EditPropsInternal(Node, Owner);
}

void TastExtender::MoveSubQueryInProxyInternal(TObject*, const ClassRef*) {}

void TastExtender::GetMyChildren(TastChildList&) {}

void TastExtender::BuildSQLForNode(TastNode* Node, TSQLBuilder* Builder, bool MultiLine) {
  Node->BuildSQLDirect(Builder, MultiLine);
}

void TastExtender::FixupObjects(TSQLFromSourceScope& Scope) {
  TastChildList children;
  GetMyChildren(children);
  for (TastExtender* child : children) child->FixupObjects(Scope);
}

void TastExtender::SimplifyTree() {
  TastChildList children;
  GetMyChildren(children);
  for (TastExtender* child : children) child->SimplifyTree();
}

void TastExtender::MoveSubQueryInProxy(TObject* Owner, const ClassRef* ProxyClass) {
  MoveSubQueryInProxyInternal(Owner, ProxyClass);
  TastChildList children;
  GetMyChildren(children);
  for (TastExtender* child : children) child->MoveSubQueryInProxy(Owner, ProxyClass);
}

void TastExtender::RemoveReferencesToFromSource(TSQLFromSource* FromSource) {
  TastChildList children;
  GetMyChildren(children);
  for (TastExtender* child : children) child->RemoveReferencesToFromSource(FromSource);
}

void TastExtender::RefreshFieldsListRecursive(TvnBaseMetadataProvider* MetadataProvider) {
  TastChildList children;
  GetMyChildren(children);
  for (TastExtender* child : children) child->RefreshFieldsListRecursive(MetadataProvider);
}

// ---- TastNode -----------------------------------------------------------------

TastNode::~TastNode() { FreeNode(Extender); }

void TastNode::AfterConstruction() {
  TastExtender::AfterConstruction();
  UpdateExtender();
}

void TastNode::UpdateExtender() {
  const ClassRef* wanted = SyntaxProvider ? SyntaxProvider->FindExtenderClass(ClassType(), true) : nullptr;
  if (!wanted) {
    TastExtender* old = std::exchange(Extender, nullptr);
    FreeNode(old);
    return;
  }
  if (!Extender) {
    Extender = CreateNodeOfClass(wanted, SyntaxProvider);
    return;
  }
  if (Extender->ClassType() == wanted) return;
  TastExtender* replacement = CreateNodeOfClass(wanted, SyntaxProvider);
  try {
    replacement->Assign(Extender);
  } catch (...) {
    FreeNode(replacement);
    throw;
  }
  FreeNode(std::exchange(Extender, replacement));
}

void TastNode::Assign(const TPersistent* Source) {
  TastExtender::Assign(Source);
  if (const auto* source = dynamic_cast<const TastNode*>(Source))
    if (Extender && source->Extender) Extender->Assign(source->Extender);
}

void TastNode::GetMyChildren(TastChildList& List) {
  if (Extender) List.push_back(Extender);
}

bool TastNode::EditPropsInternal(TastNode*, TObject*) { return false; }

void TastNode::BuildSQL(TSQLBuilder* Builder, bool MultiLine) {
  if (Extender)
    Extender->BuildSQLForNode(this, Builder, MultiLine);
  else
    BuildSQLDirect(Builder, MultiLine);
}

void TastNode::BuildSQLDirect(TSQLBuilder*, bool) {}

TastNode* TastNode::Clone() {
  const bool outermost = CloneDepth == 0;
  ++CloneDepth;
  TastNode* copy = nullptr;
  try {
    copy = static_cast<TastNode*>(CreateNodeOfClass(ClassType(), SyntaxProvider));
    copy->Assign(this);
  } catch (...) {
    --CloneDepth;
    FreeNode(copy);
    throw;
  }
  --CloneDepth;
  if (outermost) RebindCopiedReferences(this, copy);
  return copy;
}

std::string TastNode::GetSimpleSQL() {
  return SimpleText([this](TSQLBuilder* Builder) { BuildSQL(Builder, false); });
}

bool TastNode::EditProps(TObject* Owner) {
  TastNode* copy = Clone();
  bool accepted = false;
  try {
    accepted = Extender ? Extender->EditPropsForNode(copy, Owner) : EditPropsInternal(copy, Owner);
    if (accepted) Assign(copy);
  } catch (...) {
    FreeNode(copy);
    throw;
  }
  FreeNode(copy);
  return accepted;
}

// ---- TastNodeWithList ------------------------------------------------------------

TastNodeWithList::~TastNodeWithList() {
  for (TastNode* item : Items) FreeNode(item);
}

void TastNodeWithList::Assign(const TPersistent* Source) {
  TastNode::Assign(Source);
  const auto* source = dynamic_cast<const TastNodeWithList*>(Source);
  if (!source || source == this) return;
  Clear();
  for (TastNode* item : source->Items) Add(item ? item->Clone() : nullptr);
}

void TastNodeWithList::GetMyChildren(TastChildList& List) {
  TastNode::GetMyChildren(List);
  for (TastNode* item : Items)
    if (item) List.push_back(item);
}

void TastNodeWithList::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  for (std::size_t i = 0; i < Items.size(); ++i) {
    if (Items[i]) Items[i]->BuildSQL(Builder, MultiLine);
    if (i + 1 < Items.size()) {
      Builder->WriteSymbol(",");
      Builder->Space();
    }
  }
}

void TastNodeWithList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError(Format("List index out of bounds (%d)", Index));
}

void TastNodeWithList::Add(TastNode* Node) { Items.push_back(Node); }

void TastNodeWithList::Clear() {
  std::vector<TastNode*> old;
  old.swap(Items);
  for (TastNode* item : old) FreeNode(item);
}

void TastNodeWithList::Delete(int Index) {
  CheckIndex(Index);
  TastNode* item = Items[Index];
  Items.erase(Items.begin() + Index);
  FreeNode(item);
}

int TastNodeWithList::IndexOf(const TastNode* Node) const {
  for (std::size_t i = 0; i < Items.size(); ++i)
    if (Items[i] == Node) return static_cast<int>(i);
  return -1;
}

int TastNodeWithList::Remove(TastNode* Node) {
  const int index = IndexOf(Node);
  if (index >= 0) Delete(index);
  return index;
}

TastNode* TastNodeWithList::Extract(TastNode* Node) {
  const int index = IndexOf(Node);
  if (index < 0) return nullptr;
  Items.erase(Items.begin() + index);
  return Node;
}

TastNode* TastNodeWithList::Extract(int Index) { return Extract(GetItems(Index)); }

TastNode* TastNodeWithList::GetItems(int Index) const {
  CheckIndex(Index);
  return Items[Index];
}

void TastNodeWithList::SetItems(int Index, TastNode* Node) {
  CheckIndex(Index);
  if (Items[Index] == Node) return;
  FreeNode(std::exchange(Items[Index], Node));
}

void TastNodeWithList::SetCount(int NewCount) {
  if (NewCount < 0) throw EListError(Format("List count out of bounds (%d)", NewCount));
  while (GetCount() > NewCount) {
    TastNode* item = Items.back();
    Items.pop_back();
    FreeNode(item);
  }
  Items.resize(NewCount, nullptr);
}
