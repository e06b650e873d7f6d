// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextSearch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace rcon {
namespace {

using Table = std::array<unsigned char, 256>;

constexpr Table makeIdentity() {
  Table t{};
  for (std::size_t b = 0; b < t.size(); ++b) t[b] = static_cast<unsigned char>(b);
  return t;
}

constexpr Table makeFold() {
  Table t = makeIdentity();
  for (std::size_t b = 'A'; b <= 'Z'; ++b) t[b] = static_cast<unsigned char>(b + 32);
  // The accented capitals, but for the multiplication sign.
  for (std::size_t b = 0xC0; b <= 0xDE; ++b) {
    if (b != 0xD7) t[b] = static_cast<unsigned char>(b + 32);
  }
  t[0x8A] = 0x9A;  // S caron
  t[0x8C] = 0x9C;  // OE
  t[0x8E] = 0x9E;  // Z caron
  t[0x9F] = 0xFF;  // Y diaeresis
  return t;
}

constexpr Table kIdentity = makeIdentity();
constexpr Table kFold = makeFold();

// Horspool's search through a byte map (identity or the case fold): it looks at one byte per
// needle length where the text does not match, which keeps a 50 MB console well inside the
// time a user waits for a find. Works forwards or, with reverse iterators, backwards.
template <class It>
std::optional<It> horspool(It first, It last, It needleFirst, It needleLast, const Table& map) {
  const auto n = std::distance(needleFirst, needleLast);
  if (n == 0 || std::distance(first, last) < n) return std::nullopt;
  std::array<std::ptrdiff_t, 256> skip{};
  skip.fill(n);
  std::string folded;
  folded.reserve(static_cast<std::size_t>(n));
  for (It p = needleFirst; p != needleLast; ++p) folded.push_back(static_cast<char>(map[*p]));
  // A byte of the text skips as its folded form does.
  for (std::ptrdiff_t i = 0; i + 1 < n; ++i) {
    skip[static_cast<unsigned char>(folded[static_cast<std::size_t>(i)])] = n - 1 - i;
  }
  const auto lastNeedle = static_cast<unsigned char>(folded.back());
  const It stop = last - (n - 1);
  for (It p = first; p < stop;) {
    const unsigned char tail = map[*(p + (n - 1))];
    if (tail == lastNeedle) {
      std::ptrdiff_t i = 0;
      while (i + 1 < n &&
             map[*(p + i)] == static_cast<unsigned char>(folded[static_cast<std::size_t>(i)])) {
        ++i;
      }
      if (i + 1 == n) return p;
    }
    p += skip[tail];
  }
  return std::nullopt;
}

// Short needles give Horspool no room to skip; instead the bytes that may start a match (at
// most two: a letter's two cases) are looked for eight at a time, and each one found is checked.
class ShortSearch {
 public:
  ShortSearch(const unsigned char* needle, std::size_t size, const Table& map)
      : needle_(needle), size_(size), map_(map) {
    const unsigned char first = map[needle[0]];
    for (std::size_t b = 0; b < map.size(); ++b) {
      if (map[b] != first) continue;
      (count_++ == 0 ? a_ : b_) = static_cast<unsigned char>(b);
    }
    if (count_ == 1) b_ = a_;
  }

  // The first (or last) start in [from, to) where the needle matches.
  std::optional<std::size_t> find(const unsigned char* text, std::size_t from, std::size_t to,
                                  bool backward) const {
    constexpr std::size_t kWord = sizeof(std::uint64_t);
    if (!backward) {
      std::size_t p = from;
      for (; p + kWord <= to; p += kWord) {
        if (!mayHold(text + p)) continue;
        for (std::size_t k = 0; k < kWord; ++k) {
          if (matchesAt(text, p + k)) return p + k;
        }
      }
      for (; p < to; ++p) {
        if (matchesAt(text, p)) return p;
      }
      return std::nullopt;
    }
    std::size_t p = to;
    for (; p >= from + kWord; p -= kWord) {
      if (!mayHold(text + p - kWord)) continue;
      for (std::size_t k = 1; k <= kWord; ++k) {
        if (matchesAt(text, p - k)) return p - k;
      }
    }
    for (; p > from; --p) {
      if (matchesAt(text, p - 1)) return p - 1;
    }
    return std::nullopt;
  }

