#include "ast/Statements.h"

#include <utility>

#include "ast/IdentifierQuoting.h"
#include "ast/SQLBuilder.h"
#include "ast/SimpleText.h"
#include "metadata/BaseMetadataProvider.h"

namespace {

void Print(TastNode* Node, TSQLBuilder* Builder, bool MultiLine) {
  if (Node) Node->BuildSQL(Builder, MultiLine);
}

void WriteKeywords(TSQLBuilder* Builder, const char* First, const char* Second) {
  Builder->WriteKeyword(First);
  Builder->Space();
  Builder->WriteKeyword(Second);
}

template <class T>
void FreeAll(std::vector<T*>& Items) {
  std::vector<T*> old;
  old.swap(Items);
  for (T* item : old) FreeNode(item);
}

[[noreturn]] void RefuseOnProxy(const char* Operation) {
  throw Exception(std::string(Operation) + " can't be called with TSQLSubSelectStatementProxy");
}

// Every SELECT block of the union chain has at least one FROM source and
// at least one select item.
bool IsCompleteUnionChain(TSQLSubQueryExpressions* Chain) {
  if (Chain->GetCount() == 0) return false;
  for (int i = 0; i < Chain->GetCount(); ++i) {
    TSQLSubQueryExpression* member = Chain->GetItems(i);
    if (auto* group = dynamic_cast<TSQLSubQueryExpressions*>(member)) {
      if (!IsCompleteUnionChain(group)) return false;
    } else if (auto* block = dynamic_cast<TSQLSubQuerySelectExpression*>(member)) {
      std::vector<TSQLFromSource*> sources;
      if (block->FromClause) block->FromClause->GetLeafSources(sources);
      if (sources.empty() || !block->SelectItems || block->SelectItems->GetCount() == 0) return false;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

// ---- select list --------------------------------------------------------------------

TSQLSelectItem* TSQLSelectItems::GetItems(int Index) const {
  return As<TSQLSelectItem>(TastNodeWithList::GetItems(Index));
}

void TSQLSelectItemAllColumns::BuildSQLDirect(TSQLBuilder* Builder, bool) { Builder->WriteSymbol("*"); }

TSQLSelectItemAllTableColumns::~TSQLSelectItemAllTableColumns() { FreeNode(Table); }

void TSQLSelectItemAllTableColumns::Assign(const TPersistent* Source) {
  TSQLSelectItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLSelectItemAllTableColumns*>(Source)) CloneInto(Table, source->Table);
}

void TSQLSelectItemAllTableColumns::GetMyChildren(TastChildList& List) {
  TSQLSelectItem::GetMyChildren(List);
  if (Table) List.push_back(Table);
}

void TSQLSelectItemAllTableColumns::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  if (!Table) return;
  Table->BuildSQL(Builder, MultiLine);
  Builder->WriteSymbol(".*");
}

TSQLSelectItemExpression::~TSQLSelectItemExpression() {
  FreeNode(Alias);
  FreeNode(Expression);
}

void TSQLSelectItemExpression::Assign(const TPersistent* Source) {
  TSQLSelectItem::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLSelectItemExpression*>(Source)) {
    CloneInto(Alias, source->Alias);
    CloneInto(Expression, source->Expression);
  }
}

void TSQLSelectItemExpression::GetMyChildren(TastChildList& List) {
  TSQLSelectItem::GetMyChildren(List);
  if (Expression) List.push_back(Expression);
  if (Alias) List.push_back(Alias);
}

void TSQLSelectItemExpression::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  if (Is<TSQLAliasAliasEqualsObject>(Alias)) {
    Alias->BuildSQL(Builder, MultiLine);
    Builder->WriteSymbol("=");
    Print(Expression, Builder, MultiLine);
    return;
  }
  Print(Expression, Builder, MultiLine);
  if (Is<TSQLAliasObjectAlias>(Alias)) {
    Builder->Space();
    Alias->BuildSQL(Builder, MultiLine);
  }
}

// ---- select modes, GROUP BY, ORDER BY -------------------------------------------------

