#include "ast/Expressions.h"

#include <utility>

#include "ast/ExpressionEquality.h"
#include "ast/SQLBuilder.h"
#include "ast/Statements.h"
#include "platform/core/Strings.h"

namespace {

// Asks Expression when it is set; a null operand answers false.
bool Belongs(TSQLExpressionItem* Expression, TSQLFromSource* FromSource) {
  return Expression && Expression->ContainsOnlyItemsWithFromSource(FromSource);
}

void Print(TastNode* Node, TSQLBuilder* Builder, bool MultiLine) {
  if (Node) Node->BuildSQL(Builder, MultiLine);
}

// The source node whose operand is being copied by its caller and must not be
// copied again (the left spine of a binary operator chain).
const TSQLExpressionExpressionItem* SkipOperandOf = nullptr;

}  // namespace

// ---- TSQLExpressionItem -------------------------------------------------------------

bool TSQLExpressionItem::ContainsOnlyItemsWithFromSource(TSQLFromSource*) { return false; }
void TSQLExpressionItem::RemoveLExpression(TSQLExpressionItem*) {}
void TSQLExpressionItem::RestoreLExpression(TSQLExpressionItem*) {}
bool TSQLExpressionItem::IsLogical() { return false; }

// A value that is no predicate has no left operand to find; it is kept whole
// rather than turned into a synthetic comparison.
TSQLExpressionItem* TSQLExpressionItem::FindExpressionItem(TSQLExpressionItem*& Item) {
  Item = nullptr;
  return this;
}

TSQLExpressionItem* TSQLExpressionItem::Clone() { return static_cast<TSQLExpressionItem*>(TastNode::Clone()); }

// ---- leaves -------------------------------------------------------------------------

void TSQLExpressionConstant::Assign(const TPersistent* Source) {
  TSQLExpressionItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionConstant*>(Source)) Value = source->Value;
}

void TSQLExpressionConstant::BuildSQLDirect(TSQLBuilder* Builder, bool) { Builder->WriteNumber(VarToStr(Value)); }

void TSQLExpressionVariable::Assign(const TPersistent* Source) {
  TSQLExpressionItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionVariable*>(Source)) Name = source->Name;
}

void TSQLExpressionVariable::BuildSQLDirect(TSQLBuilder* Builder, bool) { Builder->WriteNumber(Name); }

TSQLExpressionColumn::~TSQLExpressionColumn() { FreeNode(Column); }

void TSQLExpressionColumn::Assign(const TPersistent* Source) {
  TSQLExpressionItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionColumn*>(Source)) CloneInto(Column, source->Column);
}

void TSQLExpressionColumn::GetMyChildren(TastChildList& List) {
  TSQLExpressionItem::GetMyChildren(List);
  if (Column) List.push_back(Column);
}

void TSQLExpressionColumn::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) { Print(Column, Builder, MultiLine); }

bool TSQLExpressionColumn::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  return Column && Column->ReferencedSource == FromSource;
}

void TSQLExpressionParameterlessFunction::Assign(const TPersistent* Source) {
  TSQLExpressionItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionParameterlessFunction*>(Source)) Name = source->Name;
}

void TSQLExpressionParameterlessFunction::BuildSQLDirect(TSQLBuilder* Builder, bool) {
  Builder->WriteFunctionName(Name, SyntaxProvider);
}

TSQLExpressionFunction::~TSQLExpressionFunction() { FreeNode(Function); }

void TSQLExpressionFunction::Assign(const TPersistent* Source) {
  TSQLExpressionItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionFunction*>(Source))
    CloneInto(Function, source->Function);
}

void TSQLExpressionFunction::GetMyChildren(TastChildList& List) {
  TSQLExpressionItem::GetMyChildren(List);
  if (Function) List.push_back(Function);
}

void TSQLExpressionFunction::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Print(Function, Builder, MultiLine);
}

bool TSQLExpressionFunction::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  if (!Function || !Function->Params) return false;
  for (int i = 0; i < Function->Params->GetCount(); ++i) {
    auto* param = dynamic_cast<TSQLFunctionParamExpression*>(Function->Params->TastNodeWithList::GetItems(i));
    if (param && Belongs(param->Expression, FromSource)) return true;
  }
  return false;
}

TSQLExpressionSelect::~TSQLExpressionSelect() { FreeNode(SubQuery); }

void TSQLExpressionSelect::Assign(const TPersistent* Source) {
  TSQLExpressionItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionSelect*>(Source)) CloneInto(SubQuery, source->SubQuery);
}

void TSQLExpressionSelect::GetMyChildren(TastChildList& List) {
  TSQLExpressionItem::GetMyChildren(List);
  if (SubQuery) List.push_back(SubQuery);
}

void TSQLExpressionSelect::BuildSQLDirect(TSQLBuilder* Builder, bool) {
  Builder->WriteSymbol("(");
  Print(SubQuery, Builder, false);
  Builder->WriteSymbol(")");
}

