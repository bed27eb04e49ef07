#pragma once
// The SQL-92 scanner: a state machine over the SQL-92 token classes that
// skips line comments and maps words to keyword kinds.

#include <memory>

#include "parser/BaseScanner.h"
#include "parser/SQL92Tokens.h"

class SQL92Scanner : public TvnBaseScanner {
 public:
  static const TvnScannerClass& ClassType();

  void CheckLiteral(TvnToken& token) override;
  std::unique_ptr<TvnToken> NextToken() override;
  void InitInternal() override;

  // With "-" current: skips a "--" comment to the end of its line and
  // returns true; otherwise leaves the scanner where it was.
  bool Comment0();

 private:
  // Appends the current character to text and advances.
  void Take(std::string& text);
  // Reads quoted runs closed by close; a directly following open character
  // continues the token. False when the text ends inside a run.
  bool TakeQuotedRuns(std::string& text, int32_t open, int32_t close);
  // Digits after a ".": the fraction and an optional exponent of a real.
  int32_t TakeFraction(std::string& text);
  int32_t TakeOdbcLiteral(std::string& text);
};
