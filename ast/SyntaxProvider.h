#pragma once
// The SQL dialect at the level of the syntax tree: parse entry points,
// identifier quoting, name comparison, aggregate and operator lists,
// capability flags and the extender registry.

#include <initializer_list>
#include <string>
#include <vector>

#include "ast/Node.h"
#include "platform/core/Object.h"

class TStringList;
class TSQLDatabaseObject;
class TSQLExpressionItem;
class TSQLFromObject;
class TSQLObjectColumn;
class TSQLSelectItem;
class TSQLSelectStatement;
class TUnionOperatorBitmap;
struct TvnParserClass;
struct TvnScannerClass;

class TastSyntaxProvider : public TObject {
  VN_CLASS(TastSyntaxProvider, TObject)
 public:
  TastSyntaxProvider() = default;

  std::vector<TastClassToExtenderEntry> Extenders;  // in registration order

  // Class descriptors of the dialect's TvnBaseParser and TvnBaseScanner subclasses.
  virtual const TvnParserClass* GetParserClass() = 0;
  virtual const TvnScannerClass* GetScannerClass() = 0;
  // Parses a condition; RequireLeftOperand false lets predicates omit their
  // left operand (criteria cells). Raises EvnSQLError "Bad logical expression".
  virtual TSQLExpressionItem* ParseLogicalExpression(const std::string& Text, bool RequireLeftOperand);
  virtual void GetStarAggregateNames(TStringList* List) = 0;
  virtual void Get1ParamAggregateNames(TStringList* List) = 0;
  virtual void GetPrefixed1ParamAggregateNames(TStringList* List) = 0;
  virtual TSQLFromObject* CreateSQLFromObject(const std::string& ObjectName, const std::string& Alias);
  virtual void GetComparisonOperators(TStringList* List);
  virtual void GetUnionOperatorsList(TStringList* List);
  virtual std::string GetQuoteBegin() const;
  virtual std::string GetQuoteEnd() const;
  virtual bool IsDBObjectNamesEqual(TSQLDatabaseObject* Object1, TSQLDatabaseObject* Object2);
  virtual bool IsColumnOfDBObject(TSQLObjectColumn* Column, TSQLDatabaseObject* Object);
  virtual bool IsUniversalExpressions();
  virtual bool IsSupportViews() = 0;
  virtual bool IsSupportUnions() = 0;
  virtual bool IsSupportBracketsInUnions() = 0;
  virtual bool IsSupportDerivedTables() = 0;
  virtual bool IsSupportSubQueryUnions() = 0;
  virtual bool IsSupportSubQueryBracketsInUnions() = 0;
  virtual bool IsSupportSubQueryDerivedTables() = 0;
  // True when Name (in any letter case) is a reserved word of the dialect and
  // so must be quoted to serve as a name. The base knows no reserved words.
  virtual bool IsReservedWord(const std::string& Name) const;

  // Parse entry points; the caller owns the result. Each raises EvnSQLError
  // with its own message ("Bad SELECT statement", "Bad expression", "Bad
  // object name", "Bad select item").
  TSQLSelectStatement* ParseSelect(const std::string& Text);
  TSQLExpressionItem* ParseExpression(const std::string& Text, TStringList* Errors);
  TSQLDatabaseObject* ParseObjectName(const std::string& Text);
  TSQLSelectItem* ParseSelectItem(const std::string& Text);

  std::string NormalizeUnionOperator(const std::string& Operator);
  // The shared icon of a union operator, or null.
  const TUnionOperatorBitmap* GetUnionOperatorIcon(const std::string& Operator);

  void RegisterExtender(const ClassRef* NodeClass, const ClassRef* ExtenderClass);
  void RegisterExtender(std::initializer_list<const ClassRef*> NodeClasses, const ClassRef* ExtenderClass);
  const ClassRef* FindExtenderClass(const ClassRef* NodeClass, bool AllowInherited) const;

  // Object lists come from the metadata providers; these do nothing.
  void GetTableNames(TObject* DataSet, TStringList* List);
  std::string GetTableNamesSQL();
  void GetViewNames(TObject* DataSet, TStringList* List);
  std::string GetViewNamesSQL();

 private:
  // Compares two upper-cased names, also with the dialect's quotes added to
  // a name that lacks them.
  bool IsNamesEqualWithQuotes(std::string A, std::string B) const;
};
