#pragma once
// Value expressions and predicates.

#include <cstdint>
#include <string>
#include <vector>

#include "ast/Names.h"
#include "ast/Node.h"
#include "platform/core/Variant.h"

class TSQLSubSelectStatement;
class TSQLExpressionsList;

// Abstract base of every expression.
class TSQLExpressionItem : public TastNode {
  VNAST_NODE(TSQLExpressionItem, TastNode)
  // Does the expression belong to FromSource alone (used when a source is deleted).
  virtual bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource);
  // Strip or restore the left-hand operand of a condition (grid criteria).
  virtual void RemoveLExpression(TSQLExpressionItem* Expression);
  virtual void RestoreLExpression(TSQLExpressionItem* Expression);
  virtual bool IsLogical();
  // Finds the left-hand operand of a condition: sets Item and returns the node
  // that takes the receiver's place in its parent.
  virtual TSQLExpressionItem* FindExpressionItem(TSQLExpressionItem*& Item);

  void BuildSQLCosmetic(TSQLBuilder* Builder, bool MultiLine) { BuildSQL(Builder, MultiLine); }
  TSQLExpressionItem* Clone() override;
};

class TSQLExpressionConstant : public TSQLExpressionItem {
  VNAST_NODE(TSQLExpressionConstant, TSQLExpressionItem)
  Variant Value;

  TSQLExpressionConstant(TastSyntaxProvider* ASyntaxProvider, const Variant& AValue)
      : TSQLExpressionItem(ASyntaxProvider), Value(AValue) {}
  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLExpressionVariable : public TSQLExpressionItem {
  VNAST_NODE(TSQLExpressionVariable, TSQLExpressionItem)
  std::string Name;

  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLExpressionColumn : public TSQLExpressionItem {
  VNAST_NODE(TSQLExpressionColumn, TSQLExpressionItem)
  TSQLObjectColumn* Column = nullptr;  // owned

  ~TSQLExpressionColumn() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) override;
};

class TSQLExpressionParameterlessFunction : public TSQLExpressionItem {
  VNAST_NODE(TSQLExpressionParameterlessFunction, TSQLExpressionItem)
  std::string Name;

  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLExpressionFunction : public TSQLExpressionItem {
  VNAST_NODE(TSQLExpressionFunction, TSQLExpressionItem)
  TSQLFunction* Function = nullptr;  // owned

  ~TSQLExpressionFunction() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) override;
};

// A scalar sub-query; always printed on one line.
class TSQLExpressionSelect : public TSQLExpressionItem {
  VNAST_NODE(TSQLExpressionSelect, TSQLExpressionItem)
  TSQLSubSelectStatement* SubQuery = nullptr;  // owned, may be null

  ~TSQLExpressionSelect() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  void MoveSubQueryInProxyInternal(TObject* Owner, const ClassRef* ProxyClass) override;
};

// WHEN ... THEN ... of a CASE (not an expression itself).
class TSQLCaseFunctionItem : public TastNode {
  VNAST_NODE(TSQLCaseFunctionItem, TastNode)
  TSQLExpressionItem* WhenExpression = nullptr;  // owned
  TSQLExpressionItem* ThenExpression = nullptr;  // owned

  ~TSQLCaseFunctionItem() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  virtual bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource);
};

class TSQLExpressionCaseFunction : public TSQLExpressionItem {
  VNAST_NODE(TSQLExpressionCaseFunction, TSQLExpressionItem)
  std::vector<TSQLCaseFunctionItem*> Items;      // owned
  TSQLExpressionItem* CaseExpression = nullptr;  // owned, may be null
  TSQLExpressionItem* ElseExpression = nullptr;  // owned, may be null

  ~TSQLExpressionCaseFunction() override;
  void Add(TSQLCaseFunctionItem* Item) { Items.push_back(Item); }
  TSQLCaseFunctionItem* GetItems(int I) const;
  int GetCount() const { return static_cast<int>(Items.size()); }

  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) override;
};

// name(*)
class TSQLExpressionAggregate : public TSQLExpressionItem {
  VNAST_NODE(TSQLExpressionAggregate, TSQLExpressionItem)
  std::string Name;

  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLExpressionAggregate1Param : public TSQLExpressionAggregate {
  VNAST_NODE(TSQLExpressionAggregate1Param, TSQLExpressionAggregate)
  TSQLExpressionItem* Param = nullptr;  // owned

  ~TSQLExpressionAggregate1Param() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) override;
};

