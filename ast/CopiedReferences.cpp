#include "ast/CopiedReferences.h"

#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "ast/Names.h"
#include "ast/Statements.h"

namespace {

// Every node of the tree under Root, in no particular order, without recursion.
std::vector<TastExtender*> AllNodes(TastNode* Root) {
  std::vector<TastExtender*> nodes, pending{Root};
  TastChildList children;
  while (!pending.empty()) {
    TastExtender* node = pending.back();
    pending.pop_back();
    nodes.push_back(node);
    children.clear();
    node->GetMyChildren(children);
    pending.insert(pending.end(), children.begin(), children.end());
  }
  return nodes;
}

// Moves or drops the references from names among Nodes to sources that are
// not among Nodes.
void SettleOutsideReferences(const std::vector<TastExtender*>& Nodes) {
  std::unordered_set<const TSQLFromSource*> inside;
  std::unordered_map<const void*, TSQLFromSource*> byData;
  for (TastExtender* node : Nodes)
    if (auto* source = dynamic_cast<TSQLFromSource*>(node)) {
      inside.insert(source);
      if (source->Data) byData.emplace(source->Data, source);
    }
  for (TastExtender* node : Nodes) {
    auto* name = dynamic_cast<TSQLDatabaseObject*>(node);
    if (!name || !name->ReferencedSource || inside.count(name->ReferencedSource)) continue;
    auto found = name->ReferencedSource->Data ? byData.find(name->ReferencedSource->Data) : byData.end();
    name->ReferencedSource = found != byData.end() ? found->second : nullptr;
  }
}

}  // namespace

void RebindCopiedReferences(TastNode* Original, TastNode* Copy) {
  std::unordered_map<const TSQLFromSource*, TSQLFromSource*> copies;
  std::vector<std::pair<TastExtender*, TastExtender*>> pairs{{Original, Copy}};
  TastChildList originalChildren, copyChildren;
  while (!pairs.empty()) {
    auto [o, c] = pairs.back();
    pairs.pop_back();
    if (auto* source = dynamic_cast<TSQLFromSource*>(o))
      if (auto* copied = dynamic_cast<TSQLFromSource*>(c)) copies[source] = copied;
    originalChildren.clear();
    copyChildren.clear();
    o->GetMyChildren(originalChildren);
    c->GetMyChildren(copyChildren);
    // A sub-query proxy copies into an ordinary statement: shapes differ there.
    if (originalChildren.size() != copyChildren.size()) continue;
    for (std::size_t i = 0; i < originalChildren.size(); ++i)
      pairs.emplace_back(originalChildren[i], copyChildren[i]);
  }

  const std::vector<TastExtender*> nodes = AllNodes(Copy);
  for (TastExtender* node : nodes)
    if (auto* name = dynamic_cast<TSQLDatabaseObject*>(node); name && name->ReferencedSource) {
      auto found = copies.find(name->ReferencedSource);
      if (found != copies.end()) name->ReferencedSource = found->second;
    }
  if (dynamic_cast<TSQLSubQueryExpression*>(Copy)) SettleOutsideReferences(nodes);
}

void BindReferencesWithin(TastNode* Root) { SettleOutsideReferences(AllNodes(Root)); }