void TSQLExpressionSelect::MoveSubQueryInProxyInternal(TObject* Owner, const ClassRef* ProxyClass) {
  TSQLSubSelectStatementProxy::MoveIntoProxy(SubQuery, SyntaxProvider, Owner, ProxyClass);
}

// ---- CASE -----------------------------------------------------------------------------

TSQLCaseFunctionItem::~TSQLCaseFunctionItem() {
  FreeNode(WhenExpression);
  FreeNode(ThenExpression);
}

void TSQLCaseFunctionItem::Assign(const TPersistent* Source) {
  TastNode::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLCaseFunctionItem*>(Source)) {
    CloneInto(WhenExpression, source->WhenExpression);
    CloneInto(ThenExpression, source->ThenExpression);
  }
}

void TSQLCaseFunctionItem::GetMyChildren(TastChildList& List) {
  TastNode::GetMyChildren(List);
  if (WhenExpression) List.push_back(WhenExpression);
  if (ThenExpression) List.push_back(ThenExpression);
}

void TSQLCaseFunctionItem::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Builder->WriteKeyword("WHEN");
  Builder->Space();
  Print(WhenExpression, Builder, MultiLine);
  Builder->Space();
  Builder->WriteKeyword("THEN");
  Builder->Space();
  Print(ThenExpression, Builder, MultiLine);
}

bool TSQLCaseFunctionItem::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  return Belongs(WhenExpression, FromSource) || Belongs(ThenExpression, FromSource);
}

TSQLExpressionCaseFunction::~TSQLExpressionCaseFunction() {
  for (TSQLCaseFunctionItem* item : Items) FreeNode(item);
  FreeNode(CaseExpression);
  FreeNode(ElseExpression);
}

TSQLCaseFunctionItem* TSQLExpressionCaseFunction::GetItems(int I) const {
  if (I < 0 || I >= GetCount()) throw EListError(Format("List index out of bounds (%d)", I));
  return Items[I];
}

void TSQLExpressionCaseFunction::Assign(const TPersistent* Source) {
  TSQLExpressionItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionCaseFunction*>(Source); source && source != this) {
    for (TSQLCaseFunctionItem* item : std::exchange(Items, {})) FreeNode(item);
    for (TSQLCaseFunctionItem* item : source->Items) Add(static_cast<TSQLCaseFunctionItem*>(item->Clone()));
    CloneInto(CaseExpression, source->CaseExpression);
    CloneInto(ElseExpression, source->ElseExpression);
  }
}

void TSQLExpressionCaseFunction::GetMyChildren(TastChildList& List) {
  TSQLExpressionItem::GetMyChildren(List);
  for (TSQLCaseFunctionItem* item : Items)
    if (item) List.push_back(item);
  if (CaseExpression) List.push_back(CaseExpression);
  if (ElseExpression) List.push_back(ElseExpression);
}

void TSQLExpressionCaseFunction::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Builder->WriteKeyword("CASE");
  if (CaseExpression) {
    Builder->Space();
    CaseExpression->BuildSQL(Builder, MultiLine);
  }
  Builder->Space();
  for (TSQLCaseFunctionItem* item : Items) {
    Print(item, Builder, MultiLine);
    Builder->Space();
  }
  if (ElseExpression) {
    Builder->WriteKeyword("ELSE");
    Builder->Space();
    ElseExpression->BuildSQL(Builder, MultiLine);
    Builder->Space();
  }
  Builder->WriteKeyword("END");
}

bool TSQLExpressionCaseFunction::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  if (Items.empty()) return Belongs(CaseExpression, FromSource);
  for (TSQLCaseFunctionItem* item : Items)
    if (!item || !item->ContainsOnlyItemsWithFromSource(FromSource)) return false;
  return true;
}

// ---- aggregates -------------------------------------------------------------------------

void TSQLExpressionAggregate::Assign(const TPersistent* Source) {
  TSQLExpressionItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionAggregate*>(Source)) Name = source->Name;
}

void TSQLExpressionAggregate::BuildSQLDirect(TSQLBuilder* Builder, bool) {
  Builder->WriteFunctionName(Name, SyntaxProvider);
  Builder->WriteSymbol("(*)");
}

TSQLExpressionAggregate1Param::~TSQLExpressionAggregate1Param() { FreeNode(Param); }

void TSQLExpressionAggregate1Param::Assign(const TPersistent* Source) {
  TSQLExpressionAggregate::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionAggregate1Param*>(Source)) CloneInto(Param, source->Param);
}

void TSQLExpressionAggregate1Param::GetMyChildren(TastChildList& List) {
  TSQLExpressionAggregate::GetMyChildren(List);
  if (Param) List.push_back(Param);
}

