#include "core/ConsoleRows.h"

#include <algorithm>
#include <array>

namespace rcon {
namespace {

enum class Kind : unsigned char { Plain, Tab, Hidden, LineFeed };

constexpr std::array<Kind, 256> makeKinds() {
  std::array<Kind, 256> kinds{};
  for (std::size_t b = 0; b < kinds.size(); ++b) {
    const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    kinds[b] = (b < 0x20 || b == 0x7F || undefined) ? Kind::Hidden : Kind::Plain;
  }
  kinds['\t'] = Kind::Tab;
  kinds['\n'] = Kind::LineFeed;
  return kinds;
}

constexpr std::array<Kind, 256> kKinds = makeKinds();

std::uint64_t WidthAt(unsigned char byte, std::uint64_t column) {
  switch (kKinds[byte]) {
    case Kind::Plain:
      return 1;
    case Kind::Tab:
      return kTabColumns - column % kTabColumns;
    default:
      return 0;
  }
}

const unsigned char* Bytes(const std::string& text) {
  return reinterpret_cast<const unsigned char*>(text.data());
}

}  // namespace

bool isHiddenByte(unsigned char byte) { return kKinds[byte] == Kind::Hidden; }

std::string copyText(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    if (!isHiddenByte(static_cast<unsigned char>(c))) text.push_back(c);
  }
  return text;
}

ConsoleRows::ConsoleRows(const ConsoleBuffer& buffer, std::uint64_t columns)
    : buffer_(buffer), columns_(std::max<std::uint64_t>(1, columns)) {
  rebuild();
}

void ConsoleRows::sync() {
  if (buffer_.generation() != generation_ || buffer_.size() < scanned_) {
    rebuild();
  } else if (buffer_.size() > scanned_) {
    scan(scanned_);
  }
}

void ConsoleRows::rebuild() {
  widths_ = {};
  blockRows_ = {};
  checkpoints_ = {};
  rowsAboveLast_ = 0;
  generation_ = buffer_.generation();
  startLine(0);
  scan(0);
}

void ConsoleRows::startLine(std::size_t start) {
  if (widths_.size() % kBlockLines == 0) blockRows_.push_back(rowsAboveLast_);
  widths_.push_back(0);
  lastStart_ = start;
  lastColumn_ = 0;
  firstSpecial_ = std::string::npos;
}

void ConsoleRows::storeLastWidth() {
  const auto width = static_cast<std::uint32_t>(std::min<std::uint64_t>(lastColumn_, kWidthMask));
  widths_.back() = width | (firstSpecial_ != std::string::npos ? kSpecialBit : 0u);
}

void ConsoleRows::scan(std::size_t from) {
  const unsigned char* data = Bytes(buffer_.text());
  const std::size_t size = buffer_.size();
  std::size_t p = from;
  while (p < size) {
    const std::size_t intoLine = p - lastStart_;
    if (intoLine > 0 && intoLine % kCheckpointBytes == 0) checkpoints_.push_back({p, lastColumn_});
    const std::size_t stop =
        std::min(size, lastStart_ + (intoLine / kCheckpointBytes + 1) * kCheckpointBytes);
    for (; p < stop; ++p) {
      const Kind kind = kKinds[data[p]];
      if (kind == Kind::Plain) {
        ++lastColumn_;
        continue;
      }
      if (kind == Kind::LineFeed) break;
      if (firstSpecial_ == std::string::npos) firstSpecial_ = p;
      if (kind == Kind::Tab) lastColumn_ += kTabColumns - lastColumn_ % kTabColumns;
    }
    if (p == stop) continue;
    // A line feed ends the line; a carriage return before it belongs to the break.
    const std::size_t end = (p > lastStart_ && data[p - 1] == '\r') ? p - 1 : p;
    if (firstSpecial_ >= end) firstSpecial_ = std::string::npos;
    storeLastWidth();
    rowsAboveLast_ += rowsOf(widths_.size() - 1);
    startLine(++p);
  }
  storeLastWidth();
  scanned_ = size;
}

void ConsoleRows::setColumns(std::uint64_t columns) {
  columns = std::max<std::uint64_t>(1, columns);
  if (columns == columns_) return;
  columns_ = columns;
  blockRows_.clear();
  std::uint64_t rows = 0;
  const std::size_t last = widths_.size() - 1;
  for (std::size_t i = 0; i < widths_.size(); ++i) {
    if (i % kBlockLines == 0) blockRows_.push_back(rows);
    if (i < last) rows += rowsOf(i);
  }
  rowsAboveLast_ = rows;
}

