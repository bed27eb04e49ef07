#pragma once
// Leaf nodes that carry names: dotted names, database objects and columns that
// bind to FROM sources, aliases, data types, function calls and operators.

#include <string>
#include <vector>

#include "ast/Node.h"
#include "platform/core/StringList.h"

class TSQLExpressionItem;
class TSQLFunctionParams;
class TSQLFunctionParamExpression;

// A dotted name; Names holds the parts innermost first (a.b.c is c, b, a).
class TSQLQualifiedName : public TastNode {
  VNAST_NODE(TSQLQualifiedName, TastNode)
  TStringList Names;

  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
  // Writes the parts outermost first, each as an identifier, "." between them.
  // A skipped part (db..tbl) writes nothing.
  virtual void BuildFullName(TSQLBuilder* Builder);
  // As BuildFullName, with the last part written as a function name.
  void BuildFunctionName(TSQLBuilder* Builder);

  void AddName(const std::string& S);
  void AddPrefix(const std::string& S);
  int GetCount() const;
  std::string GetNames(int I) const;
  std::string GetObjName() const;
  void SetObjName(const std::string& S);
  std::string GetPrefix(int I) const;
  std::string GetQualifiedName() const;

 private:
  void BuildParts(TSQLBuilder* Builder, bool FunctionName);
};

// A name of a database object that binds to the FROM source it names.
class TSQLDatabaseObject : public TSQLQualifiedName {
  VNAST_NODE(TSQLDatabaseObject, TSQLQualifiedName)
  TSQLFromSource* ReferencedSource = nullptr;  // not owned

  void Assign(const TPersistent* Source) override;
  void FixupObjects(TSQLFromSourceScope& Scope) override;
  void RemoveReferencesToFromSource(TSQLFromSource* FromSource) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

// A column reference: part 0 the column, part 1 (if any) its qualifier.
class TSQLObjectColumn : public TSQLDatabaseObject {
  VNAST_NODE(TSQLObjectColumn, TSQLDatabaseObject)
  void FixupObjects(TSQLFromSourceScope& Scope) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLAlias : public TastNode {
  VNAST_NODE(TSQLAlias, TastNode)
  std::string Name;

  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

// object alias
class TSQLAliasObjectAlias : public TSQLAlias {
  VNAST_NODE(TSQLAliasObjectAlias, TSQLAlias)
};

// object AS alias
class TSQLAliasObjectAsAlias : public TSQLAliasObjectAlias {
  VNAST_NODE(TSQLAliasObjectAsAlias, TSQLAliasObjectAlias)
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

// alias = expression (select items)
class TSQLAliasAliasEqualsObject : public TSQLAlias {
  VNAST_NODE(TSQLAliasAliasEqualsObject, TSQLAlias)
};

class TSQLType : public TastNode {
  VNAST_NODE(TSQLType, TastNode)
};

class TSQLTypeBuiltIn : public TSQLType {
  VNAST_NODE(TSQLTypeBuiltIn, TSQLType)
  TStringList Names;
  int SizeAfterWord = 0;
  bool HasSize = false;
  int Size = 0;
  bool HasScale = false;
  int Scale = 0;

  void AddName(const std::string& S);
  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

// A user-defined type; Name holds its (possibly qualified) name.
class TSQLTypeUser : public TSQLType {
  VNAST_NODE(TSQLTypeUser, TSQLType)
  TSQLQualifiedName* Name = nullptr;  // owned, may be null

  ~TSQLTypeUser() override;
  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLFunction : public TastNodeWithList {
  VNAST_NODE(TSQLFunction, TastNodeWithList)
  TSQLQualifiedName* Name = nullptr;   // owned
  TSQLFunctionParams* Params = nullptr;  // owned, may be null

  ~TSQLFunction() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLFunctionParams : public TastNodeWithList {
  VNAST_NODE(TSQLFunctionParams, TastNodeWithList)
  TSQLFunctionParamExpression* GetItems(int Index) const;
};

class TSQLFunctionParamExpression : public TastNode {
  VNAST_NODE(TSQLFunctionParamExpression, TastNode)
  TSQLExpressionItem* Expression = nullptr;  // owned

  ~TSQLFunctionParamExpression() override;
  void Assign(const TPersistent* Source) override;
  void GetMyChildren(TastChildList& List) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

// name=value
class TSQLFunctionParamNamedExpression : public TSQLFunctionParamExpression {
  VNAST_NODE(TSQLFunctionParamNamedExpression, TSQLFunctionParamExpression)
  std::string Name;

  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};

class TSQLOperator : public TastNode {
  VNAST_NODE(TSQLOperator, TastNode)
  std::string OperatorText;

  TSQLOperator(TastSyntaxProvider* ASyntaxProvider, const std::string& AOperatorText)
      : TastNode(ASyntaxProvider), OperatorText(AOperatorText) {}

  void Assign(const TPersistent* Source) override;
  void BuildSQLDirect(TSQLBuilder* Builder, bool MultiLine) override;
};
