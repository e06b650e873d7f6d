#pragma once
// The console's text laid out in rows of a given number of columns, for a view that paints only
// what is visible. Long lines wrap by character, a tab advances to the next multiple of eight
// columns, and control bytes take no room. The layout follows the buffer as it grows at a cost
// in proportion to the bytes appended; a new column count costs one pass over the lines.
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
};

class ConsoleRows final {
 public:
  explicit ConsoleRows(const ConsoleBuffer& buffer, std::uint64_t columns = 80);

  // Catches up with the buffer: the new bytes after appends, everything after a reset.
  void sync();
  // Wraps at another width; at least one column.
  void setColumns(std::uint64_t columns);
  std::uint64_t columns() const { return columns_; }

  std::uint64_t rowCount() const;
  // Lines laid out so far; the buffer may hold more until the next sync.
  std::size_t lineCount() const { return widths_.size(); }
  std::uint64_t lineWidth(std::size_t line) const { return widths_[line] & kWidthMask; }
  std::uint64_t rowsOf(std::size_t line) const { return rowsFor(lineWidth(line)); }
  std::uint64_t firstRowOf(std::size_t line) const;
  // Rows past the end give the last row.
  RowPosition rowAt(std::uint64_t row) const;

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
  };

  void rebuild();
  void scan(std::size_t from);
  void storeLastWidth();
  void startLine(std::size_t start);
  std::uint64_t rowsFor(std::uint64_t width) const {
    return width == 0 ? 1 : (width + columns_ - 1) / columns_;
  }
  std::size_t contentEnd(std::size_t line) const;
  Cell cellAt(std::size_t line, std::uint64_t column) const;

  const ConsoleBuffer& buffer_;
  std::uint64_t columns_;
  std::vector<std::uint32_t> widths_;     // per line, with kSpecialBit
  std::vector<std::uint64_t> blockRows_;  // rows above line k * kBlockLines
  std::uint64_t rowsAboveLast_ = 0;       // rows of every line but the last
  // Column at every kCheckpointBytes of a line, so that a long line with tabs is not walked
  // from its start to find a row in its middle.
  struct Checkpoint {
    std::size_t offset;
    std::uint64_t column;
  };
  std::vector<Checkpoint> checkpoints_;

  // Where the scan of the buffer stands; the last line may still grow.
  std::uint64_t generation_ = 0;
  std::size_t scanned_ = 0;
  std::size_t lastStart_ = 0;
  std::uint64_t lastColumn_ = 0;
  std::size_t firstSpecial_ = std::string::npos;  // in the last line
};

}  // namespace rcon
