// libFuzzer target: any byte sequence must scan, and must parse through
// every entry point or fail with EvnSQLError, without a crash or a leak. A
// tree that parses is also printed, on one line and on several.

#include <cstddef>
#include <cstdint>
#include <string>

#include "ast/Node.h"
#include "ast/SQLBuilder.h"
#include "dialects/SQL92SyntaxProvider.h"
#include "parser/ParseProtocol.h"
#include "parser/SQL92Scanner.h"
#include "parser/SQLError.h"
#include "platform/core/Streams.h"

namespace {

void PrintBothWays(TastNode* tree) {
  tree->GetSimpleSQL();
  TStringStream stream;
  TSQLBuilderPlainText* builder = New<TSQLBuilderPlainText>(&stream);
  tree->BuildSQL(builder, true);
  builder->Free();
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
  try {
    TastNode* tree = vnParseText(provider, *provider->GetScannerClass(), *provider->GetParserClass(), text, entry,
                                 options);
    try {
      PrintBothWays(tree);
    } catch (...) {
      FreeNode(tree);
      throw;
    }
    FreeNode(tree);
  } catch (const EvnSQLError&) {
    // A syntax error is a valid outcome.
  }
  return 0;
}