class TSQLExpressionAggregate1ParamWPrefix : public TSQLExpressionAggregate1Param {
  VNAST_NODE(TSQLExpressionAggregate1ParamWPrefix, TSQLExpressionAggregate1Param)
  std::uint8_t Distinct = 0;  // only 1 means DISTINCT

  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLExpressionAggregateWParams : public TSQLExpressionAggregate {
  VNAST_NODE(TSQLExpressionAggregateWParams, TSQLExpressionAggregate)
  TSQLExpressionsList* Params = nullptr;  // owned

  ~TSQLExpressionAggregateWParams() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) override;
};

// Base of expressions with one operand (for predicates, the left-hand side).
class TSQLExpressionExpressionItem : public TSQLExpressionItem {
  VNAST_NODE(TSQLExpressionExpressionItem, TSQLExpressionItem)
  TSQLExpressionItem* Expression = nullptr;  // owned, may be null

  // Create(SyntaxProvider, Expression) adopts the operand.
  TSQLExpressionExpressionItem(TastSyntaxProvider* ASyntaxProvider, TSQLExpressionItem* AExpression)
      : TSQLExpressionItem(ASyntaxProvider), Expression(AExpression) {}

  ~TSQLExpressionExpressionItem() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) override;
};

class TSQLExpressionOperation : public TSQLExpressionExpressionItem {
  VNAST_NODE(TSQLExpressionOperation, TSQLExpressionExpressionItem)
  void RemoveLExpression(TSQLExpressionItem* AExpression) override;
  void RestoreLExpression(TSQLExpressionItem* AExpression) override;
  TSQLExpressionItem* FindExpressionItem(TSQLExpressionItem*& Item) override;
};

class TSQLExpressionLogicalOperation : public TSQLExpressionOperation {
  VNAST_NODE(TSQLExpressionLogicalOperation, TSQLExpressionOperation)
  bool IsLogical() override { return true; }
};

class TSQLExpressionBrackets : public TSQLExpressionExpressionItem {
  VNAST_NODE(TSQLExpressionBrackets, TSQLExpressionExpressionItem)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  void RemoveLExpression(TSQLExpressionItem* AExpression) override;
  void RestoreLExpression(TSQLExpressionItem* AExpression) override;
  TSQLExpressionItem* FindExpressionItem(TSQLExpressionItem*& Item) override;
};

class TSQLExpressionNot : public TSQLExpressionExpressionItem {
  VNAST_NODE(TSQLExpressionNot, TSQLExpressionExpressionItem)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool IsLogical() override { return true; }
  void RemoveLExpression(TSQLExpressionItem* AExpression) override;
  void RestoreLExpression(TSQLExpressionItem* AExpression) override;
  TSQLExpressionItem* FindExpressionItem(TSQLExpressionItem*& Item) override;
};

class TSQLExpressionCast : public TSQLExpressionOperation {
  VNAST_NODE(TSQLExpressionCast, TSQLExpressionOperation)
  TSQLType* CastType = nullptr;  // owned

