#pragma once
// Base classes of every syntax tree node: the extender, the node and the list
// node, with copying, printing and the tree walks.

#include <string>
#include <vector>

#include "ast/FromSourceScope.h"
#include "ast/NodeClass.h"
#include "platform/core/Persistent.h"

class TastNode;
class TastExtender;
class TastSyntaxProvider;
class TSQLBuilder;
class TSQLFromSource;
class TvnBaseMetadataProvider;

// The direct children of a node, as GetMyChildren reports them.
using TastChildList = std::vector<TastExtender*>;

// Frees a node or extender with its whole subtree. Sub-nodes released while a
// node is being freed are queued and freed one after the other instead of
// recursively, so trees of any depth are freed without exhausting the stack.
// Null does nothing. Owners release their sub-nodes through it.
void FreeNode(TastExtender* Node);

// Assign helper for owned sub-nodes: when Source is set, Target becomes a
// copy of it (a node Target held before is freed); a null Source leaves Target.
template <class T>
void CloneInto(T*& Target, const T* Source);

class TastExtender : public TPersistent {
  VN_CLASS_FAMILY(TastExtender, TastSyntaxProvider*)
  VN_CLASS(TastExtender, TPersistent)
 public:
  explicit TastExtender(TastSyntaxProvider* ASyntaxProvider) : SyntaxProvider(ASyntaxProvider) {}

  TastSyntaxProvider* SyntaxProvider = nullptr;  // not owned, may be null
  void* Data = nullptr;                          // free slot for the tree's user

  void Assign(const TPersistent* Source) override;
  virtual bool EditPropsForNode(TastNode* Node, TObject* Owner);
  virtual void MoveSubQueryInProxyInternal(TObject* Owner, const ClassRef* ProxyClass);
  virtual void GetMyChildren(TastChildList& List);
  virtual void BuildSQLForNode(TastNode* Node, TSQLBuilder* Builder, bool MultiLine);
  virtual void FixupObjects(TSQLFromSourceScope& Scope);
  virtual void SimplifyTree();
  virtual void MoveSubQueryInProxy(TObject* Owner, const ClassRef* ProxyClass);
  virtual void RemoveReferencesToFromSource(TSQLFromSource* FromSource);
  virtual void RefreshFieldsListRecursive(TvnBaseMetadataProvider* MetadataProvider);
};

class TastNode : public TastExtender {
  VNAST_NODE(TastNode, TastExtender)

  TastExtender* Extender = nullptr;  // owned, may be null

  ~TastNode() override;

  // Chooses the extender once the node has its final class.
  void AfterConstruction() override;
  // Copies Source into this node when it is of this node's class: values,
  // and copies of owned sub-nodes and list items in place of this node's own
  // (a sub-node that Source lacks is left as it is).
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  virtual bool EditPropsInternal(TastNode* Node, TObject* Owner);
  virtual void BuildSQL(TSQLBuilder* Builder, bool MultiLine);
  virtual void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine);
  // A deep copy of the same class, owned by the caller. References from the
  // copy to FROM sources inside the copied subtree are moved to the copy's
  // own sources; a copied statement keeps no reference to a source outside
  // itself, so it stays printable after the original is freed.
  virtual TastNode* Clone();

  void UpdateExtender();
  std::string GetSimpleSQL();
  bool EditProps(TObject* Owner);
};

class TastNodeWithList : public TastNode {
  VNAST_NODE(TastNodeWithList, TastNode)

  ~TastNodeWithList() override;

  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;

  void Add(TastNode* Node);
  void Clear();
  void Delete(int Index);
  int Remove(TastNode* Node);
  TastNode* Extract(TastNode* Node);
  TastNode* Extract(int Index);
  TastNode* GetItems(int Index) const;
  void SetItems(int Index, TastNode* Node);
  int GetCount() const { return static_cast<int>(Items.size()); }
  void SetCount(int NewCount);
  int IndexOf(const TastNode* Node) const;

 protected:
  void CheckIndex(int Index) const;
  std::vector<TastNode*> Items;  // owned, entries may be null
};

// One entry of a syntax provider's extender registry.
class TastClassToExtenderEntry {
 public:
  const ClassRef* NodeClass = nullptr;
  const ClassRef* ExtenderClass = nullptr;
};

template <class T>
void CloneInto(T*& Target, const T* Source) {
  if (!Source) return;
  T* copy = static_cast<T*>(const_cast<T*>(Source)->Clone());
  T* old = Target;
  Target = copy;
  FreeNode(old);
}