void TSQLSubQuerySelectModeAll::BuildSQLDirect(TSQLBuilder* Builder, bool) {
  Builder->Space();
  Builder->WriteKeyword("ALL");
}

void TSQLSubQuerySelectModeDistinct::BuildSQLDirect(TSQLBuilder* Builder, bool) {
  Builder->Space();
  Builder->WriteKeyword("DISTINCT");
}

void TSQLGroupByList::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Builder->NewLineOrSpace(MultiLine);
  WriteKeywords(Builder, "GROUP", "BY");
  Builder->Space();
  BuildSQLList(Builder, MultiLine);
}

void TSQLGroupByList::BuildSQLList(TSQLBuilder* Builder, bool MultiLine) {
  TastNodeWithList::BuildSQLDirect(Builder, MultiLine);
}

TSQLOrderByItem::~TSQLOrderByItem() { FreeNode(Expression); }

void TSQLOrderByItem::Assign(const TPersistent* Source) {
  TastNode::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLOrderByItem*>(Source)) {
    CloneInto(Expression, source->Expression);
    Order = source->Order;
  }
}

void TSQLOrderByItem::GetMyChildren(TastChildList& List) {
  TastNode::GetMyChildren(List);
  if (Expression) List.push_back(Expression);
}

void TSQLOrderByItem::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  Print(Expression, Builder, MultiLine);
  if (Order == obDesc) {
    Builder->Space();
    Builder->WriteKeyword("DESC");
  }
}

TSQLOrderByItem* TSQLOrderByClause::GetItems(int Index) const {
  return As<TSQLOrderByItem>(TastNodeWithList::GetItems(Index));
}

// ---- union members --------------------------------------------------------------------

void TSQLSubQueryExpression::Assign(const TPersistent* Source) {
  TastNode::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLSubQueryExpression*>(Source)) {
    UnionOperator = source->UnionOperator;
    UnionAll = source->UnionAll;
  }
}

void TSQLSubQueryExpression::BuildUnionOperator(TSQLBuilder* Builder) {
  Builder->WriteKeyword(UnionOperator);
  if (UnionAll) {
    Builder->Space();
    Builder->WriteKeyword("ALL");
  }
}

std::string TSQLSubQueryExpression::GetSimpleUnionOperator() {
  return SimpleText([this](TSQLBuilder* Builder) { BuildUnionOperator(Builder); });
}

// ---- SELECT block ---------------------------------------------------------------------

TSQLSubQuerySelectExpression::~TSQLSubQuerySelectExpression() {
  FreeNode(SelectMode);
  FreeNode(SelectItems);
  FreeNode(FromClause);
  FreeNode(WhereExpression);
  FreeNode(GroupBy);
  FreeNode(HavingExpression);
  FreeNode(OrderBy);
}

void TSQLSubQuerySelectExpression::Assign(const TPersistent* Source) {
  TSQLSubQueryExpression::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLSubQuerySelectExpression*>(Source)) {
    CloneInto(SelectMode, source->SelectMode);
    CloneInto(SelectItems, source->SelectItems);
    CloneInto(FromClause, source->FromClause);
    CloneInto(WhereExpression, source->WhereExpression);
    CloneInto(GroupBy, source->GroupBy);
    CloneInto(HavingExpression, source->HavingExpression);
    CloneInto(OrderBy, source->OrderBy);
  }
}

void TSQLSubQuerySelectExpression::GetMyChildren(TastChildList& List) {
  TSQLSubQueryExpression::GetMyChildren(List);
  for (TastNode* child : std::initializer_list<TastNode*>{SelectItems, FromClause, WhereExpression, GroupBy,
                                                          HavingExpression, OrderBy})
    if (child) List.push_back(child);
}

void TSQLSubQuerySelectExpression::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  BuildSelectList(Builder, MultiLine);
  BuildFromClause(Builder, MultiLine);
  BuildWhereClause(Builder, MultiLine);
  BuildGroupByClause(Builder, MultiLine);
  BuildHavingClause(Builder, MultiLine);
  BuildOrderByClause(Builder, MultiLine);
}

