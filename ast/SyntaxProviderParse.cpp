// The parse entry points of the syntax provider: each runs one two-pass parse
// with the dialect's scanner and parser and hands the tree to the caller.

#include "ast/Expressions.h"
#include "ast/Statements.h"
#include "ast/SyntaxProvider.h"
#include "parser/ParseProtocol.h"

namespace {

// Runs the parse and checks the class of the tree's root; the caller owns it.
template <class T>
T* Parse(TastSyntaxProvider* Provider, const std::string& Text, TvnParseEntry Entry,
         const TvnParseOptions& Options = {}) {
  TastNode* tree = vnParseText(Provider, *Provider->GetScannerClass(), *Provider->GetParserClass(), Text, Entry,
                               Options);
  T* typed = dynamic_cast<T*>(tree);
  if (!typed && tree) {
    FreeNode(tree);
    throw EInvalidCast();
  }
  return typed;
}

}  // namespace

TSQLSelectStatement* TastSyntaxProvider::ParseSelect(const std::string& Text) {
  return Parse<TSQLSelectStatement>(this, Text, TvnParseEntry::Select);
}

TSQLExpressionItem* TastSyntaxProvider::ParseExpression(const std::string& Text, TStringList*) {
  return Parse<TSQLExpressionItem>(this, Text, TvnParseEntry::Expression);
}

TSQLDatabaseObject* TastSyntaxProvider::ParseObjectName(const std::string& Text) {
  return Parse<TSQLDatabaseObject>(this, Text, TvnParseEntry::ObjectName);
}

TSQLExpressionItem* TastSyntaxProvider::ParseLogicalExpression(const std::string& Text, bool RequireLeftOperand) {
  TvnParseOptions options;
  options.RequireLeftOperand = RequireLeftOperand;
  return Parse<TSQLExpressionItem>(this, Text, TvnParseEntry::LogicalExpression, options);
}

TSQLSelectItem* TastSyntaxProvider::ParseSelectItem(const std::string& Text) {
  return Parse<TSQLSelectItem>(this, Text, TvnParseEntry::SelectItem);
}
