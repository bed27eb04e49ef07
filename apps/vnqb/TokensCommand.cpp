// vnqb tokens: the tokens of the text, one per line.

#include <cstdio>

#include "apps/vnqb/Command.h"
#include "apps/vnqb/CommandSupport.h"
#include "parser/SQL92Scanner.h"

namespace {

// The token text with line breaks, tabs, other control bytes and the
// backslash escaped, so that every token stays on one line.
std::string Printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c == '\\') out += "\\\\";
    else if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else if (c < 32 || c == 127) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

int RunTokens(const std::vector<std::string>& args) {
  ParsedArguments parsed = SplitArguments(args, {}, {});
  SQL92Scanner scanner;
  scanner.Init(ReadInputText(parsed.File));
  for (int32_t i = 0; i < scanner.TokenCount(); ++i) {
    const TvnToken& token = scanner.GetToken(i);
    std::printf("%d %d %d %s\n", token.kind, token.line, token.col, Printable(token.val).c_str());
  }
  return kExitOk;
}

}  // namespace

const VnqbCommand TokensCommand = {"tokens", "vnqb tokens [FILE]\n", RunTokens};