std::uint64_t ConsoleRows::rowCount() const { return rowsAboveLast_ + rowsOf(widths_.size() - 1); }

std::uint64_t ConsoleRows::firstRowOf(std::size_t line) const {
  std::size_t i = line - line % kBlockLines;
  std::uint64_t row = blockRows_[line / kBlockLines];
  for (; i < line; ++i) row += rowsOf(i);
  return row;
}

RowPosition ConsoleRows::rowAt(std::uint64_t row) const {
  const std::size_t last = widths_.size() - 1;
  if (row >= rowCount()) return {last, rowsOf(last) - 1};
  const auto block = std::upper_bound(blockRows_.begin(), blockRows_.end(), row) - 1;
  std::size_t i = static_cast<std::size_t>(block - blockRows_.begin()) * kBlockLines;
  std::uint64_t first = *block;
  for (;; ++i) {
    const std::uint64_t rows = rowsOf(i);
    if (row < first + rows || i == last) return {i, row - first};
    first += rows;
  }
}

std::size_t ConsoleRows::contentEnd(std::size_t line) const {
  return buffer_.lineStart(line) + buffer_.line(line).size();
}

ConsoleRows::Cell ConsoleRows::cellAt(std::size_t line, std::uint64_t column) const {
  const std::size_t start = buffer_.lineStart(line);
  const std::size_t end = contentEnd(line);
  const std::uint64_t width = lineWidth(line);
  if (column >= width) return {end, width};
  if ((widths_[line] & kSpecialBit) == 0) return {start + column, column};
  // Walk from the last checkpoint of this line at or before the column.
  const auto byOffset = [](const Checkpoint& c, std::size_t offset) { return c.offset < offset; };
  const auto first = std::lower_bound(checkpoints_.begin(), checkpoints_.end(), start, byOffset);
  const auto stop = std::lower_bound(first, checkpoints_.end(), end, byOffset);
  const auto after =
      std::upper_bound(first, stop, column,
                       [](std::uint64_t c, const Checkpoint& point) { return c < point.column; });
  std::size_t p = start;
  std::uint64_t at = 0;
  if (after != first) {
    p = (after - 1)->offset;
    at = (after - 1)->column;
  }
  const unsigned char* data = Bytes(buffer_.text());
  for (; p < end; ++p) {
    const std::uint64_t w = WidthAt(data[p], at);
    if (w > 0 && column < at + w) return {p, at};
    at += w;
  }
  return {end, at};
}

std::size_t ConsoleRows::caretAt(std::uint64_t row, std::uint64_t column) const {
  const RowPosition pos = rowAt(row);
  const std::uint64_t target = pos.subRow * columns_ + std::min(column, columns_);
  const Cell cell = cellAt(pos.line, target);
  if (cell.column == target || cell.offset >= contentEnd(pos.line)) return cell.offset;
  // Inside a tab: the nearer side of it.
  const std::uint64_t w = WidthAt(Bytes(buffer_.text())[cell.offset], cell.column);
  return (target - cell.column) * 2 < w ? cell.offset : cell.offset + 1;
}

RowCells ConsoleRows::cellsOf(std::uint64_t row, std::size_t selFrom, std::size_t selTo) const {
  RowCells out;
  const RowPosition pos = rowAt(row);
  const std::uint64_t rowStart = pos.subRow * columns_;
  const std::uint64_t rowEnd = rowStart + columns_;
  const std::size_t end = contentEnd(pos.line);
  const Cell cell = cellAt(pos.line, rowStart);
  const unsigned char* data = Bytes(buffer_.text());
  bool anySelected = false;
  std::uint64_t col = cell.column;
  for (std::size_t p = cell.offset; p < end && col < rowEnd; ++p) {
    const std::uint64_t w = WidthAt(data[p], col);
    const bool selected = p >= selFrom && p < selTo;
    const char shown = kKinds[data[p]] == Kind::Tab ? ' ' : static_cast<char>(data[p]);
    for (std::uint64_t k = 0; k < w && col < rowEnd; ++k, ++col) {
      if (col < rowStart) continue;
      if (selected) {
        if (!anySelected) out.selectedFrom = out.cells.size();
        anySelected = true;
        out.selectedTo = out.cells.size() + 1;
      }
      out.cells.push_back(shown);
    }
  }
  const bool lastRowOfLine = pos.subRow + 1 >= rowsOf(pos.line);
  const bool hasBreak = pos.line + 1 < buffer_.lineCount();
  out.breakSelected = lastRowOfLine && hasBreak && selFrom <= end && selTo > end;
  return out;
}

}  // namespace rcon
