#include "parser/ParseProtocol.h"

#include <memory>
#include <stdexcept>

#include "ast/Node.h"
#include "parser/SQLError.h"

namespace {

struct EntryOperations {
  void (TvnBaseParser::*WayCalc)(TvnWayList&);
  TastNode* (TvnBaseParser::*Build)();
  const char* Message;
};

EntryOperations OperationsOf(TvnParseEntry entry) {
  switch (entry) {
    case TvnParseEntry::Select:
      return {&TvnBaseParser::ParseSelectWayCalc, &TvnBaseParser::ParseSelect, "Bad SELECT statement"};
    case TvnParseEntry::ObjectName:
      return {&TvnBaseParser::ParseObjectNameWayCalc, &TvnBaseParser::ParseObjectName, "Bad object name"};
    case TvnParseEntry::Expression:
      return {&TvnBaseParser::ParseExpressionWayCalc, &TvnBaseParser::ParseExpression, "Bad expression"};
    case TvnParseEntry::SelectItem:
      return {&TvnBaseParser::ParseSelectItemWayCalc, &TvnBaseParser::ParseSelectItem, "Bad select item"};
    case TvnParseEntry::LogicalExpression:
      return {&TvnBaseParser::ParseLogicalExpressionWayCalc, &TvnBaseParser::ParseLogicalExpression,
              "Bad logical expression"};
  }
  throw std::logic_error("unknown parse entry");
}

}  // namespace

const char* ParseEntryMessage(TvnParseEntry entry) { return OperationsOf(entry).Message; }

TastNode* vnParseText(TastSyntaxProvider* syntaxProvider, const TvnScannerClass& scannerClass,
                      const TvnParserClass& parserClass, std::string_view text, TvnParseEntry entry,
                      const TvnParseOptions& options) {
  const EntryOperations operations = OperationsOf(entry);
  std::unique_ptr<TvnBaseScanner> scanner = scannerClass.Create();
  scanner->Init(text);
  std::unique_ptr<TvnBaseParser> parser = parserClass.Create(scanner.get(), syntaxProvider);
  if (entry == TvnParseEntry::LogicalExpression) parser->RequireLeftOperand = options.RequireLeftOperand;
  parser->DeduplicateWays = options.DeduplicateWays;

  const auto root = std::make_unique<TvnWayPoint>();
  TvnWayList ways{root.get()};
  (parser.get()->*operations.WayCalc)(ways);
  parser->Expect(ways, eofSym);
  if (options.Statistics != nullptr) options.Statistics->WayRecords = root->GetCount();
  if (ways.empty()) throw EvnSQLError(operations.Message, &scanner->GetToken(parser->ErrorTokenIndex));

  parser->UnrollWay(ways.front());
  parser->GetWayNode();  // the root
  TastNode* tree = (parser.get()->*operations.Build)();
  if (!parser->WayFullyBuilt()) {
    FreeNode(tree);
    throw std::logic_error("building pass did not follow the chosen way to its end");
  }
  return tree;
}
