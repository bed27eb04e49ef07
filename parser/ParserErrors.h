#pragma once
// Collects error lines of a parse as text ("line 3 col 7: message").

#include <string>
#include <vector>

class TvnParserErrors {
 public:
  std::string MessageFormat = "line %d col %d: %s";
  std::vector<std::string> Messages;

  void Error(int line, int col, const std::string& message);
  void SynErr(int line, int col, int number);
  void SemErr(int line, int col, int number);
  // Appends the message and abandons the operation silently (EAbort).
  [[noreturn]] void Exception(const std::string& message);
};
