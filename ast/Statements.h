#pragma once
// Query statement nodes: select lists, the union chain, SELECT blocks, select
// modes, GROUP BY and ORDER BY, join kinds, FROM sources and the sub-query proxy.

#include <cstdint>
#include <string>
#include <vector>

#include "ast/Expressions.h"
#include "ast/JoinKindRef.h"
#include "ast/Names.h"
#include "ast/Node.h"

// ---- select list -----------------------------------------------------------

class TSQLSelectItem : public TastNode {
  VNAST_NODE(TSQLSelectItem, TastNode)
};

class TSQLSelectItems : public TastNodeWithList {
  VNAST_NODE(TSQLSelectItems, TastNodeWithList)
  void Add(TSQLSelectItem* Item) { TastNodeWithList::Add(Item); }
  TSQLSelectItem* GetItems(int Index) const;
};

// *
class TSQLSelectItemAllColumns : public TSQLSelectItem {
  VNAST_NODE(TSQLSelectItemAllColumns, TSQLSelectItem)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

// t.*
class TSQLSelectItemAllTableColumns : public TSQLSelectItem {
  VNAST_NODE(TSQLSelectItemAllTableColumns, TSQLSelectItem)
  TSQLDatabaseObject* Table = nullptr;  // owned

  ~TSQLSelectItemAllTableColumns() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLSelectItemExpression : public TSQLSelectItem {
  VNAST_NODE(TSQLSelectItemExpression, TSQLSelectItem)
  TSQLAlias* Alias = nullptr;                // owned, may be null
  TSQLExpressionItem* Expression = nullptr;  // owned

  ~TSQLSelectItemExpression() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

// ---- select modes, GROUP BY, ORDER BY --------------------------------------

class TSQLSubQuerySelectMode : public TastNode {
  VNAST_NODE(TSQLSubQuerySelectMode, TastNode)
};

class TSQLSubQuerySelectModeDefault : public TSQLSubQuerySelectMode {
  VNAST_NODE(TSQLSubQuerySelectModeDefault, TSQLSubQuerySelectMode)
};

class TSQLSubQuerySelectModeAll : public TSQLSubQuerySelectMode {
  VNAST_NODE(TSQLSubQuerySelectModeAll, TSQLSubQuerySelectMode)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLSubQuerySelectModeDistinct : public TSQLSubQuerySelectMode {
  VNAST_NODE(TSQLSubQuerySelectModeDistinct, TSQLSubQuerySelectMode)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLGroupByList : public TSQLExpressionsList {
  VNAST_NODE(TSQLGroupByList, TSQLExpressionsList)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  void BuildSQLList(TSQLBuilder* Builder, bool MultiLine);
};

enum TSQLOrderByOrders { obAsc, obDesc };

class TSQLOrderByItem : public TastNode {
  VNAST_NODE(TSQLOrderByItem, TastNode)
  TSQLExpressionItem* Expression = nullptr;  // owned
  TSQLOrderByOrders Order = obAsc;

  ~TSQLOrderByItem() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLOrderByClause : public TastNodeWithList {
  VNAST_NODE(TSQLOrderByClause, TastNodeWithList)
  TSQLOrderByItem* GetItems(int Index) const;
  void SetItems(int Index, TSQLOrderByItem* Item) { TastNodeWithList::SetItems(Index, Item); }
};

// ---- union chain and statements -------------------------------------------

class TSQLFromClause;

// A member of a union chain; UnionOperator is the operator written before it.
class TSQLSubQueryExpression : public TastNode {
  VNAST_NODE(TSQLSubQueryExpression, TastNode)
  std::string UnionOperator = "union";
  bool UnionAll = false;

  void Assign(const TPersistent* Source) override;
  void BuildUnionOperator(TSQLBuilder* Builder);
  std::string GetSimpleUnionOperator();
};

// One SELECT block.
class TSQLSubQuerySelectExpression : public TSQLSubQueryExpression {
  VNAST_NODE(TSQLSubQuerySelectExpression, TSQLSubQueryExpression)
  TSQLSubQuerySelectMode* SelectMode = nullptr;   // owned, may be null
  TSQLSelectItems* SelectItems = nullptr;         // owned, may be null
  TSQLFromClause* FromClause = nullptr;           // owned, may be null
  TSQLExpressionItem* WhereExpression = nullptr;  // owned, may be null
  TSQLGroupByList* GroupBy = nullptr;             // owned, may be null
  TSQLExpressionItem* HavingExpression = nullptr; // owned, may be null
  TSQLOrderByClause* OrderBy = nullptr;           // owned, may be null

  ~TSQLSubQuerySelectExpression() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  void FixupObjects(TSQLFromSourceScope& Scope) override;

  void BuildSelectList(TSQLBuilder* Builder, bool MultiLine);
  void BuildFromClause(TSQLBuilder* Builder, bool MultiLine);
  void BuildWhereClause(TSQLBuilder* Builder, bool MultiLine);
  void BuildGroupByClause(TSQLBuilder* Builder, bool MultiLine);
  void BuildHavingClause(TSQLBuilder* Builder, bool MultiLine);
  void BuildOrderByClause(TSQLBuilder* Builder, bool MultiLine);
};

// A union chain: a bracketed union group, or the base of statements.
class TSQLSubQueryExpressions : public TSQLSubQueryExpression {
  VNAST_NODE(TSQLSubQueryExpressions, TSQLSubQueryExpression)
  ~TSQLSubQueryExpressions() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;

  virtual TSQLSubQueryExpression* GetItems(int Index);
  virtual int GetCount();
  virtual void Add(TSQLSubQueryExpression* Member);
  virtual int Remove(TSQLSubQueryExpression* Node);
  virtual void Delete(int Index);
  virtual TSQLSubQueryExpression* Extract(TSQLSubQueryExpression* Member);
  virtual TSQLSubQueryExpression* Extract(int Index);
  virtual void Clear();

 protected:
  std::vector<TSQLSubQueryExpression*> Items;  // owned
};

class TSQLSubSelectStatement : public TSQLSubQueryExpressions {
  VNAST_NODE(TSQLSubSelectStatement, TSQLSubQueryExpressions)
  TSQLOrderByClause* OrderBy = nullptr;  // owned, may be null

  ~TSQLSubSelectStatement() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLSelectStatement : public TSQLSubSelectStatement {
  VNAST_NODE(TSQLSelectStatement, TSQLSubSelectStatement)
};

// Stands in a tree for a sub-query that the query model has taken over: it
// prints and copies the model's current sub-query. The model derives from it.
// Proxy classes form their own class-reference family, whose virtual
// constructor is Create(SyntaxProvider, Owner, Statement).
class TSQLSubSelectStatementProxy : public TSQLSubSelectStatement {
  VN_CLASS_FAMILY(TSQLSubSelectStatementProxy, TastSyntaxProvider*, TObject*, TSQLSubSelectStatement*)
  VN_CLASS(TSQLSubSelectStatementProxy, TSQLSubSelectStatement)
 public:
  // The base only sets up an empty chain; Owner is what MoveSubQueryInProxy
  // passed through, and a subclass takes over Statement.
  TSQLSubSelectStatementProxy(TastSyntaxProvider* ASyntaxProvider, TObject* Owner,
                              TSQLSubSelectStatement* Statement);

  // A newly built statement tree of the sub-query, owned by the caller.
  virtual TSQLSubSelectStatement* GetASTTree() = 0;

  // Replaces the statement held in SubQuery (if any) by a proxy of class
  // ProxyClass created with Owner, which takes the statement over.
  static void MoveIntoProxy(TSQLSubSelectStatement*& SubQuery, TastSyntaxProvider* ASyntaxProvider,
                            TObject* Owner, const ClassRef* ProxyClass);

  void BuildSQL(TSQLBuilder* Builder, bool MultiLine) override;
  TastNode* Clone() override;
  void GetMyChildren(TastChildList& List) override;
  void Assign(const TPersistent* Source) override;

  TSQLSubQueryExpression* GetItems(int Index) override;
  int GetCount() override;
  void Add(TSQLSubQueryExpression* Member) override;
  int Remove(TSQLSubQueryExpression* Node) override;
  void Delete(int Index) override;
  TSQLSubQueryExpression* Extract(TSQLSubQueryExpression* Member) override;
  TSQLSubQueryExpression* Extract(int Index) override;
  void Clear() override;
};

// ---- join kinds --------------------------------------------------------------

// How a FROM source joins the sources before it. Join kinds are shared by
// reference count (see TSQLJoinKindRef): every FROM source and every other
// holder keeps a counted reference, and the last one frees the kind.
class TSQLJoinKind : public TastNode {
  VNAST_NODE(TSQLJoinKind, TastNode)
  virtual bool IsLeftOuter() { return false; }
  virtual bool IsRightOuter() { return false; }

  int GetRefCount() const { return RefCount; }

 private:
  friend class TSQLJoinKindRef;
  int RefCount = 0;
};

class TSQLJoinKindCross : public TSQLJoinKind {
  VNAST_NODE(TSQLJoinKindCross, TSQLJoinKind)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLJoinKindInner : public TSQLJoinKind {
  VNAST_NODE(TSQLJoinKindInner, TSQLJoinKind)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLJoinKindOuter : public TSQLJoinKind {
  VNAST_NODE(TSQLJoinKindOuter, TSQLJoinKind)
  bool Outer = false;  // the word OUTER is written

  void Assign(const TPersistent* Source) override;

 protected:
  void BuildOuterJoin(TSQLBuilder* Builder, const char* Side);
};

class TSQLJoinKindLeft : public TSQLJoinKindOuter {
  VNAST_NODE(TSQLJoinKindLeft, TSQLJoinKindOuter)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool IsLeftOuter() override { return true; }
};

class TSQLJoinKindRight : public TSQLJoinKindOuter {
  VNAST_NODE(TSQLJoinKindRight, TSQLJoinKindOuter)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool IsRightOuter() override { return true; }
};

class TSQLJoinKindFull : public TSQLJoinKindOuter {
  VNAST_NODE(TSQLJoinKindFull, TSQLJoinKindOuter)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool IsLeftOuter() override { return true; }
  bool IsRightOuter() override { return true; }
};

// ---- FROM sources --------------------------------------------------------------

class TSQLFromSource : public TastNode {
  VNAST_NODE(TSQLFromSource, TastNode)
  TStringList Fields;                          // the column names the source offers
  TSQLJoinKindRef JoinKind;                    // shared; null means a comma join
  TSQLExpressionItem* JoinCondition = nullptr; // owned, may be null (ON)
  TSQLAlias* Alias = nullptr;                  // owned, may be null
  // True when the last field-list refresh could not describe the source
  // completely, so Fields may lack columns the source has.
  bool FieldsIncomplete = false;

  ~TSQLFromSource() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  void RefreshFieldsListRecursive(TvnBaseMetadataProvider* MetadataProvider) override;

  virtual void RefreshFieldsList(TvnBaseMetadataProvider* MetadataProvider);
  // Prints the source without its alias.
  virtual void BuildExpression(TSQLBuilder* Builder, bool MultiLine) = 0;

  void BuildAlias(TSQLBuilder* Builder, bool MultiLine);
  void BuildJoinOperator(TSQLBuilder* Builder, bool MultiLine);
  std::string GetSimpleExpression();
  // The field list may lack columns: it is empty or its refresh failed.
  bool IsFieldListUnknown() const;
};

class TSQLFromObject : public TSQLFromSource {
  VNAST_NODE(TSQLFromObject, TSQLFromSource)
  TSQLDatabaseObject* DatabaseObject = nullptr;  // owned

  ~TSQLFromObject() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildExpression(TSQLBuilder* Builder, bool MultiLine) override;
};

// A derived table.
class TSQLFromQuery : public TSQLFromSource {
  VNAST_NODE(TSQLFromQuery, TSQLFromSource)
  TSQLSubSelectStatement* SubQuery = nullptr;  // owned
  // Column aliases written after the alias, "q (a, b)", as written.
  std::vector<std::string> ColumnAliases;

  ~TSQLFromQuery() override;
  void Assign(const TPersistent* Source) override;
  // The source and its alias, then the column aliases in brackets.
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildExpression(TSQLBuilder* Builder, bool MultiLine) override;
  void RefreshFieldsList(TvnBaseMetadataProvider* MetadataProvider) override;
  void MoveSubQueryInProxyInternal(TObject* Owner, const ClassRef* ProxyClass) override;
};

class TSQLFromFunction : public TSQLFromSource {
  VNAST_NODE(TSQLFromFunction, TSQLFromSource)
  TSQLFunction* Function = nullptr;  // owned

  ~TSQLFromFunction() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildExpression(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLFromBuiltInFunction : public TSQLFromFunction {
  VNAST_NODE(TSQLFromBuiltInFunction, TSQLFromFunction)
};

class TSQLFromVariable : public TSQLFromSource {
  VNAST_NODE(TSQLFromVariable, TSQLFromSource)
  std::string Name;

  void Assign(const TPersistent* Source) override;
  void BuildExpression(TSQLBuilder* Builder, bool MultiLine) override;
};

// A join chain: every item after the first carries the join kind and the ON
// condition that join it to the items before it.
class TSQLFromItem : public TSQLFromSource {
  VNAST_NODE(TSQLFromItem, TSQLFromSource)
  ~TSQLFromItem() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  void BuildExpression(TSQLBuilder* Builder, bool MultiLine) override;
  void RefreshFieldsListRecursive(TvnBaseMetadataProvider* MetadataProvider) override;

  void Add(TSQLFromSource* Source) { Items.push_back(Source); }
  void Delete(int Index);
  TSQLFromSource* Extract(TSQLFromSource* Source);
  TSQLFromSource* Extract(int Index);
  int GetCount() const { return static_cast<int>(Items.size()); }
  TSQLFromSource* GetItems(int Index) const;
  int IndexOf(const TSQLFromSource* Source) const;
  // The sources of the chain in order, descending into bracketed chains.
  void GetLeafSources(std::vector<TSQLFromSource*>& List) const;

 protected:
  std::vector<TSQLFromSource*> Items;  // owned
};

class TSQLFromClause : public TSQLFromItem {
  VNAST_NODE(TSQLFromClause, TSQLFromItem)
};