void TSQLExpressionAggregate1Param::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Builder->WriteFunctionName(Name, SyntaxProvider);
  Builder->WriteSymbol("(");
  Print(Param, Builder, MultiLine);
  Builder->WriteSymbol(")");
}

bool TSQLExpressionAggregate1Param::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  return Belongs(Param, FromSource);
}

void TSQLExpressionAggregate1ParamWPrefix::Assign(const TPersistent* Source) {
  TSQLExpressionAggregate1Param::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionAggregate1ParamWPrefix*>(Source))
    Distinct = source->Distinct;
}

void TSQLExpressionAggregate1ParamWPrefix::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Builder->WriteFunctionName(Name, SyntaxProvider);
  Builder->WriteSymbol("(");
  if (Distinct == 1) {
    Builder->WriteKeyword("DISTINCT");
    Builder->Space();
  }
  Print(Param, Builder, MultiLine);
  Builder->WriteSymbol(")");
}

TSQLExpressionAggregateWParams::~TSQLExpressionAggregateWParams() { FreeNode(Params); }

void TSQLExpressionAggregateWParams::Assign(const TPersistent* Source) {
  TSQLExpressionAggregate::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionAggregateWParams*>(Source))
    CloneInto(Params, source->Params);
}

void TSQLExpressionAggregateWParams::GetMyChildren(TastChildList& List) {
  TSQLExpressionAggregate::GetMyChildren(List);
  if (Params) List.push_back(Params);
}

void TSQLExpressionAggregateWParams::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Builder->WriteFunctionName(Name, SyntaxProvider);
  Builder->WriteSymbol("(");
  Print(Params, Builder, MultiLine);
  Builder->WriteSymbol(")");
}

bool TSQLExpressionAggregateWParams::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  return Params && Params->ContainsOnlyItemsWithFromSource(FromSource);
}

// ---- operand-based expressions ----------------------------------------------------------

TSQLExpressionExpressionItem::~TSQLExpressionExpressionItem() { FreeNode(Expression); }

void TSQLExpressionExpressionItem::Assign(const TPersistent* Source) {
  TSQLExpressionItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionExpressionItem*>(Source))
    if (source != SkipOperandOf) CloneInto(Expression, source->Expression);
}

void TSQLExpressionExpressionItem::GetMyChildren(TastChildList& List) {
  TSQLExpressionItem::GetMyChildren(List);
  if (Expression) List.push_back(Expression);
}

void TSQLExpressionExpressionItem::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Print(Expression, Builder, MultiLine);
}

bool TSQLExpressionExpressionItem::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  return Belongs(Expression, FromSource);
}

void TSQLExpressionOperation::RemoveLExpression(TSQLExpressionItem* AExpression) {
  if (IsExpressionsEqual(Expression, AExpression)) FreeNode(std::exchange(Expression, nullptr));
}

void TSQLExpressionOperation::RestoreLExpression(TSQLExpressionItem* AExpression) {
  if (!Expression && AExpression) Expression = AExpression->Clone();
}

TSQLExpressionItem* TSQLExpressionOperation::FindExpressionItem(TSQLExpressionItem*& Item) {
  Item = Expression;
  return this;
}

void TSQLExpressionBrackets::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Builder->WriteSymbol("(");
  Print(Expression, Builder, MultiLine);
  Builder->WriteSymbol(")");
}

void TSQLExpressionBrackets::RemoveLExpression(TSQLExpressionItem* AExpression) {
  if (Expression) Expression->RemoveLExpression(AExpression);
}

void TSQLExpressionBrackets::RestoreLExpression(TSQLExpressionItem* AExpression) {
  if (Expression) Expression->RestoreLExpression(AExpression);
}

TSQLExpressionItem* TSQLExpressionBrackets::FindExpressionItem(TSQLExpressionItem*& Item) {
  Item = nullptr;
  if (Expression) Expression = Expression->FindExpressionItem(Item);
  return this;
}

void TSQLExpressionNot::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Builder->WriteKeyword("Not");
  Builder->Space();
  Print(Expression, Builder, MultiLine);
}

void TSQLExpressionNot::RemoveLExpression(TSQLExpressionItem* AExpression) {
  if (Expression) Expression->RemoveLExpression(AExpression);
}

void TSQLExpressionNot::RestoreLExpression(TSQLExpressionItem* AExpression) {
  if (Expression) Expression->RestoreLExpression(AExpression);
}

TSQLExpressionItem* TSQLExpressionNot::FindExpressionItem(TSQLExpressionItem*& Item) {
  Item = nullptr;
  if (Expression) Expression = Expression->FindExpressionItem(Item);
  return this;
}

TSQLExpressionCast::~TSQLExpressionCast() { FreeNode(CastType); }

void TSQLExpressionCast::Assign(const TPersistent* Source) {
  TSQLExpressionOperation::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionCast*>(Source)) CloneInto(CastType, source->CastType);
}

