// libFuzzer target: any byte sequence must scan, and must parse through
// every entry point or fail with EvnSQLError, without a crash or a leak. A
// tree that parses is also printed, on one line and on several. The same
// text parsed with every outcome remembered, and (when short) with the plain
// calculation that neither merges ways nor remembers outcomes, must give the
// same tree or fail at the same token; a difference aborts.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "apps/vnqb/NodeDescription.h"
#include "ast/Node.h"
#include "ast/SQLBuilder.h"
#include "dialects/SQL92SyntaxProvider.h"
#include "parser/ParseProtocol.h"
#include "parser/SQL92Scanner.h"
#include "parser/SQLError.h"
#include "platform/core/Streams.h"

namespace {

// The plain calculation doubles its work with every nesting level of some
// shapes, so it runs only on texts this short.
constexpr size_t kPlainMaxLength = 48;

void PrintBothWays(TastNode* tree) {
  tree->GetSimpleSQL();
  TStringStream stream;
  TSQLBuilderPlainText* builder = New<TSQLBuilderPlainText>(&stream);
  tree->BuildSQL(builder, true);
  builder->Free();
}

std::string Describe(TastExtender* node) {
  if (node == nullptr) return "null";
  std::string text = DescribeNode(node);
  TastChildList children;
  node->GetMyChildren(children);
  text += "(";
  for (TastExtender* child : children) text += Describe(child) + ";";
  return text + ")";
}

// The tree's description, or the error's position and token.
std::string Parse(TastSQL92SyntaxProvider* provider, const std::string& text, TvnParseEntry entry,
                  const TvnParseOptions& options, bool print) {
  TastNode* tree = nullptr;
  try {
    tree = vnParseText(provider, *provider->GetScannerClass(), *provider->GetParserClass(), text, entry, options);
  } catch (const EvnSQLError& error) {
    // A syntax error is a valid outcome.
    return "error at " + std::to_string(error.Pos) + " " + error.TokenText;
  }
  std::string outcome;
  try {
    if (print) PrintBothWays(tree);
    outcome = Describe(tree);
  } catch (...) {
    FreeNode(tree);
    throw;
  }
  FreeNode(tree);
  return outcome;
}

void ExpectSame(const std::string& expected, const std::string& actual, const char* mode) {
  if (expected == actual) return;
  std::fprintf(stderr, "%s differs:\n  %s\n  %s\n", mode, expected.c_str(), actual.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TastSQL92SyntaxProvider* provider = New<TastSQL92SyntaxProvider>();
  if (size == 0) return 0;
  // The first byte picks the entry point and whether criteria may omit
  // their left operand; the rest is the text.
  const TvnParseEntry entries[] = {TvnParseEntry::Select, TvnParseEntry::Expression,
                                   TvnParseEntry::LogicalExpression, TvnParseEntry::ObjectName,
                                   TvnParseEntry::SelectItem};
  const TvnParseEntry entry = entries[data[0] % 5];
  TvnParseOptions options;
  options.RequireLeftOperand = (data[0] & 0x80) == 0;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

  SQL92Scanner scanner;
  scanner.Init(text);
  const std::string outcome = Parse(provider, text, entry, options, true);

  TvnParseOptions rememberAll = options;
  rememberAll.MinRememberedRecords = 0;
  ExpectSame(outcome, Parse(provider, text, entry, rememberAll, false), "remembering every outcome");
  if (text.size() <= kPlainMaxLength) {
    TvnParseOptions plain = options;
    plain.DeduplicateWays = false;
    plain.MemoizeRules = false;
    ExpectSame(outcome, Parse(provider, text, entry, plain, false), "the plain calculation");
  }
  return 0;
}
