#include "parser/SQL92Scanner.h"

namespace {

constexpr int32_t kCR = 13;

bool IsDigit(int32_t c) { return c >= '0' && c <= '9'; }
bool IsLetter(int32_t c) { return c >= 'a' && c <= 'z'; }  // after folding
bool IsWordChar(int32_t c) { return IsLetter(c) || IsDigit(c) || c == '_'; }
bool IsHexDigit(int32_t c) { return IsDigit(c) || (c >= 'a' && c <= 'f'); }
bool IsBlank(int32_t c) { return c == 9 || c == 10 || c == kCR || c == ' '; }


}  // namespace

const TvnScannerClass& SQL92Scanner::ClassType() {
  static const TvnScannerClass type{"SQL92Scanner", [] { return std::unique_ptr<TvnBaseScanner>(new SQL92Scanner); }};
  return type;
}

void SQL92Scanner::InitInternal() { skipSet.IncludeRange(1, 32); }

void SQL92Scanner::CheckLiteral(TvnToken& token) { token.kind = sql92::LookupKeyword(token.val); }

void SQL92Scanner::Take(std::string& text) {
  text.push_back(static_cast<char>(rawChar));
  NextCh();
}

bool SQL92Scanner::Comment0() {
  const int32_t savedLine = line, savedLineStart = lineStart, savedPos = pos;
  const int32_t savedChar = currentChar, savedBufferPos = buffer->position;
  const uint8_t savedRaw = rawChar;
  NextCh();
  if (currentChar == '-') {
    while (currentChar != kCR && currentChar != vnEndOfText) NextCh();
    if (currentChar == vnEndOfText) return false;
    pendingLineBreaks = line - savedLine;
    NextCh();
    return true;
  }
  line = savedLine;
  lineStart = savedLineStart;
  pos = savedPos;
  currentChar = savedChar;
  rawChar = savedRaw;
  buffer->position = savedBufferPos;
  return false;
}

bool SQL92Scanner::TakeQuotedRuns(std::string& text, int32_t open, int32_t close) {
  Take(text);  // the opening character
  for (;;) {
    while (currentChar != close && currentChar != vnEndOfText) Take(text);
    if (currentChar == vnEndOfText) return false;
    Take(text);  // the closing character
    if (currentChar != open) return true;
    Take(text);
  }
}

int32_t SQL92Scanner::TakeFraction(std::string& text) {
  if (!IsDigit(currentChar)) return sql92::noSym;
  while (IsDigit(currentChar)) Take(text);
  if (currentChar != 'e') return sql92::_Real;
  Take(text);
  if (currentChar == '+' || currentChar == '-') Take(text);
  if (!IsDigit(currentChar)) return sql92::noSym;
  while (IsDigit(currentChar)) Take(text);
  return sql92::_Real;
}

int32_t SQL92Scanner::TakeOdbcLiteral(std::string& text) {
  Take(text);  // "{"
  if (IsBlank(currentChar)) Take(text);
  if (currentChar == 'd') {
    Take(text);
  } else if (currentChar == 't') {
    Take(text);
    if (currentChar == 's') Take(text);
  } else {
    return sql92::noSym;
  }
  if (IsBlank(currentChar)) Take(text);
  if (currentChar == 'n') Take(text);
  if (currentChar != '\'') return sql92::noSym;
  if (!TakeQuotedRuns(text, '\'', '\'')) return sql92::noSym;
  if (IsBlank(currentChar)) Take(text);
  if (currentChar != '}') return sql92::noSym;
  Take(text);
  return sql92::_ODBCDateTime;
}

std::unique_ptr<TvnToken> SQL92Scanner::NextToken() {
  using namespace sql92;
  for (;;) {
    while (currentChar != vnEndOfText && skipSet.Contains(currentChar)) NextCh();
    if (currentChar == '-' && Comment0()) continue;
    break;
  }
  auto token = std::make_unique<TvnToken>();
  token->pos = pos;
  token->col = pos - lineStart + 1;
  token->line = line;
  std::string text;
  int32_t kind = noSym;
  const int32_t c = currentChar;
  if (c == vnEndOfText) {
    kind = _EOF;
  } else if (IsLetter(c) || c == '_') {
    Take(text);
    while (IsWordChar(currentChar)) Take(text);
    kind = _NonQuotedIdentifier;
  } else if (IsDigit(c)) {
    Take(text);
    if (c == '0' && currentChar == 'x') {
      Take(text);
      if (IsHexDigit(currentChar)) {
        while (IsHexDigit(currentChar)) Take(text);
        kind = _HexLiteral;
      }
    } else {
      while (IsDigit(currentChar)) Take(text);
      kind = _integer;
      if (currentChar == '.') {
        Take(text);
        kind = TakeFraction(text);
      }
    }
  } else {
    switch (c) {
      case '@':
        Take(text);
        while (IsWordChar(currentChar)) Take(text);
        kind = _Variable;
        break;
      case '"':
        kind = TakeQuotedRuns(text, '"', '"') ? _QuotedIdentifier : noSym;
        break;
      case '[':
        kind = TakeQuotedRuns(text, '[', ']') ? _QuotedIdentifier : noSym;
        break;
      case '\'':
        kind = TakeQuotedRuns(text, '\'', '\'') ? _ASCIIStringLiteral : noSym;
        break;
      case '{':
        kind = TakeOdbcLiteral(text);
        break;
      case '.':
        Take(text);
        if (IsDigit(currentChar)) {
          kind = TakeFraction(text);
        } else if (currentChar == '*') {
          Take(text);
          kind = syDotStar;
        } else {
          kind = syDot;
        }
        break;
      case '<':
        Take(text);
        if (currentChar == '>') { Take(text); kind = syNotEqual; }
        else if (currentChar == '=') { Take(text); kind = syLessEqual; }
        else kind = syLess;
        break;
      case '>':
        Take(text);
        if (currentChar == '=') { Take(text); kind = syGreaterEqual; }
        else kind = syGreater;
        break;
      case '!':
        Take(text);
        if (currentChar == '=') { Take(text); kind = syBangEqual; }
        else if (currentChar == '>') { Take(text); kind = syNotGreater; }
        else if (currentChar == '<') { Take(text); kind = syNotLess; }
        break;
      default: {
        static constexpr struct { char ch; int32_t kind; } kSingles[] = {
            {';', sySemicolon}, {',', syComma}, {'(', syLParen}, {')', syRParen}, {'*', syStar},
            {'=', syEqual},     {'+', syPlus},  {'-', syMinus},  {'/', sySlash},  {'%', syPercent},
            {'~', syTilde}};
        Take(text);
        for (const auto& single : kSingles)
          if (single.ch == c) kind = single.kind;
        break;
      }
    }
  }
  token->kind = kind;
  token->val = std::move(text);
  if (kind == _NonQuotedIdentifier) CheckLiteral(*token);
  return token;
}