void TSQLExpressionCast::GetMyChildren(TastChildList& List) {
  TSQLExpressionOperation::GetMyChildren(List);
  if (CastType) List.push_back(CastType);
}

void TSQLExpressionCast::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Builder->WriteKeyword("Cast");
  Builder->WriteSymbol("(");
  Print(Expression, Builder, MultiLine);
  Builder->Space();
  Builder->WriteKeyword("As");
  Builder->Space();
  Print(CastType, Builder, MultiLine);
  Builder->WriteSymbol(")");
}

void TSQLExpressionFieldSelection::Assign(const TPersistent* Source) {
  TSQLExpressionExpressionItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionFieldSelection*>(Source)) FieldName = source->FieldName;
}

void TSQLExpressionFieldSelection::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Print(Expression, Builder, MultiLine);
  Builder->WriteSymbol(".");
  Builder->WriteIdentifier(FieldName, SyntaxProvider);
}

// ---- operators ----------------------------------------------------------------------------

TSQLExpressionOperator::TSQLExpressionOperator(TastSyntaxProvider* ASyntaxProvider, const std::string& AOperatorText)
    : TSQLExpressionOperation(ASyntaxProvider), Operator(TSQLOperator::Create(ASyntaxProvider, AOperatorText)) {}

TSQLExpressionOperator::TSQLExpressionOperator(TastSyntaxProvider* ASyntaxProvider, TSQLExpressionItem* AExpression,
                                               const std::string& AOperatorText)
    : TSQLExpressionOperation(ASyntaxProvider, AExpression),
      Operator(TSQLOperator::Create(ASyntaxProvider, AOperatorText)) {}

TSQLExpressionOperator::TSQLExpressionOperator(TastSyntaxProvider* ASyntaxProvider, TSQLExpressionItem* AExpression,
                                               TSQLOperator* AOperator)
    : TSQLExpressionOperation(ASyntaxProvider, AExpression), Operator(AOperator) {}

TSQLExpressionOperator::~TSQLExpressionOperator() { FreeNode(Operator); }

void TSQLExpressionOperator::Assign(const TPersistent* Source) {
  TSQLExpressionOperation::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionOperator*>(Source)) CloneInto(Operator, source->Operator);
}

void TSQLExpressionOperator::GetMyChildren(TastChildList& List) {
  TSQLExpressionOperation::GetMyChildren(List);
  if (Operator) List.push_back(Operator);
}

void TSQLExpressionOperator::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  BuildSQLExpression(Builder, MultiLine);
}

void TSQLExpressionOperator::BuildSQLExpression(TSQLBuilder* Builder, bool MultiLine) {
  Print(Expression, Builder, MultiLine);
}

void TSQLExpressionOperatorPrefix::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  if (Operator) {
    Builder->Space();
    Operator->BuildSQL(Builder, MultiLine);
  }
  BuildSQLExpression(Builder, MultiLine);
}

void TSQLExpressionOperatorPostfix::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  BuildSQLExpression(Builder, MultiLine);
  Print(Operator, Builder, MultiLine);
}

// ---- binary operators, along the left spine ----------------------------------------------

TSQLExpressionOperatorBinary::~TSQLExpressionOperatorBinary() { FreeNode(RightExpression); }

std::vector<TSQLExpressionOperatorBinary*> TSQLExpressionOperatorBinary::LeftSpine() {
  std::vector<TSQLExpressionOperatorBinary*> spine{this};
  for (;;) {
    TSQLExpressionItem* left = spine.back()->Expression;
    if (!left || left->ClassType() != StaticClass() || left->Extender) break;
    spine.push_back(static_cast<TSQLExpressionOperatorBinary*>(left));
  }
  return spine;
}

template <class Visit>
void TSQLExpressionOperatorBinary::ForEachChildAlongSpine(Visit visit) {
  const std::vector<TSQLExpressionOperatorBinary*> spine = LeftSpine();
  if (Extender) visit(Extender);
  if (spine.back()->Expression) visit(spine.back()->Expression);
  for (std::size_t i = spine.size(); i-- > 0;) {
    if (spine[i]->Operator) visit(spine[i]->Operator);
    if (spine[i]->RightExpression) visit(spine[i]->RightExpression);
  }
}

void TSQLExpressionOperatorBinary::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TSQLExpressionOperatorBinary*>(Source);
  if (!source) {
    TSQLExpressionOperator::Assign(Source);
    return;
  }
  // Copy the left spine level by level, each level without its operand, and
  // link the copies; then copy the operand at the bottom.
  TSQLExpressionOperatorBinary* target = this;
  for (;;) {
    const TSQLExpressionExpressionItem* previousSkip = std::exchange(SkipOperandOf, source);
    try {
      target->TSQLExpressionOperator::Assign(source);
    } catch (...) {
      SkipOperandOf = previousSkip;
      throw;
    }
    SkipOperandOf = previousSkip;
    CloneInto(target->RightExpression, source->RightExpression);

    const TSQLExpressionItem* left = source->Expression;
    if (!left || left->ClassType() != StaticClass()) break;
    auto* next = static_cast<TSQLExpressionOperatorBinary*>(CreateNodeOfClass(StaticClass(), left->SyntaxProvider));
    FreeNode(std::exchange(target->Expression, next));
    target = next;
    source = static_cast<const TSQLExpressionOperatorBinary*>(left);
  }
  CloneInto(target->Expression, source->Expression);
}

