#pragma once
// Parses with the SQL-92 dialect and renders trees compactly for tests:
// "OperatorBinary(a + OperatorBinary(b * c))" - class names without their
// TSQL/TSQLExpression prefix, the node's own fields in braces, sub-nodes in
// brackets; a column is shown as its dotted name, an operator as its text,
// a constant as its value.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "ast/Node.h"
#include "dialects/SQL92SyntaxProvider.h"
#include "parser/ParseProtocol.h"
#include "parser/SQLError.h"

struct NodeFree {
  void operator()(TastExtender* node) const { FreeNode(node); }
};
using OwnedTree = std::unique_ptr<TastNode, NodeFree>;

std::string TreeText(TastExtender* node);

// How a parse ended: the tree's text, or the error's message, position and token.
struct ParseOutcome {
  bool Ok = false;
  std::string Tree;
  std::string Message;
  int Line = 0;
  int Col = 0;
  std::string Token;
};

class SQL92ParseTest : public ::testing::Test {
 protected:
  SQL92ParseTest() : provider_(New<TastSQL92SyntaxProvider>()) {}
  ~SQL92ParseTest() override { provider_->Free(); }

  OwnedTree Parse(TvnParseEntry entry, const std::string& text, const TvnParseOptions& options = {});
  ParseOutcome Outcome(TvnParseEntry entry, const std::string& text, const TvnParseOptions& options = {});
  // As Outcome, without rendering the tree (for very deep trees).
  ParseOutcome Verdict(TvnParseEntry entry, const std::string& text);
  // The single-line text of a parse.
  std::string Print(TvnParseEntry entry, const std::string& text, const TvnParseOptions& options = {});

  TastSQL92SyntaxProvider* provider_;

 private:
  ParseOutcome Run(TvnParseEntry entry, const std::string& text, const TvnParseOptions& options, bool render);
};
