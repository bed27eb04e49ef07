#pragma once
// The scanner framework: reads the characters of a text, normalises line
// breaks, counts lines and columns, and collects every token of the text
// before parsing starts. A language derives from TvnBaseScanner and supplies
// the token recognition.

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "parser/Buffer.h"
#include "parser/CharSet.h"
#include "parser/Token.h"

// The kind that ends tokenisation.
constexpr int32_t eofSym = 0;
// The character value that stands for the end of the text.
constexpr int32_t vnEndOfText = 256;

class TvnBaseScanner {
 public:
  TvnBaseScanner() = default;
  virtual ~TvnBaseScanner() = default;
  TvnBaseScanner(const TvnBaseScanner&) = delete;
  TvnBaseScanner& operator=(const TvnBaseScanner&) = delete;

  // Tokenises the whole text; called once per scanner.
  void Init(std::string_view text);
  // The token at index; any index outside the list yields the last token,
  // which is always the end-of-text token.
  const TvnToken& GetToken(int32_t index) const {
    if (index < 0 || index >= static_cast<int32_t>(tokens.size())) return tokens.back();
    return tokens[index];
  }
  int32_t TokenCount() const { return static_cast<int32_t>(tokens.size()); }

  virtual void CheckLiteral(TvnToken& token) = 0;
  virtual std::unique_ptr<TvnToken> NextToken() = 0;
  virtual void InitInternal() = 0;

 protected:
  // Advances to the next character (line breaks become one CR each).
  void NextCh();

  // Stored by value: a long text has hundreds of thousands of tokens.
  std::vector<TvnToken> tokens;
  std::unique_ptr<TvnBuffer> buffer;
  int32_t currentChar = 0;  // folded to lower case; vnEndOfText at the end
  uint8_t rawChar = 0;      // the character as written
  int32_t pos = -1;
  int32_t line = 1;
  int32_t lineStart = 0;
  int32_t pendingLineBreaks = 0;
  TvnCharSet skipSet;
};

// Class descriptor of a scanner class: the virtual constructor a syntax
// provider names so that parse calls create the dialect's scanner.
struct TvnScannerClass {
  const char* ClassName;
  std::unique_ptr<TvnBaseScanner> (*Create)();
};