void TSQLExpressionOperatorBinary::GetMyChildren(TastChildList& List) {
  TSQLExpressionOperator::GetMyChildren(List);
  if (RightExpression) List.push_back(RightExpression);
}

void TSQLExpressionOperatorBinary::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  const std::vector<TSQLExpressionOperatorBinary*> spine = LeftSpine();
  Print(spine.back()->Expression, Builder, MultiLine);
  for (std::size_t i = spine.size(); i-- > 0;) {
    Print(spine[i]->Operator, Builder, MultiLine);
    Print(spine[i]->RightExpression, Builder, MultiLine);
  }
}

bool TSQLExpressionOperatorBinary::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  const std::vector<TSQLExpressionOperatorBinary*> spine = LeftSpine();
  for (TSQLExpressionOperatorBinary* node : spine)
    if (node->RightExpression && !node->RightExpression->ContainsOnlyItemsWithFromSource(FromSource)) return false;
  return Belongs(spine.back()->Expression, FromSource);
}

void TSQLExpressionOperatorBinary::FixupObjects(TSQLFromSourceScope& Scope) {
  ForEachChildAlongSpine([&](TastExtender* child) { child->FixupObjects(Scope); });
}

void TSQLExpressionOperatorBinary::SimplifyTree() {
  ForEachChildAlongSpine([](TastExtender* child) { child->SimplifyTree(); });
}

void TSQLExpressionOperatorBinary::MoveSubQueryInProxy(TObject* Owner, const ClassRef* ProxyClass) {
  MoveSubQueryInProxyInternal(Owner, ProxyClass);
  ForEachChildAlongSpine([&](TastExtender* child) { child->MoveSubQueryInProxy(Owner, ProxyClass); });
}

void TSQLExpressionOperatorBinary::RemoveReferencesToFromSource(TSQLFromSource* FromSource) {
  ForEachChildAlongSpine([&](TastExtender* child) { child->RemoveReferencesToFromSource(FromSource); });
}

void TSQLExpressionOperatorBinary::RefreshFieldsListRecursive(TvnBaseMetadataProvider* MetadataProvider) {
  ForEachChildAlongSpine([&](TastExtender* child) { child->RefreshFieldsListRecursive(MetadataProvider); });
}

// ---- quantified comparisons -----------------------------------------------------------------

void TSQLExpressionCompWithSet::Assign(const TPersistent* Source) {
  TSQLExpressionOperator::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionCompWithSet*>(Source)) Quantifier = source->Quantifier;
}

void TSQLExpressionCompWithSet::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Print(Expression, Builder, MultiLine);
  Print(Operator, Builder, MultiLine);
  static const char* const quantifiers[] = {"All", "Some", "Any"};
  if (Quantifier < 3) Builder->WriteKeyword(quantifiers[Quantifier]);
}

TSQLExpressionCompWithSubQuery::~TSQLExpressionCompWithSubQuery() { FreeNode(SubQuery); }

void TSQLExpressionCompWithSubQuery::Assign(const TPersistent* Source) {
  TSQLExpressionCompWithSet::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionCompWithSubQuery*>(Source))
    CloneInto(SubQuery, source->SubQuery);
}

void TSQLExpressionCompWithSubQuery::GetMyChildren(TastChildList& List) {
  TSQLExpressionCompWithSet::GetMyChildren(List);
  if (SubQuery) List.push_back(SubQuery);
}

void TSQLExpressionCompWithSubQuery::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  TSQLExpressionCompWithSet::BuildSQLDirect(Builder, MultiLine);
  Builder->WriteSymbol("(");
  Print(SubQuery, Builder, MultiLine);
  Builder->WriteSymbol(")");
}

void TSQLExpressionCompWithSubQuery::MoveSubQueryInProxyInternal(TObject* Owner, const ClassRef* ProxyClass) {
  TSQLSubSelectStatementProxy::MoveIntoProxy(SubQuery, SyntaxProvider, Owner, ProxyClass);
}

TSQLExpressionCompWithSetExpression::~TSQLExpressionCompWithSetExpression() { FreeNode(SetExpression); }

void TSQLExpressionCompWithSetExpression::Assign(const TPersistent* Source) {
  TSQLExpressionCompWithSet::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionCompWithSetExpression*>(Source))
    CloneInto(SetExpression, source->SetExpression);
}

