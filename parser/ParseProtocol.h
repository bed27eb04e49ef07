#pragma once
// Runs one parse from text to syntax tree: scanner, way calculation over the
// whole text, choice of the first complete way, building pass. Everything of
// the parse is freed before the function returns or raises.

#include <cstdint>
#include <string>
#include <string_view>

#include "parser/BaseParser.h"
#include "parser/BaseScanner.h"

class TastNode;
class TastSyntaxProvider;

enum class TvnParseEntry { Select, ObjectName, Expression, SelectItem, LogicalExpression };

// "Bad SELECT statement", "Bad object name", "Bad expression",
// "Bad select item", "Bad logical expression".
const char* ParseEntryMessage(TvnParseEntry entry);

// Figures of one parse, for tests and benchmarks.
struct TvnParseStatistics {
  // Decision records made by the way calculation (its work), and those still
  // in the way tree when it ends (failed ways are freed as they fail).
  int64_t WayRecordsMade = 0;
  int64_t WayRecords = 0;
};

struct TvnParseOptions {
  // Logical expressions only: false lets a predicate omit its left operand.
  bool RequireLeftOperand = true;
  // See TvnBaseParser::DeduplicateWays and MemoizeRules; both off give the
  // plain algorithm.
  bool DeduplicateWays = true;
  bool MemoizeRules = true;
  // See TvnBaseParser::MinRememberedRecords; tests set 0 to remember every
  // outcome.
  int64_t MinRememberedRecords = vnMinRememberedRecords;
  // Lower limits than the defaults, for tests that probe the limits on
  // short texts.
  int32_t MaxNestingLevel = vnMaxNestingLevel;
  int32_t MaxTreeDepth = vnMaxTreeDepth;
  // Filled when set.
  TvnParseStatistics* Statistics = nullptr;
};

// Parses text as the given entry point with a scanner and a parser of the
// given classes; the nodes are created for syntaxProvider. Returns the tree,
// which the caller owns (free it with FreeNode). Raises EvnSQLError with the
// entry's message and the furthest failing token when no way consumes the
// whole text.
TastNode* vnParseText(TastSyntaxProvider* syntaxProvider, const TvnScannerClass& scannerClass,
                      const TvnParserClass& parserClass, std::string_view text, TvnParseEntry entry,
                      const TvnParseOptions& options = {});
