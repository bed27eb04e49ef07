#pragma once
// Fixed-size bit sets: TvnCharSet holds 8-bit characters, TvnTokenSet token
// kind numbers (at most 256 kinds).

#include <array>
#include <bit>
#include <cstdint>
#include <initializer_list>

class TvnBitSet256 {
 public:
  constexpr TvnBitSet256() = default;
  constexpr TvnBitSet256(std::initializer_list<int> members) {
    for (int m : members) Include(m);
  }

  constexpr void Include(int member) {
    if (member >= 0 && member < 256) bits_[member >> 6] |= uint64_t{1} << (member & 63);
  }
  constexpr void Exclude(int member) {
    if (member >= 0 && member < 256) bits_[member >> 6] &= ~(uint64_t{1} << (member & 63));
  }
  constexpr bool Contains(int member) const {
    return member >= 0 && member < 256 && ((bits_[member >> 6] >> (member & 63)) & 1) != 0;
  }
  constexpr void IncludeRange(int first, int last) {
    for (int m = first; m <= last; ++m) Include(m);
  }
  // Adds every member of other; returns whether this set grew.
  constexpr bool Unite(const TvnBitSet256& other) {
    bool grew = false;
    for (int i = 0; i < 4; ++i) {
      uint64_t merged = bits_[i] | other.bits_[i];
      grew = grew || merged != bits_[i];
      bits_[i] = merged;
    }
    return grew;
  }
  constexpr bool Intersects(const TvnBitSet256& other) const {
    return ((bits_[0] & other.bits_[0]) | (bits_[1] & other.bits_[1]) | (bits_[2] & other.bits_[2]) |
            (bits_[3] & other.bits_[3])) != 0;
  }
  // The smallest member not below from, or 256 when there is none.
  constexpr int Next(int from) const {
    for (int word = from >> 6; word < 4 && from < 256; ++word, from = word << 6) {
      const uint64_t rest = bits_[word] >> (from & 63);
      if (rest != 0) return from + std::countr_zero(rest);
    }
    return 256;
  }
  constexpr bool Empty() const { return (bits_[0] | bits_[1] | bits_[2] | bits_[3]) == 0; }
  constexpr bool operator==(const TvnBitSet256&) const = default;

 private:
  std::array<uint64_t, 4> bits_{};
};

using TvnCharSet = TvnBitSet256;
using TvnTokenSet = TvnBitSet256;

constexpr int charSetSize = 256;
