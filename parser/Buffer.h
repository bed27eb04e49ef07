#pragma once
// The whole text being scanned, as bytes, with a read position.

#include <cstdint>
#include <string_view>
#include <vector>

class TvnBuffer {
 public:
  std::vector<uint8_t> data;
  int32_t size = 0;
  int32_t position = 0;

  // Takes the text and moves to its start.
  void Fill(std::string_view text);
  // The byte at position (0..255), advancing; 256 at or past the end.
  // Inline: the scanner reads every character through these.
  int32_t Read() { return position < size ? data[position++] : 256; }
  // Like Read without advancing.
  int32_t Peek() const { return position < size ? data[position] : 256; }
  // The bytes from begin up to but not including end; the position is kept.
  std::string GetString(int32_t begin, int32_t end);
  // Clamps p into 0..size.
  void SetPos(int32_t p);
};