void TSQLExpressionCompWithSetExpression::GetMyChildren(TastChildList& List) {
  TSQLExpressionCompWithSet::GetMyChildren(List);
  if (SetExpression) List.push_back(SetExpression);
}

void TSQLExpressionCompWithSetExpression::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  TSQLExpressionCompWithSet::BuildSQLDirect(Builder, MultiLine);
  Builder->WriteSymbol("(");
  Print(SetExpression, Builder, MultiLine);
  Builder->WriteSymbol(")");
}

bool TSQLExpressionCompWithSetExpression::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  return Belongs(Expression, FromSource) || Belongs(SetExpression, FromSource);
}

// ---- IS, IN, BETWEEN, LIKE ------------------------------------------------------------------

void TSQLExpressionIs::Assign(const TPersistent* Source) {
  TSQLExpressionLogicalOperation::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionIs*>(Source)) Negated = source->Negated;
}

void TSQLExpressionIs::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Print(Expression, Builder, MultiLine);
  Builder->Space();
  Builder->WriteKeyword("IS");
  if (Negated) {
    Builder->Space();
    Builder->WriteKeyword("NOT");
  }
}

void TSQLExpressionIsNull::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  TSQLExpressionIs::BuildSQLDirect(Builder, MultiLine);
  Builder->Space();
  Builder->WriteKeyword("NULL");
}

void TSQLExpressionIn::Assign(const TPersistent* Source) {
  TSQLExpressionLogicalOperation::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionIn*>(Source)) Negated = source->Negated;
}

void TSQLExpressionIn::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Print(Expression, Builder, MultiLine);
  if (Negated) {
    Builder->Space();
    Builder->WriteKeyword("NOT");
  }
  Builder->Space();
  Builder->WriteKeyword("IN");
}

TSQLExpressionInSet::~TSQLExpressionInSet() { FreeNode(Values); }

void TSQLExpressionInSet::Assign(const TPersistent* Source) {
  TSQLExpressionIn::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionInSet*>(Source)) CloneInto(Values, source->Values);
}

void TSQLExpressionInSet::GetMyChildren(TastChildList& List) {
  TSQLExpressionIn::GetMyChildren(List);
  if (Values) List.push_back(Values);
}

void TSQLExpressionInSet::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  TSQLExpressionIn::BuildSQLDirect(Builder, MultiLine);
  Builder->Space();
  Builder->WriteSymbol("(");
  Print(Values, Builder, MultiLine);
  Builder->WriteSymbol(")");
}

bool TSQLExpressionInSet::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  return Belongs(Expression, FromSource) || (Values && Values->ContainsOnlyItemsWithFromSource(FromSource));
}

TSQLExpressionInSubQuery::~TSQLExpressionInSubQuery() { FreeNode(SubQuery); }

void TSQLExpressionInSubQuery::Assign(const TPersistent* Source) {
  TSQLExpressionIn::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionInSubQuery*>(Source)) CloneInto(SubQuery, source->SubQuery);
}

void TSQLExpressionInSubQuery::GetMyChildren(TastChildList& List) {
  TSQLExpressionIn::GetMyChildren(List);
  if (SubQuery) List.push_back(SubQuery);
}

void TSQLExpressionInSubQuery::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  TSQLExpressionIn::BuildSQLDirect(Builder, MultiLine);
  Builder->Space();
  Builder->WriteSymbol("(");
  Print(SubQuery, Builder, MultiLine);
  Builder->WriteSymbol(")");
}

void TSQLExpressionInSubQuery::MoveSubQueryInProxyInternal(TObject* Owner, const ClassRef* ProxyClass) {
  TSQLSubSelectStatementProxy::MoveIntoProxy(SubQuery, SyntaxProvider, Owner, ProxyClass);
}

TSQLExpressionBetween::~TSQLExpressionBetween() {
  FreeNode(LowExpression);
  FreeNode(HighExpression);
}

void TSQLExpressionBetween::Assign(const TPersistent* Source) {
  TSQLExpressionOperation::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionBetween*>(Source)) {
    Negated = source->Negated;
    CloneInto(LowExpression, source->LowExpression);
    CloneInto(HighExpression, source->HighExpression);
  }
}

void TSQLExpressionBetween::GetMyChildren(TastChildList& List) {
  TSQLExpressionOperation::GetMyChildren(List);
  if (LowExpression) List.push_back(LowExpression);
  if (HighExpression) List.push_back(HighExpression);
}

void TSQLExpressionBetween::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Print(Expression, Builder, MultiLine);
  if (Negated) {
    Builder->Space();
    Builder->WriteKeyword("Not");
  }
  Builder->Space();
  Builder->WriteKeyword("Between");
  Builder->Space();
  Print(LowExpression, Builder, MultiLine);
  Builder->Space();
  Builder->WriteKeyword("And");
  Builder->Space();
  Print(HighExpression, Builder, MultiLine);
}

