// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console's selection: a range of byte offsets in the buffer between the point where it
// started and the caret, kept within the text however the text changes.
#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>

#include "core/ConsoleRows.h"

namespace ui {

class ConsoleSelection final {
 public:
  // [from, to) within a text of the given size; empty when nothing is selected.
  std::pair<std::size_t, std::size_t> range(std::size_t size) const {
    const std::size_t a = std::min(anchor_, size);
    const std::size_t b = std::min(caret_, size);
    return {std::min(a, b), std::max(a, b)};
  }

  std::size_t caret() const { return caret_; }

  void clamp(std::size_t size) {
    anchor_ = std::min(anchor_, size);
    caret_ = std::min(caret_, size);
  }

  // Nothing selected, the caret at the given offset.
  void collapseTo(std::size_t offset) { anchor_ = caret_ = offset; }
  void select(std::size_t from, std::size_t to) {
    anchor_ = from;
    caret_ = to;
  }
  // A click moves the caret; without extend it also starts a new selection there.
  void moveCaret(std::size_t offset, bool extend) {
    if (!extend) anchor_ = offset;
    caret_ = offset;
  }

  // The run of visible, non-blank bytes around an offset (a double click's word).
  void selectWord(std::string_view text, std::size_t at) {
    auto isWordByte = [](char c) {
      const auto byte = static_cast<unsigned char>(c);
      return byte > ' ' && !rcon::isHiddenByte(byte);
    };
    std::size_t from = std::min(at, text.size());
    std::size_t to = from;
    while (from > 0 && isWordByte(text[from - 1])) --from;
    while (to < text.size() && isWordByte(text[to])) ++to;
    select(from, to);
  }

 private:
  std::size_t anchor_ = 0;  // where the selection started
  std::size_t caret_ = 0;   // where it ends; the two are equal when nothing is selected
};

}  // namespace ui
