#pragma once
// Shared pieces of the condition tests: the SQL-92 dialect, parsing of
// conditions into owned trees, and their single-line text.

#include <memory>
#include <string>

#include "ast/vnAST.h"
#include "dialects/SQL92SyntaxProvider.h"

struct NodeDeleter {
  void operator()(TastExtender* Node) const { FreeNode(Node); }
};
template <class T>
using NodePtr = std::unique_ptr<T, NodeDeleter>;

// One SQL-92 tree-level provider for the whole test program.
TastSyntaxProvider* SQL92();

// Parses a condition with the SQL-92 dialect; RequireLeftOperand false
// accepts criteria such as "> 5".
NodePtr<TSQLExpressionItem> ParseCondition(const std::string& Text, bool RequireLeftOperand = true);

// The single-line text of a node; "<null>" for none.
std::string Text(TastNode* Node);
