#pragma once
// What the vnqb commands share: reading the SQL text, choosing the parse
// entry point, parsing with the SQL-92 dialect and reporting errors.

#include <optional>
#include <string>
#include <vector>

#include "parser/ParseProtocol.h"

class TastNode;
class TastSyntaxProvider;
struct VnqbCommand;

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Raised for a command line that the command cannot accept; main prints the
// message and the command's usage and exits with kExitUsage.
struct UsageError {
  std::string Message;
};

// The text of the file, or of standard input when file is empty or "-".
// Raises UsageError when the file cannot be read.
std::string ReadInputText(const std::string& file);

// What --as selects.
struct ParseTarget {
  TvnParseEntry Entry = TvnParseEntry::Select;
  bool RequireLeftOperand = true;
};

// The entry point named by --as ("select", "expression", "condition",
// "criteria", "object", "select-item"); raises UsageError otherwise.
ParseTarget ParseTargetNamed(const std::string& name);

// Parses text as target with the SQL-92 dialect of provider. On a syntax
// error prints "line L, col C: MESSAGE at 'TOKEN'" to standard error and
// returns null. The caller owns the tree.
TastNode* ParseForCommand(TastSyntaxProvider* provider, const std::string& text, const ParseTarget& target);

// Splits args into options (with their values) and at most one file name;
// valueOptions take the next argument as value, flagOptions none.
struct ParsedArguments {
  std::vector<std::pair<std::string, std::string>> Options;
  std::string File;
};
ParsedArguments SplitArguments(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                               const std::vector<std::string>& flagOptions);