void TSQLSubQuerySelectExpression::BuildSelectList(TSQLBuilder* Builder, bool MultiLine) {
  Builder->WriteKeyword("SELECT");
  if (SelectMode) {
    Builder->Space();
    SelectMode->BuildSQL(Builder, MultiLine);
  }
  if (SelectItems && SelectItems->GetCount() > 0) {
    Builder->Space();
    SelectItems->BuildSQL(Builder, MultiLine);
  }
}

void TSQLSubQuerySelectExpression::BuildFromClause(TSQLBuilder* Builder, bool MultiLine) {
  if (!FromClause) return;
  Builder->NewLineOrSpace(MultiLine);
  Builder->WriteKeyword("FROM");
  Builder->Space();
  FromClause->BuildSQL(Builder, MultiLine);
}

void TSQLSubQuerySelectExpression::BuildWhereClause(TSQLBuilder* Builder, bool MultiLine) {
  if (!WhereExpression) return;
  Builder->NewLineOrSpace(MultiLine);
  Builder->WriteKeyword("WHERE");
  Builder->Space();
  WhereExpression->BuildSQLCosmetic(Builder, MultiLine);
}

void TSQLSubQuerySelectExpression::BuildGroupByClause(TSQLBuilder* Builder, bool MultiLine) {
  Print(GroupBy, Builder, MultiLine);
}

void TSQLSubQuerySelectExpression::BuildHavingClause(TSQLBuilder* Builder, bool MultiLine) {
  if (!HavingExpression) return;
  Builder->NewLineOrSpace(MultiLine);
  Builder->WriteKeyword("HAVING");
  Builder->Space();
  HavingExpression->BuildSQLCosmetic(Builder, MultiLine);
}

void TSQLSubQuerySelectExpression::BuildOrderByClause(TSQLBuilder* Builder, bool MultiLine) {
  if (!OrderBy) return;
  Builder->NewLineOrSpace(MultiLine);
  WriteKeywords(Builder, "ORDER", "BY");
  Builder->Space();
  OrderBy->BuildSQL(Builder, MultiLine);
}

void TSQLSubQuerySelectExpression::FixupObjects(TSQLFromSourceScope& Scope) {
  std::vector<TSQLFromSource*> sources;
  if (FromClause) FromClause->GetLeafSources(sources);
  Scope.OpenLevel(sources);
  try {
    TSQLSubQueryExpression::FixupObjects(Scope);
  } catch (...) {
    Scope.CloseLevel();
    throw;
  }
  Scope.CloseLevel();
}

// ---- union chains and statements ------------------------------------------------------

TSQLSubQueryExpressions::~TSQLSubQueryExpressions() { FreeAll(Items); }

void TSQLSubQueryExpressions::Assign(const TPersistent* Source) {
  TSQLSubQueryExpression::Assign(Source);
  const auto* source = dynamic_cast<const TSQLSubQueryExpressions*>(Source);
  if (!source || source == this) return;
  FreeAll(Items);
  for (TSQLSubQueryExpression* member : source->Items) Add(static_cast<TSQLSubQueryExpression*>(member->Clone()));
}

void TSQLSubQueryExpressions::GetMyChildren(TastChildList& List) {
  TSQLSubQueryExpression::GetMyChildren(List);
  for (TSQLSubQueryExpression* member : Items)
    if (member) List.push_back(member);
}

void TSQLSubQueryExpressions::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  for (int i = 0; i < GetCount(); ++i) {
    TSQLSubQueryExpression* member = GetItems(i);
    if (i > 0) {
      Builder->NewLineOrSpace(MultiLine);
      member->BuildUnionOperator(Builder);
      Builder->NewLineOrSpace(MultiLine);
    }
    if (Is<TSQLSubQueryExpressions>(member)) {
      Builder->WriteSymbol("(");
      member->BuildSQL(Builder, MultiLine);
      Builder->WriteSymbol(")");
    } else {
      member->BuildSQL(Builder, MultiLine);
    }
  }
}

