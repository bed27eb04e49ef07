#include "parser/BaseScanner.h"

#include <limits>
#include <stdexcept>

#include "platform/core/Exceptions.h"

namespace {
constexpr int32_t kCR = 13;
constexpr int32_t kLF = 10;

int32_t FoldToLower(int32_t c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }
}  // namespace

void TvnBaseScanner::Init(std::string_view text) {
  // Positions are 32-bit; a longer text is refused rather than miscounted.
  if (text.size() >= static_cast<size_t>(std::numeric_limits<int32_t>::max()))
    throw EConvertError("Text too long to scan");
  buffer = std::make_unique<TvnBuffer>();
  buffer->Fill(text);
  pos = -1;
  line = 1;
  lineStart = 0;
  pendingLineBreaks = 0;
  NextCh();
  skipSet = TvnCharSet{' '};
  InitInternal();
  // Most texts have a token for every four to eight characters; reserving
  // for the denser case saves growing the list step by step.
  tokens.reserve(text.size() / 4 + 2);
  for (;;) {
    std::unique_ptr<TvnToken> token = NextToken();
    // The parser keeps token kinds in 256-member sets and tables.
    if (token->kind < 0 || token->kind >= charSetSize) throw std::logic_error("scanner made a token kind beyond 255");
    bool last = token->kind == eofSym;
    tokens.push_back(std::move(*token));
    if (last) break;
  }
  tokens.shrink_to_fit();
  tokens.back().val = "EOF";
  buffer.reset();
}

void TvnBaseScanner::NextCh() {
  int32_t c;
  if (pendingLineBreaks > 0) {
    c = kCR;
    --pendingLineBreaks;
  } else {
    c = buffer->Read();
    ++pos;
    // A lone LF is a line break; LF CR is an LF character followed by the
    // CR that breaks the line.
    bool wasLF = c == kLF;
    if (wasLF && buffer->Peek() != kCR) c = kCR;
    if (c == kCR) {
      // Only a real CR pairs with a following LF; an LF never swallows the
      // next LF, so every blank line counts.
      if (!wasLF && buffer->Peek() == kLF) buffer->Read();
      ++line;
      lineStart = pos + 1;
    }
  }
  rawChar = static_cast<uint8_t>(c & 0xFF);
  currentChar = c == vnEndOfText ? vnEndOfText : FoldToLower(c);
}
