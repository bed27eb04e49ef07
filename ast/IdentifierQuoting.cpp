#include "ast/IdentifierQuoting.h"

#include "ast/SyntaxProvider.h"

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Runs of Open...Close written back to back, as the scanner reads one token.
// When Open and Close are the same character, a doubled one inside a run
// continues the token; otherwise Close cannot occur inside a run.
bool IsQuotedRuns(const std::string& s, char Open, char Close) {
  if (s.size() < 2 || s.front() != Open) return false;
  std::size_t i = 0;
  while (i < s.size()) {
    if (s[i] != Open) return false;
    const std::size_t close = s.find(Close, i + 1);
    if (close == std::string::npos) return false;
    i = close + 1;  // the next run must start here, or the token ends
  }
  return true;
}

std::string DoubleEvery(const std::string& Name, const std::string& Quote) {
  if (Quote.empty()) return Name;
  std::string out;
  std::size_t start = 0;
  for (std::size_t at = Name.find(Quote); at != std::string::npos; at = Name.find(Quote, start)) {
    out.append(Name, start, at - start).append(Quote).append(Quote);
    start = at + Quote.size();
  }
  return out.append(Name, start, std::string::npos);
}

}  // namespace

bool IsPlainIdentifier(const std::string& Name) {
  if (Name.empty() || !(IsAsciiLetter(Name[0]) || Name[0] == '_')) return false;
  for (char c : Name)
    if (!(IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_')) return false;
  return true;
}

bool IsQuotedIdentifierToken(const std::string& Name) {
  return IsQuotedRuns(Name, '"', '"') || IsQuotedRuns(Name, '[', ']');
}

bool IsStringLiteralToken(const std::string& Name) { return IsQuotedRuns(Name, '\'', '\''); }

std::string QuoteIdentifier(const std::string& Name, const TastSyntaxProvider* SyntaxProvider,
                            bool AllowStringLiteral) {
  if (IsPlainIdentifier(Name) && !(SyntaxProvider && SyntaxProvider->IsReservedWord(Name))) return Name;
  if (IsQuotedIdentifierToken(Name) || (AllowStringLiteral && IsStringLiteralToken(Name))) return Name;
  const std::string begin = SyntaxProvider ? SyntaxProvider->GetQuoteBegin() : "\"";
  const std::string end = SyntaxProvider ? SyntaxProvider->GetQuoteEnd() : "\"";
  // Already written in the dialect's own quotes.
  if (begin.size() == 1 && end.size() == 1 && IsQuotedRuns(Name, begin[0], end[0])) return Name;
  return begin + DoubleEvery(Name, end) + end;
}