TSQLSubQueryExpression* TSQLSubQueryExpressions::GetItems(int Index) {
  if (Index < 0 || Index >= GetCount()) throw EListError(Format("List index out of bounds (%d)", Index));
  return Items[Index];
}

int TSQLSubQueryExpressions::GetCount() { return static_cast<int>(Items.size()); }

void TSQLSubQueryExpressions::Add(TSQLSubQueryExpression* Member) { Items.push_back(Member); }

int TSQLSubQueryExpressions::Remove(TSQLSubQueryExpression* Node) {
  for (std::size_t i = 0; i < Items.size(); ++i)
    if (Items[i] == Node) {
      Delete(static_cast<int>(i));
      return static_cast<int>(i);
    }
  return -1;
}

void TSQLSubQueryExpressions::Delete(int Index) { FreeNode(Extract(Index)); }

TSQLSubQueryExpression* TSQLSubQueryExpressions::Extract(TSQLSubQueryExpression* Member) {
  for (std::size_t i = 0; i < Items.size(); ++i)
    if (Items[i] == Member) {
      Items.erase(Items.begin() + static_cast<std::ptrdiff_t>(i));
      return Member;
    }
  return nullptr;
}

TSQLSubQueryExpression* TSQLSubQueryExpressions::Extract(int Index) { return Extract(GetItems(Index)); }

void TSQLSubQueryExpressions::Clear() { FreeAll(Items); }

TSQLSubSelectStatement::~TSQLSubSelectStatement() { FreeNode(OrderBy); }

void TSQLSubSelectStatement::Assign(const TPersistent* Source) {
  TSQLSubQueryExpressions::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLSubSelectStatement*>(Source)) CloneInto(OrderBy, source->OrderBy);
}

void TSQLSubSelectStatement::GetMyChildren(TastChildList& List) {
  TSQLSubQueryExpressions::GetMyChildren(List);
  if (OrderBy) List.push_back(OrderBy);
}

void TSQLSubSelectStatement::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  TSQLSubQueryExpressions::BuildSQLDirect(Builder, MultiLine);
  if (!OrderBy) return;
  Builder->NewLineOrSpace(MultiLine);
  WriteKeywords(Builder, "ORDER", "BY");
  Builder->Space();
  OrderBy->BuildSQL(Builder, MultiLine);
}

// ---- the sub-query proxy -----------------------------------------------------------------

TSQLSubSelectStatementProxy::TSQLSubSelectStatementProxy(TastSyntaxProvider* ASyntaxProvider, TObject*,
                                                         TSQLSubSelectStatement*)
    : TSQLSubSelectStatement(ASyntaxProvider) {}

void TSQLSubSelectStatementProxy::BuildSQL(TSQLBuilder* Builder, bool MultiLine) {
  TSQLSubSelectStatement* tree = GetASTTree();
  try {
    tree->BuildSQL(Builder, MultiLine);
  } catch (...) {
    FreeNode(tree);
    throw;
  }
  FreeNode(tree);
}

void TSQLSubSelectStatementProxy::MoveIntoProxy(TSQLSubSelectStatement*& SubQuery,
                                                TastSyntaxProvider* ASyntaxProvider, TObject* Owner,
                                                const ClassRef* ProxyClass) {
  if (!SubQuery) return;
  const auto* family = ClassOf<TSQLSubSelectStatementProxy::ClassFamily>(ProxyClass);
  if (!family) throw EInvalidCast();
  SubQuery = family->Create(ASyntaxProvider, Owner, SubQuery);
}