bool TSQLExpressionBetween::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  return Belongs(Expression, FromSource) || Belongs(LowExpression, FromSource) ||
         Belongs(HighExpression, FromSource);
}

TSQLExpressionLikeTemplate::~TSQLExpressionLikeTemplate() {
  FreeNode(Pattern);
  FreeNode(EscapeExpression);
}

void TSQLExpressionLikeTemplate::Assign(const TPersistent* Source) {
  TSQLExpressionLogicalOperation::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionLikeTemplate*>(Source)) {
    Operation = source->Operation;
    Negated = source->Negated;
    CloneInto(Pattern, source->Pattern);
    CloneInto(EscapeExpression, source->EscapeExpression);
  }
}

void TSQLExpressionLikeTemplate::GetMyChildren(TastChildList& List) {
  TSQLExpressionLogicalOperation::GetMyChildren(List);
  if (Pattern) List.push_back(Pattern);
  if (EscapeExpression) List.push_back(EscapeExpression);
}

void TSQLExpressionLikeTemplate::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Print(Expression, Builder, MultiLine);
  if (Negated) {
    Builder->Space();
    Builder->WriteKeyword("Not");
  }
  Builder->Space();
  Builder->WriteKeyword(Operation);
  Builder->Space();
  Print(Pattern, Builder, MultiLine);
  if (EscapeExpression) {
    Builder->Space();
    Builder->WriteKeyword("Escape");
    Builder->Space();
    EscapeExpression->BuildSQL(Builder, MultiLine);
  }
}

bool TSQLExpressionLikeTemplate::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  return Belongs(Expression, FromSource) || Belongs(Pattern, FromSource);
}

// ---- EXISTS, OVERLAPS ---------------------------------------------------------------------------

TSQLExpressionExists::~TSQLExpressionExists() { FreeNode(SubQuery); }

void TSQLExpressionExists::Assign(const TPersistent* Source) {
  TSQLExpressionItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionExists*>(Source)) CloneInto(SubQuery, source->SubQuery);
}

void TSQLExpressionExists::GetMyChildren(TastChildList& List) {
  TSQLExpressionItem::GetMyChildren(List);
  if (SubQuery) List.push_back(SubQuery);
}

void TSQLExpressionExists::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Builder->WriteKeyword("Exists");
  Builder->WriteSymbol("(");
  Print(SubQuery, Builder, MultiLine);
  Builder->WriteSymbol(")");
}

void TSQLExpressionExists::MoveSubQueryInProxyInternal(TObject* Owner, const ClassRef* ProxyClass) {
  TSQLSubSelectStatementProxy::MoveIntoProxy(SubQuery, SyntaxProvider, Owner, ProxyClass);
}

TSQLExpressionOverlaps::~TSQLExpressionOverlaps() {
  FreeNode(Period1Start);
  FreeNode(Period1End);
  FreeNode(Period2Start);
  FreeNode(Period2End);
}

void TSQLExpressionOverlaps::Assign(const TPersistent* Source) {
  TSQLExpressionItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLExpressionOverlaps*>(Source)) {
    CloneInto(Period1Start, source->Period1Start);
    CloneInto(Period1End, source->Period1End);
    CloneInto(Period2Start, source->Period2Start);
    CloneInto(Period2End, source->Period2End);
  }
}

void TSQLExpressionOverlaps::GetMyChildren(TastChildList& List) {
  TSQLExpressionItem::GetMyChildren(List);
  for (TSQLExpressionItem* period : {Period1Start, Period1End, Period2Start, Period2End})
    if (period) List.push_back(period);
}

void TSQLExpressionOverlaps::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Builder->WriteSymbol("(");
  Print(Period1Start, Builder, MultiLine);
  Builder->WriteSymbol(",");
  Print(Period1End, Builder, MultiLine);
  Builder->WriteSymbol(")");
  Builder->Space();
  Builder->WriteKeyword("Overlaps");
  Builder->Space();
  Builder->WriteSymbol("(");
  Print(Period2Start, Builder, MultiLine);
  Builder->WriteSymbol(",");
  Print(Period2End, Builder, MultiLine);
  Builder->WriteSymbol(")");
}

bool TSQLExpressionOverlaps::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  return Belongs(Period1Start, FromSource) || Belongs(Period1End, FromSource) ||
         Belongs(Period2Start, FromSource) || Belongs(Period2End, FromSource);
}

// ---- item lists and AND/OR ------------------------------------------------------------------------

TSQLExpressionItemsList::~TSQLExpressionItemsList() {
  for (TSQLExpressionItem* item : Items) FreeNode(item);
}

void TSQLExpressionItemsList::CheckIndex(int Index, bool AllowEnd) const {
  if (Index < 0 || Index > GetCount() || (Index == GetCount() && !AllowEnd))
    throw EListError(Format("List index out of bounds (%d)", Index));
}

