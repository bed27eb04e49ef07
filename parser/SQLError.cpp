#include "parser/SQLError.h"

#include "parser/Token.h"

EvnSQLError::EvnSQLError(const std::string& message, const TvnToken* token) : Exception(message) {
  if (token != nullptr) {
    Pos = token->pos;
    Col = token->col;
    Line = token->line;
    TokenText = token->val;
  }
}