TastNode* TSQLSubSelectStatementProxy::Clone() { return GetASTTree(); }
void TSQLSubSelectStatementProxy::GetMyChildren(TastChildList&) {}
void TSQLSubSelectStatementProxy::Assign(const TPersistent*) { RefuseOnProxy("Assign"); }
TSQLSubQueryExpression* TSQLSubSelectStatementProxy::GetItems(int) { RefuseOnProxy("GetItems"); }
int TSQLSubSelectStatementProxy::GetCount() { RefuseOnProxy("GetCount"); }
void TSQLSubSelectStatementProxy::Add(TSQLSubQueryExpression*) { RefuseOnProxy("Add"); }
int TSQLSubSelectStatementProxy::Remove(TSQLSubQueryExpression*) { RefuseOnProxy("Remove"); }
void TSQLSubSelectStatementProxy::Delete(int) { RefuseOnProxy("Delete"); }
TSQLSubQueryExpression* TSQLSubSelectStatementProxy::Extract(TSQLSubQueryExpression*) { RefuseOnProxy("Extract"); }
TSQLSubQueryExpression* TSQLSubSelectStatementProxy::Extract(int) { RefuseOnProxy("Extract"); }
void TSQLSubSelectStatementProxy::Clear() { RefuseOnProxy("Clear"); }

// ---- join kinds ---------------------------------------------------------------------------

void TSQLJoinKindCross::BuildSQLDirect(TSQLBuilder* Builder, bool) {
  Builder->Space();
  WriteKeywords(Builder, "CROSS", "JOIN");
}

void TSQLJoinKindInner::BuildSQLDirect(TSQLBuilder* Builder, bool) {
  Builder->Space();
  WriteKeywords(Builder, "INNER", "JOIN");
}

void TSQLJoinKindOuter::Assign(const TPersistent* Source) {
  TSQLJoinKind::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLJoinKindOuter*>(Source)) Outer = source->Outer;
}

void TSQLJoinKindOuter::BuildOuterJoin(TSQLBuilder* Builder, const char* Side) {
  Builder->Space();
  Builder->WriteKeyword(Side);
  if (Outer) {
    Builder->Space();
    Builder->WriteKeyword("OUTER");
  }
  Builder->Space();
  Builder->WriteKeyword("JOIN");
}

void TSQLJoinKindLeft::BuildSQLDirect(TSQLBuilder* Builder, bool) { BuildOuterJoin(Builder, "LEFT"); }
void TSQLJoinKindRight::BuildSQLDirect(TSQLBuilder* Builder, bool) { BuildOuterJoin(Builder, "RIGHT"); }
void TSQLJoinKindFull::BuildSQLDirect(TSQLBuilder* Builder, bool) { BuildOuterJoin(Builder, "FULL"); }

// ---- FROM sources ---------------------------------------------------------------------------

TSQLFromSource::~TSQLFromSource() {
  FreeNode(JoinCondition);
  FreeNode(Alias);
}

void TSQLFromSource::Assign(const TPersistent* Source) {
  TastNode::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLFromSource*>(Source)) {
    Fields.Assign(&source->Fields);
    FieldsIncomplete = source->FieldsIncomplete;
    JoinKind = source->JoinKind;
    CloneInto(JoinCondition, source->JoinCondition);
    CloneInto(Alias, source->Alias);
  }
}

void TSQLFromSource::GetMyChildren(TastChildList& List) {
  TastNode::GetMyChildren(List);
  if (Alias) List.push_back(Alias);
  if (JoinCondition) List.push_back(JoinCondition);
}

void TSQLFromSource::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  BuildExpression(Builder, MultiLine);
  BuildAlias(Builder, MultiLine);
}

void TSQLFromSource::BuildAlias(TSQLBuilder* Builder, bool MultiLine) {
  if (!Alias) return;
  Builder->Space();
  Alias->BuildSQL(Builder, MultiLine);
}

void TSQLFromSource::BuildJoinOperator(TSQLBuilder* Builder, bool MultiLine) {
  if (JoinKind) {
    JoinKind->BuildSQL(Builder, MultiLine);
  } else {
    Builder->WriteSymbol(",");
    Builder->Space();
  }
}

std::string TSQLFromSource::GetSimpleExpression() {
  return SimpleText([this](TSQLBuilder* Builder) { BuildExpression(Builder, false); });
}

bool TSQLFromSource::IsFieldListUnknown() const { return FieldsIncomplete || Fields.Count() == 0; }

