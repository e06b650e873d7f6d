// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console's text laid out in rows of a given number of columns, for a view that paints only
// what is visible. Long lines wrap by character, a tab advances to the next multiple of eight
// columns, and control bytes take no room. The layout follows the buffer as it grows at a cost
// in proportion to the bytes appended; a new column count costs one pass over the lines.
// With colour codes on, each colour escape takes no room either, and each row carries the
// colour of every cell.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/ConsoleBuffer.h"

namespace rcon {

inline constexpr std::uint64_t kTabColumns = 8;

// Bytes that take no room on screen and are not copied: the control characters other than the
// tab (a carriage return among them) and the five bytes that have no character in the code page.
bool isHiddenByte(unsigned char byte);

// Selected bytes as text to copy: each line break becomes one line feed, hidden bytes go.
std::string copyText(std::string_view bytes);

struct RowPosition {
  std::size_t line = 0;
  std::uint64_t subRow = 0;  // rows of the same line above this one
};

// One row, ready to draw.
struct RowCells {
  std::string cells;             // one byte per column: tabs as blanks, hidden bytes left out
  std::size_t selectedFrom = 0;  // the columns of the selection that fall on this row
  std::size_t selectedTo = 0;
  bool breakSelected = false;  // the selection runs on past the end of the line
  // With colour codes on: each cell's colour index, kDefaultColour where no code has been met
  // in the line yet. Empty otherwise.
  std::vector<signed char> colours;
};

class ConsoleRows final {
 public:
  explicit ConsoleRows(const ConsoleBuffer& buffer, std::uint64_t columns = 80);

  // Catches up with the buffer: the new bytes after appends, everything after a reset.
  void sync();
  // Wraps at another width; at least one column.
  void setColumns(std::uint64_t columns);
  std::uint64_t columns() const { return columns_; }
  // Hides colour escapes (a caret and a letter or digit) and colours what follows; a new
  // setting lays every line out again.
  void setColourCodes(bool on);
  bool colourCodes() const { return colourCodes_; }

  std::uint64_t rowCount() const;
  // Lines laid out so far; the buffer may hold more until the next sync.
  std::size_t lineCount() const { return widths_.size(); }
  std::uint64_t lineWidth(std::size_t line) const { return widths_[line] & kWidthMask; }
  std::uint64_t rowsOf(std::size_t line) const { return rowsFor(lineWidth(line)); }
  std::uint64_t firstRowOf(std::size_t line) const;
  // Rows past the end give the last row.
  RowPosition rowAt(std::uint64_t row) const;

  // Where the byte at an offset shows: its row and column there (an offset at a line's end:
  // just past its last character, kept on the line's last row).
  struct Place {
    std::uint64_t row = 0;
    std::uint64_t column = 0;
  };
  Place placeOf(std::size_t offset) const;

  // The caret position (a byte offset in the buffer) nearest to a column boundary of a row.
  std::size_t caretAt(std::uint64_t row, std::uint64_t column) const;
  // A row's characters and the part of the byte range [selFrom, selTo) shown on it.
  RowCells cellsOf(std::uint64_t row, std::size_t selFrom = 0, std::size_t selTo = 0) const;

 private:
  static constexpr std::uint32_t kSpecialBit = 0x80000000u;  // the line holds tabs or hidden bytes
  static constexpr std::uint32_t kWidthMask = 0x7FFFFFFFu;   // wider lines count as this wide
  static constexpr std::size_t kBlockLines = 64;
  static constexpr std::size_t kCheckpointBytes = 4096;

  struct Cell {
    std::size_t offset;    // the byte that covers the column
    std::uint64_t column;  // the column where that byte starts
    int colour;            // the colour in force there
  };
  // One visible byte, or one colour escape, from an offset on.
  struct Step {
    std::size_t bytes;    // 1, or 2 for an escape
    std::uint64_t width;  // columns taken
    int colour;           // the colour from here on
  };

  void rebuild();
  void scan(std::size_t from);
  void storeLastWidth();
  void startLine(std::size_t start);
  std::uint64_t rowsFor(std::uint64_t width) const {
    return width == 0 ? 1 : (width + columns_ - 1) / columns_;
  }
  std::size_t contentEnd(std::size_t line) const;
  Step stepAt(std::size_t offset, std::uint64_t column, int colour) const;
  // The checkpoint of a line at or before an offset (or a column), else the line's start.
  Cell walkStart(std::size_t line, std::size_t offset, std::uint64_t column) const;
  Cell cellAt(std::size_t line, std::uint64_t column) const;

  const ConsoleBuffer& buffer_;
  std::uint64_t columns_;
  bool colourCodes_ = false;
  std::vector<std::uint32_t> widths_;     // per line, with kSpecialBit
  std::vector<std::uint64_t> blockRows_;  // rows above line k * kBlockLines
  std::uint64_t rowsAboveLast_ = 0;       // rows of every line but the last
  // Column at every kCheckpointBytes of a line, so that a long line with tabs is not walked
  // from its start to find a row in its middle.
  struct Checkpoint {
    std::size_t offset;
    std::uint64_t column;
    int colour;
  };
  std::vector<Checkpoint> checkpoints_;

  // Where the scan of the buffer stands; the last line may still grow.
  std::uint64_t generation_ = 0;
  std::size_t scanned_ = 0;
  std::size_t lastStart_ = 0;
  std::uint64_t lastColumn_ = 0;
  int lastColour_ = -1;
  bool trailingCaret_ = false;  // the scan ended on a caret whose code may come next
  std::size_t firstSpecial_ = std::string::npos;  // in the last line
};

}  // namespace rcon
