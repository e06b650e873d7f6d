// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console's text of record: the bytes exactly as appended (replies keep their bare line
// feeds, appended line ends are CR LF), indexed by line so that a view can paint only what is
// visible. Appends are amortised constant time per byte, whatever the size of the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rcon {

class ConsoleBuffer final {
 public:
  ConsoleBuffer();

  void append(std::string_view bytes);
  void assign(std::string bytes);
  void clear();
  // Drops the first bytes (a whole number of lines, as the caller chooses) to bound the memory.
  void dropFront(std::size_t bytes);

  const std::string& text() const { return text_; }
  std::size_t capacity() const { return text_.capacity(); }
  // Room for this many bytes at once, so that growing never copies the whole text to a block
  // twice its size (untouched room costs address space, not memory).
  void reserve(std::size_t bytes) { text_.reserve(bytes); }
  // What the text and its line index take, roughly.
  std::size_t footprint() const { return text_.size() + lineStarts_.size() * sizeof(std::size_t); }
  std::size_t size() const { return text_.size(); }

  // Lines end at each line feed; a carriage return right before it belongs to the break.
  std::size_t lineCount() const { return lineStarts_.size(); }
  std::size_t lineStart(std::size_t line) const { return lineStarts_[line]; }
  std::string_view line(std::size_t line) const;

  // Grows by one at every change, so that observers can tell stale views.
  std::uint64_t revision() const { return revision_; }
  // Grows by one when the text is replaced or cleared, not when it is appended to: an observer
  // that saw the same generation only has to look at the bytes past what it saw.
  std::uint64_t generation() const { return generation_; }

 private:
  void indexFrom(std::size_t offset);

  std::string text_;
  std::vector<std::size_t> lineStarts_;
  std::uint64_t revision_ = 0;
  std::uint64_t generation_ = 0;
};

}  // namespace rcon