void TSQLFromSource::RefreshFieldsListRecursive(TvnBaseMetadataProvider* MetadataProvider) {
  TastNode::RefreshFieldsListRecursive(MetadataProvider);
  RefreshFieldsList(MetadataProvider);
}

void TSQLFromSource::RefreshFieldsList(TvnBaseMetadataProvider* MetadataProvider) {
  Fields.Clear();
  // Stays set when the provider fails: the list is then not to be trusted.
  FieldsIncomplete = true;
  MetadataProvider->GetFields("select * from " + GetSimpleSQL(), &Fields);
  FieldsIncomplete = false;
}

TSQLFromObject::~TSQLFromObject() { FreeNode(DatabaseObject); }

void TSQLFromObject::Assign(const TPersistent* Source) {
  TSQLFromSource::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLFromObject*>(Source))
    CloneInto(DatabaseObject, source->DatabaseObject);
}

void TSQLFromObject::GetMyChildren(TastChildList& List) {
  TSQLFromSource::GetMyChildren(List);
  if (DatabaseObject) List.push_back(DatabaseObject);
}

void TSQLFromObject::BuildExpression(TSQLBuilder* Builder, bool) {
  if (DatabaseObject) DatabaseObject->BuildFullName(Builder);
}

TSQLFromQuery::~TSQLFromQuery() { FreeNode(SubQuery); }

void TSQLFromQuery::Assign(const TPersistent* Source) {
  TSQLFromSource::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLFromQuery*>(Source)) {
    CloneInto(SubQuery, source->SubQuery);
    ColumnAliases = source->ColumnAliases;
  }
}

void TSQLFromQuery::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  TSQLFromSource::BuildSQLDirect(Builder, MultiLine);
  if (ColumnAliases.empty()) return;
  Builder->Space();
  Builder->WriteSymbol("(");
  for (size_t i = 0; i < ColumnAliases.size(); ++i) {
    if (i > 0) {
      Builder->WriteSymbol(",");
      Builder->Space();
    }
    Builder->WriteAlias(ColumnAliases[i], SyntaxProvider);
  }
  Builder->WriteSymbol(")");
}

void TSQLFromQuery::GetMyChildren(TastChildList& List) {
  TSQLFromSource::GetMyChildren(List);
  if (SubQuery) List.push_back(SubQuery);
}

void TSQLFromQuery::BuildExpression(TSQLBuilder* Builder, bool) {
  Builder->WriteSymbol("(");
  Print(SubQuery, Builder, false);
  Builder->WriteSymbol(")");
}

void TSQLFromQuery::RefreshFieldsList(TvnBaseMetadataProvider* MetadataProvider) {
  Fields.Clear();
  FieldsIncomplete = false;
  if (!SubQuery || !Alias) return;
  bool complete = false;
  if (auto* proxy = dynamic_cast<TSQLSubSelectStatementProxy*>(SubQuery)) {
    TSQLSubSelectStatement* tree = proxy->GetASTTree();
    complete = IsCompleteUnionChain(tree);
    FreeNode(tree);
  } else {
    complete = IsCompleteUnionChain(SubQuery);
  }
  if (!complete) return;
  // The alias and the column aliases go through the identifier rules, so they
  // cannot break out of the text that reaches the database; with column
  // aliases the provider reports the names the enclosing query sees.
  std::string sql =
      "select * from (" + GetSimpleExpression() + ") " + QuoteIdentifier(Alias->Name, SyntaxProvider, true);
  for (std::size_t i = 0; i < ColumnAliases.size(); ++i)
    sql += (i == 0 ? " (" : ", ") + QuoteIdentifier(ColumnAliases[i], SyntaxProvider, true);
  if (!ColumnAliases.empty()) sql += ")";
  try {
    MetadataProvider->GetFields(sql, &Fields);
  } catch (const std::exception&) {
    // A derived table that cannot be described keeps what the provider gave.
    FieldsIncomplete = true;
  }
}

void TSQLFromQuery::MoveSubQueryInProxyInternal(TObject* Owner, const ClassRef* ProxyClass) {
  TSQLSubSelectStatementProxy::MoveIntoProxy(SubQuery, SyntaxProvider, Owner, ProxyClass);
}

