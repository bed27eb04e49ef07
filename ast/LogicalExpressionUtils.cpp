#include "ast/LogicalExpressionUtils.h"

#include <utility>

#include "ast/Expressions.h"

namespace {

TSQLExpressionItem* WrapInBrackets(TSQLExpressionItem* Item) {
  return TSQLExpressionBrackets::Create(Item->SyntaxProvider, Item);
}

// NOT NOT X (under any brackets) becomes X with its own brackets; the
// dropped nodes are freed. X may be null when the inner NOT had no operand.
TSQLExpressionItem* RemoveDoubleNegation(TSQLExpressionItem* E) {
  for (;;) {
    auto* outer = dynamic_cast<TSQLExpressionNot*>(CoreOfExpression(E));
    if (!outer || !outer->Expression) return E;
    auto* inner = dynamic_cast<TSQLExpressionNot*>(CoreOfExpression(outer->Expression));
    if (!inner) return E;
    TSQLExpressionItem* operand = std::exchange(inner->Expression, nullptr);
    FreeNode(E);
    E = operand;
  }
}

// NOT (x AND y) becomes Not x Or Not y, NOT (x OR y) becomes Not x And Not y.
TSQLExpressionItem* ApplyDeMorgan(TSQLExpressionItem* E) {
  auto* negation = dynamic_cast<TSQLExpressionNot*>(CoreOfExpression(E));
  if (!negation || !negation->Expression) return E;
  auto* collection = dynamic_cast<TSQLExpressionLogicalCollection*>(CoreOfExpression(negation->Expression));
  if (!collection) return E;
  TSQLExpressionLogicalCollection* opposite = nullptr;
  if (Is<TSQLExpressionAnd>(collection))
    opposite = TSQLExpressionOr::Create(collection->SyntaxProvider);
  else
    opposite = TSQLExpressionAnd::Create(collection->SyntaxProvider);
  opposite->TakeItemsFrom(collection, true);
  FreeNode(E);
  return opposite;
}

// Simplifies every item of Collection, drops the items that vanish and merges
// unbracketed collections of the same class into it, keeping their order.
void Flatten(TSQLExpressionLogicalCollection* Collection) {
  const bool isAnd = Is<TSQLExpressionAnd>(Collection);
  for (int i = Collection->GetCount() - 1; i >= 0; --i) {
    TSQLExpressionItem* item = SimplifyLogicalExpression(Collection->Extract(i));
    if (!item) continue;
    if (item->ClassType() == Collection->ClassType()) {
      auto* nested = static_cast<TSQLExpressionLogicalCollection*>(item);
      while (nested->GetCount() > 0) Collection->Insert(i, nested->Extract(nested->GetCount() - 1));
      FreeNode(nested);
    } else {
      Collection->Insert(i, isAnd ? BracketForAnd(item) : item);
    }
  }
}

}  // namespace

TSQLExpressionItem* CoreOfExpression(TSQLExpressionItem* E) {
  while (auto* brackets = dynamic_cast<TSQLExpressionBrackets*>(E)) E = brackets->Expression;
  return E;
}

TSQLExpressionItem* BracketForAnd(TSQLExpressionItem* Item) {
  return Is<TSQLExpressionOr>(Item) ? WrapInBrackets(Item) : Item;
}

TSQLExpressionItem* BracketForNot(TSQLExpressionItem* Item) {
  return Is<TSQLExpressionLogicalCollection>(Item) ? WrapInBrackets(Item) : Item;
}

void TSQLExpressionLogicalCollection::TakeItemsFrom(TSQLExpressionLogicalCollection* Source, bool Negate) {
  if (Source == this) return;
  if (Extender && Source->Extender) Extender->Assign(Source->Extender);
  while (Source->GetCount() > 0) {
    TSQLExpressionItem* item = Source->Extract(0);
    if (Negate && item) item = TSQLExpressionNot::Create(SyntaxProvider, BracketForNot(item));
    Add(item);
  }
}

TSQLExpressionItem* SimplifyLogicalExpression(TSQLExpressionItem* E) {
  TSQLExpressionItem* core = CoreOfExpression(E);
  if (!Is<TSQLExpressionNot>(core) && !Is<TSQLExpressionLogicalCollection>(core)) return E;
  E = ApplyDeMorgan(RemoveDoubleNegation(E));
  auto* collection = dynamic_cast<TSQLExpressionLogicalCollection*>(E);
  if (!collection) return E;
  Flatten(collection);
  if (collection->GetCount() > 0) return collection;
  FreeNode(collection);
  return nullptr;
}

TSQLExpressionItem* PrepareLogicalExpressionForLoading(TSQLExpressionItem* E) {
  return SimplifyLogicalExpression(E);
}
