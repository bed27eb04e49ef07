#include "parser/ParseProtocol.h"

#include <pthread.h>

#include <exception>
#include <functional>
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

namespace {

// Texts with more tokens than this are parsed on a thread with a large
// stack: both passes recurse several frames per nesting level, and the
// nesting limit alone does not keep that within a default stack when the
// code is instrumented.
constexpr int32_t kLargeStackTokens = 256;
constexpr size_t kLargeStackBytes = size_t{256} << 20;

struct StackJob {
  const std::function<TastNode*()>* Work;
  TastNode* Result = nullptr;
  std::exception_ptr Error;
};

void* RunStackJob(void* argument) {
  auto* job = static_cast<StackJob*>(argument);
  try {
    job->Result = (*job->Work)();
  } catch (...) {
    job->Error = std::current_exception();
  }
  return nullptr;
}

// Runs work on a new thread whose stack holds kLargeStackBytes (reserved,
// used only as deep as the recursion goes); inline when no thread can be made.
TastNode* RunOnLargeStack(const std::function<TastNode*()>& work) {
  pthread_attr_t attributes;
  StackJob job{&work, nullptr, nullptr};
  pthread_t thread;
  bool started = pthread_attr_init(&attributes) == 0;
  started = started && pthread_attr_setstacksize(&attributes, kLargeStackBytes) == 0 &&
            pthread_create(&thread, &attributes, RunStackJob, &job) == 0;
  pthread_attr_destroy(&attributes);
  if (!started) return work();
  pthread_join(thread, nullptr);
  if (job.Error) std::rethrow_exception(job.Error);
  return job.Result;
}

TastNode* ParseScanned(TvnBaseScanner* scanner, TvnBaseParser* parser, const EntryOperations& operations,
                       const TvnParseOptions& options) {
  const int64_t madeBefore = TvnWayPoint::MadeCount();
  auto root = std::make_unique<TvnWayPoint>();
  TvnWayList ways{root.get()};
  (parser->*operations.WayCalc)(ways);
  parser->Expect(ways, eofSym);
  if (options.Statistics != nullptr) {
    options.Statistics->WayRecordsMade = TvnWayPoint::MadeCount() - madeBefore - 1;  // without the root
    options.Statistics->WayRecords = root->GetCount();
  }
  if (ways.empty()) throw EvnSQLError(operations.Message, &scanner->GetToken(parser->ErrorTokenIndex));

  parser->UnrollWay(ways.front());
  // The building pass reads only the copied choices.
  ways.clear();
  root.reset();
  TvnWayPoint::TrimPool();
  parser->GetWayNode();  // the root
  TastNode* tree = (parser->*operations.Build)();
  if (!parser->WayFullyBuilt()) {
    FreeNode(tree);
    throw std::logic_error("building pass did not follow the chosen way to its end");
  }
  return tree;
}

}  // namespace

TastNode* vnParseText(TastSyntaxProvider* syntaxProvider, const TvnScannerClass& scannerClass,
                      const TvnParserClass& parserClass, std::string_view text, TvnParseEntry entry,
                      const TvnParseOptions& options) {
  const EntryOperations operations = OperationsOf(entry);
  std::unique_ptr<TvnBaseScanner> scanner = scannerClass.Create();
  scanner->Init(text);
  std::unique_ptr<TvnBaseParser> parser = parserClass.Create(scanner.get(), syntaxProvider);
  if (entry == TvnParseEntry::LogicalExpression) parser->RequireLeftOperand = options.RequireLeftOperand;
  parser->DeduplicateWays = options.DeduplicateWays;
  parser->MemoizeRules = options.MemoizeRules;
  parser->MinRememberedRecords = options.MinRememberedRecords;
  parser->MaxNestingLevel = options.MaxNestingLevel;
  parser->MaxTreeDepth = options.MaxTreeDepth;
  if (scanner->TokenCount() <= kLargeStackTokens)
    return ParseScanned(scanner.get(), parser.get(), operations, options);
  const std::function<TastNode*()> work = [&] { return ParseScanned(scanner.get(), parser.get(), operations, options); };
  return RunOnLargeStack(work);
}