 private:
  static std::uint64_t hasByte(std::uint64_t word, unsigned char byte) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    const std::uint64_t x = word ^ (kOnes * byte);
    return (x - kOnes) & ~x & (kOnes << 7);
  }
  bool mayHold(const unsigned char* at) const {
    std::uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    return (hasByte(word, a_) | hasByte(word, b_)) != 0;
  }
  bool matchesAt(const unsigned char* text, std::size_t at) const {
    for (std::size_t i = 0; i < size_; ++i) {
      if (map_[text[at + i]] != map_[needle_[i]]) return false;
    }
    return true;
  }

  const unsigned char* needle_;
  std::size_t size_;
  const Table& map_;
  unsigned char a_ = 0;
  unsigned char b_ = 0;
  int count_ = 0;
};

constexpr std::size_t kShortNeedle = 4;

const unsigned char* bytes(std::string_view text) {
  return reinterpret_cast<const unsigned char*>(text.data());
}

// The first match lying wholly inside [from, to).
std::optional<std::size_t> firstIn(std::string_view text, std::string_view needle, std::size_t from,
                                   std::size_t to, const Table& map) {
  const unsigned char* base = bytes(text);
  const unsigned char* n = bytes(needle);
  if (needle.size() < kShortNeedle) {
    if (to - from < needle.size()) return std::nullopt;
    return ShortSearch(n, needle.size(), map).find(base, from, to - needle.size() + 1, false);
  }
  const auto found = horspool(base + from, base + to, n, n + needle.size(), map);
  if (!found) return std::nullopt;
  return static_cast<std::size_t>(*found - base);
}

// The last match lying wholly inside [from, to).
std::optional<std::size_t> lastIn(std::string_view text, std::string_view needle, std::size_t from,
                                  std::size_t to, const Table& map) {
  using Back = std::reverse_iterator<const unsigned char*>;
  const unsigned char* base = bytes(text);
  const unsigned char* n = bytes(needle);
  if (needle.size() < kShortNeedle) {
    if (to - from < needle.size()) return std::nullopt;
    return ShortSearch(n, needle.size(), map).find(base, from, to - needle.size() + 1, true);
  }
  const auto found =
      horspool(Back(base + to), Back(base + from), Back(n + needle.size()), Back(n), map);
  if (!found) return std::nullopt;
  // A reverse iterator at the match's last byte: its base is one past it.
  return static_cast<std::size_t>(found->base() - base) - needle.size();
}

}  // namespace

unsigned char foldCase(unsigned char byte) { return kFold[byte]; }

std::string foldCase(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) c = static_cast<char>(kFold[static_cast<unsigned char>(c)]);
  return out;
}

std::optional<TextMatch> findText(std::string_view text, std::string_view needle, std::size_t from,
                                  SearchOptions options) {
  const std::size_t size = text.size();
  const std::size_t n = needle.size();
  if (n == 0 || n > size) return std::nullopt;
  from = std::min(from, size);
  const Table& map = options.matchCase ? kIdentity : kFold;
  const auto match = [n](std::size_t at, bool wrapped) { return TextMatch{at, at + n, wrapped}; };
  if (!options.backward) {
    if (const auto at = firstIn(text, needle, from, size, map)) return match(*at, false);
    // Round from the top: the matches that start before `from`.
    if (const auto at = firstIn(text, needle, 0, std::min(size, from + n - 1), map)) {
      return match(*at, true);
    }
    return std::nullopt;
  }
  if (const auto at = lastIn(text, needle, 0, from, map)) return match(*at, false);
  // Round from the bottom: the matches that end after `from`.
  if (const auto at = lastIn(text, needle, from >= n ? from - n + 1 : 0, size, map)) {
    return match(*at, true);
  }
  return std::nullopt;
}

}  // namespace rcon
