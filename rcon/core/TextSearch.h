// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding text in the console's bytes, and the code page's letter cases that a search without
// "match case" folds together. The bytes are searched as received: a match may not span what the
// view hides (a colour escape, a carriage return).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rcon {

// The lower-case form of a byte in the 8-bit code page: A-Z, the accented capitals and the
// few capitals of 0x8A-0x9F; every other byte is its own.
unsigned char foldCase(unsigned char byte);
std::string foldCase(std::string_view bytes);

struct TextMatch {
  std::size_t from = 0;
  std::size_t to = 0;    // one past the last byte
  bool wrapped = false;  // found only by going round past the end (or the start, upwards)
};

struct SearchOptions {
  bool matchCase = false;
  bool backward = false;
};

// The first match at or after `from` (forward), or the last one ending at or before `from`
// (backward); when there is none that way the search goes round the other end of the text.
// Nothing for an empty needle or when the text holds no match at all.
std::optional<TextMatch> findText(std::string_view text, std::string_view needle, std::size_t from,
                                  SearchOptions options);

}  // namespace rcon