void TSQLExpressionItemsList::Add(TSQLExpressionItem* Item) { Items.push_back(Item); }

void TSQLExpressionItemsList::Insert(int Index, TSQLExpressionItem* Item) {
  CheckIndex(Index, true);
  Items.insert(Items.begin() + Index, Item);
}

void TSQLExpressionItemsList::Delete(int Index) { FreeNode(Extract(Index)); }

TSQLExpressionItem* TSQLExpressionItemsList::Extract(int Index) {
  CheckIndex(Index);
  TSQLExpressionItem* item = Items[Index];
  Items.erase(Items.begin() + Index);
  return item;
}

TSQLExpressionItem* TSQLExpressionItemsList::Extract(TSQLExpressionItem* Item) {
  for (std::size_t i = 0; i < Items.size(); ++i)
    if (Items[i] == Item) return Extract(static_cast<int>(i));
  return nullptr;
}

TSQLExpressionItem* TSQLExpressionItemsList::GetItems(int Index) const {
  CheckIndex(Index);
  return Items[Index];
}

void TSQLExpressionItemsList::SetItems(int Index, TSQLExpressionItem* Item) {
  CheckIndex(Index);
  if (Items[Index] != Item) FreeNode(std::exchange(Items[Index], Item));
}

void TSQLExpressionItemsList::Assign(const TPersistent* Source) {
  TSQLExpressionItem::Assign(Source);
  const auto* source = dynamic_cast<const TSQLExpressionItemsList*>(Source);
  if (!source || source == this) return;
  for (TSQLExpressionItem* item : std::exchange(Items, {})) FreeNode(item);
  for (TSQLExpressionItem* item : source->Items) Add(item ? item->Clone() : nullptr);
}

void TSQLExpressionItemsList::GetMyChildren(TastChildList& List) {
  TSQLExpressionItem::GetMyChildren(List);
  for (TSQLExpressionItem* item : Items)
    if (item) List.push_back(item);
}

bool TSQLExpressionItemsList::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  if (Items.empty()) return false;
  for (TSQLExpressionItem* item : Items)
    if (!Belongs(item, FromSource)) return false;
  return true;
}

void TSQLExpressionItemsList::RemoveReferencesToFromSource(TSQLFromSource* FromSource) {
  for (int i = GetCount(); i-- > 0;) {
    if (!Belongs(Items[i], FromSource)) continue;
    if (KeepPlaces)
      SetItems(i, nullptr);
    else
      Delete(i);
  }
  TSQLExpressionItem::RemoveReferencesToFromSource(FromSource);
}

// Null entries (kept places) print nothing and no operator of their own.
void TSQLExpressionLogicalCollection::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  bool first = true;
  for (TSQLExpressionItem* item : Items) {
    if (!item) continue;
    if (!first) {
      Builder->Space();
      WriteLogicalOperator(Builder);
      Builder->Space();
    }
    item->BuildSQL(Builder, MultiLine);
    first = false;
  }
}

void TSQLExpressionLogicalCollection::RemoveLExpression(TSQLExpressionItem* AExpression) {
  for (TSQLExpressionItem* item : Items)
    if (item) item->RemoveLExpression(AExpression);
}

void TSQLExpressionLogicalCollection::RestoreLExpression(TSQLExpressionItem* AExpression) {
  for (TSQLExpressionItem* item : Items)
    if (item) item->RestoreLExpression(AExpression);
}

TSQLExpressionItem* TSQLExpressionLogicalCollection::FindExpressionItem(TSQLExpressionItem*& Item) {
  Item = nullptr;
  if (Items.empty() || !Items[0]) return this;
  TSQLExpressionItem* first = Extract(0);
  Insert(0, first->FindExpressionItem(Item));
  return this;
}

void TSQLExpressionAnd::WriteLogicalOperator(TSQLBuilder* Builder) { Builder->WriteKeyword("And"); }
void TSQLExpressionOr::WriteLogicalOperator(TSQLBuilder* Builder) { Builder->WriteKeyword("Or"); }

// ---- TSQLExpressionsList --------------------------------------------------------------------------

TSQLExpressionItem* TSQLExpressionsList::GetItems(int Index) const {
  return As<TSQLExpressionItem>(TastNodeWithList::GetItems(Index));
}

void TSQLExpressionsList::SetItems(int Index, TSQLExpressionItem* Item) { TastNodeWithList::SetItems(Index, Item); }

bool TSQLExpressionsList::ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) {
  if (GetCount() == 0) return false;
  for (int i = 0; i < GetCount(); ++i)
    if (!Belongs(GetItems(i), FromSource)) return false;
  return true;
}

void TSQLExpressionsList::RemoveReferencesToFromSource(TSQLFromSource* FromSource) {
  for (int i = GetCount(); i-- > 0;)
    if (Belongs(GetItems(i), FromSource)) Delete(i);
  TastNodeWithList::RemoveReferencesToFromSource(FromSource);
}
