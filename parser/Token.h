#pragma once
// One token of a scanned text.

#include <cstdint>
#include <string>

class TvnToken {
 public:
  int32_t kind = 0;  // token kind number of the scanner's language
  int32_t pos = 0;   // 0-based character index (a CR LF pair counts as one character)
  int32_t col = 0;   // 1-based column of the first character
  int32_t line = 0;  // 1-based line of the first character
  std::string val;   // the text exactly as written; "EOF" for the end-of-text token
};
