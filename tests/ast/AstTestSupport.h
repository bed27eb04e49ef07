#pragma once
// Shared pieces of the syntax tree tests: a dialect with double-quote quoting
// and a few reserved words, a metadata provider answering from a table, a
// stand-in for the query model's sub-query proxy, and short builders for trees.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ast/vnAST.h"
#include "metadata/BaseMetadataProvider.h"

class TTestSyntaxProvider : public TastSyntaxProvider {
  VN_CLASS(TTestSyntaxProvider, TastSyntaxProvider)
 public:
  TTestSyntaxProvider() = default;

  const TvnParserClass* GetParserClass() override { return nullptr; }
  const TvnScannerClass* GetScannerClass() override { return nullptr; }
  void GetStarAggregateNames(TStringList* List) override;
  void Get1ParamAggregateNames(TStringList* List) override;
  void GetPrefixed1ParamAggregateNames(TStringList* List) override;
  std::string GetQuoteBegin() const override { return "\""; }
  std::string GetQuoteEnd() const override { return "\""; }
  bool IsSupportViews() override { return true; }
  bool IsSupportUnions() override { return true; }
  bool IsSupportBracketsInUnions() override { return true; }
  bool IsSupportDerivedTables() override { return true; }
  bool IsSupportSubQueryUnions() override { return true; }
  bool IsSupportSubQueryBracketsInUnions() override { return true; }
  bool IsSupportSubQueryDerivedTables() override { return true; }
  // select, from, order, date, count, user
  bool IsReservedWord(const std::string& Name) const override;
};

// Answers GetFields from a table keyed by the SQL text; records every question.
// A text listed in Failing raises after putting its fields into the list.
class TTestMetadataProvider : public TvnBaseMetadataProvider {
  VN_CLASS(TTestMetadataProvider, TvnBaseMetadataProvider)
 public:
  using TvnBaseMetadataProvider::TvnBaseMetadataProvider;

  std::map<std::string, std::vector<std::string>> FieldsBySQL;
  std::map<std::string, bool> Failing;
  std::vector<std::string> Asked;

  void GetTableNames(TStrings*, bool) override {}
  void GetViewNames(TStrings*, bool) override {}
  void GetFields(const std::string& SQL, TStrings* FieldNames) override;
  void GetTableRelations(TSQLDatabaseObject*, TObjectList*) override {}
};

// Stands in for the query model's proxy: it keeps the statement it took over
// and builds copies of it on request.
class TTestSubQueryProxy : public TSQLSubSelectStatementProxy {
  VN_CLASS(TTestSubQueryProxy, TSQLSubSelectStatementProxy)
 public:
  TTestSubQueryProxy(TastSyntaxProvider* ASyntaxProvider, TObject* AOwner, TSQLSubSelectStatement* AStatement)
      : TSQLSubSelectStatementProxy(ASyntaxProvider, AOwner, AStatement), Owner(AOwner), Statement(AStatement) {}
  ~TTestSubQueryProxy() override { FreeNode(Statement); }

  TSQLSubSelectStatement* GetASTTree() override {
    return static_cast<TSQLSubSelectStatement*>(Statement->Clone());
  }

  TObject* Owner;
  TSQLSubSelectStatement* Statement;
};

// Frees a node at the end of a scope.
struct NodeDeleter {
  void operator()(TastExtender* Node) const { FreeNode(Node); }
};
template <class T>
using NodePtr = std::unique_ptr<T, NodeDeleter>;

// Tree builders; every node is created for the given provider.
class TreeMaker {
 public:
  explicit TreeMaker(TastSyntaxProvider* AProvider) : P(AProvider) {}

  // A column reference from its parts as written, outermost first ("o", "Name").
  TSQLExpressionColumn* Col(std::initializer_list<std::string> Parts);
  TSQLExpressionConstant* Num(const std::string& Text);
  TSQLExpressionOperatorBinary* Bin(TSQLExpressionItem* Left, const std::string& Op, TSQLExpressionItem* Right);
  TSQLExpressionBrackets* Brackets(TSQLExpressionItem* Inner);
  TSQLExpressionAnd* And(std::initializer_list<TSQLExpressionItem*> Items);
  TSQLDatabaseObject* Name(std::initializer_list<std::string> Parts);
  // A table source, with an alias unless Alias is empty.
  TSQLFromObject* Table(std::initializer_list<std::string> Parts, const std::string& Alias = "");
  TSQLFromQuery* Derived(TSQLSubSelectStatement* SubQuery, const std::string& Alias);
  TSQLFromClause* From(std::initializer_list<TSQLFromSource*> Sources);
  TSQLSelectItemExpression* Item(TSQLExpressionItem* Expression);
  TSQLSelectItemAllTableColumns* AllOf(std::initializer_list<std::string> Parts);
  // SELECT items FROM from [WHERE where], as one block.
  TSQLSubQuerySelectExpression* Block(std::initializer_list<TSQLSelectItem*> Items, TSQLFromClause* From,
                                      TSQLExpressionItem* Where = nullptr);
  template <class T = TSQLSelectStatement>
  T* Statement(std::initializer_list<TSQLSubQueryExpression*> Members) {
    T* statement = T::Create(P);
    for (TSQLSubQueryExpression* member : Members) statement->Add(member);
    return statement;
  }

  TastSyntaxProvider* P;
};

// Single-line and multi-line plain text of a node.
std::string SingleLine(TastNode* Node);
std::string MultiLine(TastNode* Node);
std::string Html(TastNode* Node, bool MultiLine);
