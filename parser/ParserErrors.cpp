#include "parser/ParserErrors.h"

#include <cstdio>

#include "platform/core/Exceptions.h"

namespace {
// Fills MessageFormat's %d, %d and %s in order; other text is copied.
std::string FormatErrorLine(const std::string& format, int line, int col, const std::string& message) {
  std::string out;
  int numbersUsed = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 == format.size()) {
      out.push_back(format[i]);
      continue;
    }
    char directive = format[++i];
    if (directive == 'd') out += std::to_string(numbersUsed++ == 0 ? line : col);
    else if (directive == 's') out += message;
    else out.push_back(directive);
  }
  return out;
}
}  // namespace

void TvnParserErrors::Error(int line, int col, const std::string& message) {
  Messages.push_back(FormatErrorLine(MessageFormat, line, col, message));
}

void TvnParserErrors::SynErr(int line, int col, int) { Error(line, col, "SQL Syntax error"); }

void TvnParserErrors::SemErr(int line, int col, int number) { Error(line, col, "error " + std::to_string(number)); }

void TvnParserErrors::Exception(const std::string& message) {
  Messages.push_back(message);
  throw EAbort();
}