  ~TSQLExpressionCast() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLExpressionFieldSelection : public TSQLExpressionExpressionItem {
  VNAST_NODE(TSQLExpressionFieldSelection, TSQLExpressionExpressionItem)
  std::string FieldName;

  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLExpressionOperator : public TSQLExpressionOperation {
  VNAST_NODE(TSQLExpressionOperator, TSQLExpressionOperation)
  TSQLOperator* Operator = nullptr;  // owned

  // The further constructors; the text forms make a new TSQLOperator, the
  // last one adopts both the operand and the operator.
  TSQLExpressionOperator(TastSyntaxProvider* ASyntaxProvider, const std::string& AOperatorText);
  TSQLExpressionOperator(TastSyntaxProvider* ASyntaxProvider, TSQLExpressionItem* AExpression,
                         const std::string& AOperatorText);
  TSQLExpressionOperator(TastSyntaxProvider* ASyntaxProvider, TSQLExpressionItem* AExpression,
                         TSQLOperator* AOperator);

  ~TSQLExpressionOperator() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  void BuildSQLExpression(TSQLBuilder* Builder, bool MultiLine);
};

class TSQLExpressionOperatorPrefix : public TSQLExpressionOperator {
  VNAST_NODE(TSQLExpressionOperatorPrefix, TSQLExpressionOperator)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLExpressionOperatorPostfix : public TSQLExpressionOperator {
  VNAST_NODE(TSQLExpressionOperatorPostfix, TSQLExpressionOperator)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

// Expression Operator RightExpression, without blanks. Long left-deep chains
// (1+1+...+1) are printed, copied and walked along their left spine in a loop.
class TSQLExpressionOperatorBinary : public TSQLExpressionOperator {
  VNAST_NODE(TSQLExpressionOperatorBinary, TSQLExpressionOperator)
  TSQLExpressionItem* RightExpression = nullptr;  // owned

  ~TSQLExpressionOperatorBinary() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) override;

  void FixupObjects(TSQLFromSourceScope& Scope) override;
  void SimplifyTree() override;
  void MoveSubQueryInProxy(TObject* Owner, const ClassRef* ProxyClass) override;
  void RemoveReferencesToFromSource(TSQLFromSource* FromSource) override;
  void RefreshFieldsListRecursive(TvnBaseMetadataProvider* MetadataProvider) override;

 private:
  // The left spine: this node and every operand below it that is a plain
  // binary operator node (same class, no extender), top first.
  std::vector<TSQLExpressionOperatorBinary*> LeftSpine();
  template <class Visit>
  void ForEachChildAlongSpine(Visit visit);
};

class TSQLExpressionCompWithSet : public TSQLExpressionOperator {
  VNAST_NODE(TSQLExpressionCompWithSet, TSQLExpressionOperator)
  std::uint8_t Quantifier = 0;  // 0 All, 1 Some, 2 Any

  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLExpressionCompWithSubQuery : public TSQLExpressionCompWithSet {
  VNAST_NODE(TSQLExpressionCompWithSubQuery, TSQLExpressionCompWithSet)
  TSQLSubSelectStatement* SubQuery = nullptr;  // owned, may be null

  ~TSQLExpressionCompWithSubQuery() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  void MoveSubQueryInProxyInternal(TObject* Owner, const ClassRef* ProxyClass) override;
};

class TSQLExpressionCompWithSetExpression : public TSQLExpressionCompWithSet {
  VNAST_NODE(TSQLExpressionCompWithSetExpression, TSQLExpressionCompWithSet)
  TSQLExpressionItem* SetExpression = nullptr;  // owned

  ~TSQLExpressionCompWithSetExpression() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) override;
};

class TSQLExpressionIs : public TSQLExpressionLogicalOperation {
  VNAST_NODE(TSQLExpressionIs, TSQLExpressionLogicalOperation)
  bool Negated = false;

  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLExpressionIsNull : public TSQLExpressionIs {
  VNAST_NODE(TSQLExpressionIsNull, TSQLExpressionIs)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLExpressionIn : public TSQLExpressionLogicalOperation {
  VNAST_NODE(TSQLExpressionIn, TSQLExpressionLogicalOperation)
  bool Negated = false;

  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLExpressionInSet : public TSQLExpressionIn {
  VNAST_NODE(TSQLExpressionInSet, TSQLExpressionIn)
  TSQLExpressionsList* Values = nullptr;  // owned

  ~TSQLExpressionInSet() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) override;
};

class TSQLExpressionInSubQuery : public TSQLExpressionIn {
  VNAST_NODE(TSQLExpressionInSubQuery, TSQLExpressionIn)
  TSQLSubSelectStatement* SubQuery = nullptr;  // owned, may be null

  ~TSQLExpressionInSubQuery() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  void MoveSubQueryInProxyInternal(TObject* Owner, const ClassRef* ProxyClass) override;
};

class TSQLExpressionBetween : public TSQLExpressionOperation {
  VNAST_NODE(TSQLExpressionBetween, TSQLExpressionOperation)
  bool Negated = false;
  TSQLExpressionItem* LowExpression = nullptr;   // owned
  TSQLExpressionItem* HighExpression = nullptr;  // owned

  ~TSQLExpressionBetween() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) override;
};

class TSQLExpressionLikeTemplate : public TSQLExpressionLogicalOperation {
  VNAST_NODE(TSQLExpressionLikeTemplate, TSQLExpressionLogicalOperation)
  std::string Operation;  // the keyword to print ("Like")
  bool Negated = false;
  TSQLExpressionItem* Pattern = nullptr;           // owned
  TSQLExpressionItem* EscapeExpression = nullptr;  // owned, may be null

  ~TSQLExpressionLikeTemplate() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) override;
};

class TSQLExpressionExists : public TSQLExpressionItem {
  VNAST_NODE(TSQLExpressionExists, TSQLExpressionItem)
  TSQLSubSelectStatement* SubQuery = nullptr;  // owned, may be null

  ~TSQLExpressionExists() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool IsLogical() override { return true; }
  void MoveSubQueryInProxyInternal(TObject* Owner, const ClassRef* ProxyClass) override;
};

class TSQLExpressionOverlaps : public TSQLExpressionItem {
  VNAST_NODE(TSQLExpressionOverlaps, TSQLExpressionItem)
  TSQLExpressionItem* Period1Start = nullptr;  // owned
  TSQLExpressionItem* Period1End = nullptr;    // owned
  TSQLExpressionItem* Period2Start = nullptr;  // owned
  TSQLExpressionItem* Period2End = nullptr;    // owned

  ~TSQLExpressionOverlaps() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool IsLogical() override { return true; }
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) override;
};

class TSQLExpressionItemsList : public TSQLExpressionItem {
  VNAST_NODE(TSQLExpressionItemsList, TSQLExpressionItem)
  std::vector<TSQLExpressionItem*> Items;  // owned, entries may be null
  bool KeepPlaces = false;                 // not copied by Assign

  ~TSQLExpressionItemsList() override;
  void Add(TSQLExpressionItem* Item);
  void Insert(int Index, TSQLExpressionItem* Item);
  void Delete(int Index);
  TSQLExpressionItem* Extract(int Index);
  TSQLExpressionItem* Extract(TSQLExpressionItem* Item);
  int GetCount() const { return static_cast<int>(Items.size()); }
  TSQLExpressionItem* GetItems(int Index) const;
  void SetItems(int Index, TSQLExpressionItem* Item);

  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource) override;
  void RemoveReferencesToFromSource(TSQLFromSource* FromSource) override;

 protected:
  void CheckIndex(int Index, bool AllowEnd = false) const;
};

// AND / OR of its items.
class TSQLExpressionLogicalCollection : public TSQLExpressionItemsList {
  VNAST_NODE(TSQLExpressionLogicalCollection, TSQLExpressionItemsList)
  virtual void WriteLogicalOperator(TSQLBuilder* Builder) = 0;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  bool IsLogical() override { return true; }
  void RemoveLExpression(TSQLExpressionItem* AExpression) override;
  void RestoreLExpression(TSQLExpressionItem* AExpression) override;
  TSQLExpressionItem* FindExpressionItem(TSQLExpressionItem*& Item) override;
  // Moves every item of Source, in order, to the end of this collection
  // (each wrapped in a new NOT when Negate is set); Source ends empty and
  // is not freed. Defined with the condition utilities.
  void TakeItemsFrom(TSQLExpressionLogicalCollection* Source, bool Negate);
};

class TSQLExpressionAnd : public TSQLExpressionLogicalCollection {
  VNAST_NODE(TSQLExpressionAnd, TSQLExpressionLogicalCollection)
  void WriteLogicalOperator(TSQLBuilder* Builder) override;
};

class TSQLExpressionOr : public TSQLExpressionLogicalCollection {
  VNAST_NODE(TSQLExpressionOr, TSQLExpressionLogicalCollection)
  void WriteLogicalOperator(TSQLBuilder* Builder) override;
};

// Comma-separated expression list (IN values, aggregate arguments, GROUP BY).
class TSQLExpressionsList : public TastNodeWithList {
  VNAST_NODE(TSQLExpressionsList, TastNodeWithList)
  TSQLExpressionItem* GetItems(int Index) const;
  void SetItems(int Index, TSQLExpressionItem* Item);
  bool ContainsOnlyItemsWithFromSource(TSQLFromSource* FromSource);
  void RemoveReferencesToFromSource(TSQLFromSource* FromSource) override;
};
