#pragma once
// The parse exception: the message of the parse entry point and the
// position and text of the token at which parsing failed.

#include <cstdint>
#include <string>

#include "platform/core/Exceptions.h"

class TvnToken;

class EvnSQLError : public Exception {
 public:
  // Copies pos, col, line and text of token when one is given.
  EvnSQLError(const std::string& message, const TvnToken* token);

  int32_t Pos = 0;
  int32_t Col = 0;
  int32_t Line = 0;
  std::string TokenText;
};