TSQLFromFunction::~TSQLFromFunction() { FreeNode(Function); }

void TSQLFromFunction::Assign(const TPersistent* Source) {
  TSQLFromSource::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLFromFunction*>(Source)) CloneInto(Function, source->Function);
}

void TSQLFromFunction::GetMyChildren(TastChildList& List) {
  TSQLFromSource::GetMyChildren(List);
  if (Function) List.push_back(Function);
}

void TSQLFromFunction::BuildExpression(TSQLBuilder* Builder, bool MultiLine) { Print(Function, Builder, MultiLine); }

void TSQLFromVariable::Assign(const TPersistent* Source) {
  TSQLFromSource::Assign(Source);
  if (const auto* source = dynamic_cast<const TSQLFromVariable*>(Source)) Name = source->Name;
}

void TSQLFromVariable::BuildExpression(TSQLBuilder* Builder, bool) { Builder->WriteIdentifier(Name, SyntaxProvider); }

// ---- join chains ------------------------------------------------------------------------------

TSQLFromItem::~TSQLFromItem() { FreeAll(Items); }

void TSQLFromItem::Assign(const TPersistent* Source) {
  TSQLFromSource::Assign(Source);
  const auto* source = dynamic_cast<const TSQLFromItem*>(Source);
  if (!source || source == this) return;
  FreeAll(Items);
  for (TSQLFromSource* item : source->Items) Add(static_cast<TSQLFromSource*>(item->Clone()));
}

void TSQLFromItem::GetMyChildren(TastChildList& List) {
  TSQLFromSource::GetMyChildren(List);
  for (TSQLFromSource* item : Items)
    if (item) List.push_back(item);
}

void TSQLFromItem::BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) {
  for (std::size_t i = 0; i < Items.size(); ++i) {
    TSQLFromSource* item = Items[i];
    if (i > 0) {
      item->BuildJoinOperator(Builder, MultiLine);
      Builder->NewLineOrSpace(MultiLine);
      Builder->SpaceForce();
    }
    if (Is<TSQLFromItem>(item)) {
      Builder->WriteSymbol("(");
      item->BuildSQL(Builder, MultiLine);
      Builder->WriteSymbol(")");
    } else {
      item->BuildSQL(Builder, MultiLine);
    }
    if (item->JoinCondition) {
      Builder->Space();
      Builder->WriteKeyword("ON");
      Builder->Space();
      item->JoinCondition->BuildSQL(Builder, MultiLine);
    }
  }
}

void TSQLFromItem::BuildExpression(TSQLBuilder* Builder, bool MultiLine) { BuildSQL(Builder, MultiLine); }

void TSQLFromItem::RefreshFieldsListRecursive(TvnBaseMetadataProvider* MetadataProvider) {
  TastNode::RefreshFieldsListRecursive(MetadataProvider);
}

void TSQLFromItem::Delete(int Index) { FreeNode(Extract(Index)); }

TSQLFromSource* TSQLFromItem::Extract(TSQLFromSource* Source) {
  const int index = IndexOf(Source);
  if (index < 0) return nullptr;
  Items.erase(Items.begin() + index);
  return Source;
}

TSQLFromSource* TSQLFromItem::Extract(int Index) { return Extract(GetItems(Index)); }

TSQLFromSource* TSQLFromItem::GetItems(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError(Format("List index out of bounds (%d)", Index));
  return Items[Index];
}

int TSQLFromItem::IndexOf(const TSQLFromSource* Source) const {
  for (std::size_t i = 0; i < Items.size(); ++i)
    if (Items[i] == Source) return static_cast<int>(i);
  return -1;
}

void TSQLFromItem::GetLeafSources(std::vector<TSQLFromSource*>& List) const {
  for (TSQLFromSource* item : Items) {
    if (auto* chain = dynamic_cast<TSQLFromItem*>(item))
      chain->GetLeafSources(List);
    else if (item)
      List.push_back(item);
  }
}
