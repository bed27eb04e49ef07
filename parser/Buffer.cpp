#include "parser/Buffer.h"

#include <string>

void TvnBuffer::Fill(std::string_view text) {
  data.assign(text.begin(), text.end());
  size = static_cast<int32_t>(data.size());
  SetPos(0);
}

std::string TvnBuffer::GetString(int32_t begin, int32_t end) {
  int32_t saved = position;
  SetPos(begin);
  std::string text;
  for (int32_t i = begin; i < end; ++i) {
    int32_t c = Read();
    if (c == 256) break;
    text.push_back(static_cast<char>(c));
  }
  SetPos(saved);
  return text;
}

void TvnBuffer::SetPos(int32_t p) {
  if (p < 0) position = 0;
  else if (p >= size) position = size;
  else position = p;
}
