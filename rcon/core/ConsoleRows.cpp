// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ConsoleRows.h"

#include <algorithm>
#include <array>

#include "core/ColourCodes.h"

namespace rcon {
namespace {

enum class Kind : unsigned char { Plain, Tab, Hidden, LineFeed, Caret };

constexpr std::array<Kind, 256> makeKinds(bool colourCodes) {
  std::array<Kind, 256> kinds{};
  for (std::size_t b = 0; b < kinds.size(); ++b) {
    const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    kinds[b] = (b < 0x20 || b == 0x7F || undefined) ? Kind::Hidden : Kind::Plain;
  }
  kinds['\t'] = Kind::Tab;
  kinds['\n'] = Kind::LineFeed;
  if (colourCodes) kinds['^'] = Kind::Caret;
  return kinds;
}

constexpr std::array<Kind, 256> kKinds = makeKinds(false);
constexpr std::array<Kind, 256> kColourKinds = makeKinds(true);

// Whether a caret followed by this byte is a colour escape: the players window's rule.
bool isCodeByte(unsigned char byte) {
  const char pair[] = {'^', static_cast<char>(byte)};
  return isColourEscape(std::string_view(pair, 2), 0);
}

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

void ConsoleRows::setColourCodes(bool on) {
  if (on == colourCodes_) return;
  colourCodes_ = on;
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
  trailingCaret_ = false;
  generation_ = buffer_.generation();
  startLine(0);
  scan(0);
}

void ConsoleRows::startLine(std::size_t start) {
  if (widths_.size() % kBlockLines == 0) blockRows_.push_back(rowsAboveLast_);
  widths_.push_back(0);
  lastStart_ = start;
  lastColumn_ = 0;
  lastColour_ = kDefaultColour;
  firstSpecial_ = std::string::npos;
}

void ConsoleRows::storeLastWidth() {
  const auto width = static_cast<std::uint32_t>(std::min<std::uint64_t>(lastColumn_, kWidthMask));
  widths_.back() = width | (firstSpecial_ != std::string::npos ? kSpecialBit : 0u);
}

void ConsoleRows::scan(std::size_t from) {
  const unsigned char* data = Bytes(buffer_.text());
  const std::size_t size = buffer_.size();
  const std::array<Kind, 256>& kinds = colourCodes_ ? kColourKinds : kKinds;
  std::size_t p = from;
  // A caret that ended the last append turns out to be an escape: it takes its column back.
  if (trailingCaret_ && p < size && isCodeByte(data[p])) {
    --lastColumn_;
    lastColour_ = colourIndex(static_cast<char>(data[p]));
    ++p;
  }
  trailingCaret_ = false;
  while (p < size) {
    const std::size_t intoLine = p - lastStart_;
    if (intoLine > 0 && intoLine % kCheckpointBytes == 0) {
      checkpoints_.push_back({p, lastColumn_, lastColour_});
    }
    const std::size_t stop =
        std::min(size, lastStart_ + (intoLine / kCheckpointBytes + 1) * kCheckpointBytes);
    bool lineEnds = false;
    for (; p < stop; ++p) {
      const Kind kind = kinds[data[p]];
      if (kind == Kind::Plain) {
        ++lastColumn_;
        continue;
      }
      if (kind == Kind::LineFeed) {
        lineEnds = true;
        break;
      }
      if (firstSpecial_ == std::string::npos) firstSpecial_ = p;
      if (kind == Kind::Tab) lastColumn_ += kTabColumns - lastColumn_ % kTabColumns;
      if (kind != Kind::Caret) continue;
      if (p + 1 < size && isCodeByte(data[p + 1])) {
        // The code byte is skipped too, even past the stop: no checkpoint inside an escape.
        lastColour_ = colourIndex(static_cast<char>(data[++p]));
      } else {
        ++lastColumn_;
        trailingCaret_ = p + 1 == size;
      }
    }
    if (!lineEnds) continue;
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

ConsoleRows::Step ConsoleRows::stepAt(std::size_t offset, std::uint64_t column, int colour) const {
  const std::string& text = buffer_.text();
  if (colourCodes_ && isColourEscape(text, offset)) {
    return {2, 0, colourIndex(text[offset + 1])};
  }
  return {1, WidthAt(static_cast<unsigned char>(text[offset]), column), colour};
}

ConsoleRows::Cell ConsoleRows::walkStart(std::size_t line, std::size_t offset,
                                         std::uint64_t column) const {
  const std::size_t start = buffer_.lineStart(line);
  const auto byOffset = [](const Checkpoint& c, std::size_t at) { return c.offset < at; };
  const auto first = std::lower_bound(checkpoints_.begin(), checkpoints_.end(), start, byOffset);
  const auto stop = std::lower_bound(first, checkpoints_.end(), contentEnd(line), byOffset);
  const auto after = std::partition_point(first, stop, [&](const Checkpoint& point) {
    return point.offset <= offset && point.column <= column;
  });
  if (after == first) return {start, 0, kDefaultColour};
  return {(after - 1)->offset, (after - 1)->column, (after - 1)->colour};
}

ConsoleRows::Cell ConsoleRows::cellAt(std::size_t line, std::uint64_t column) const {
  const std::size_t start = buffer_.lineStart(line);
  const std::size_t end = contentEnd(line);
  const std::uint64_t width = lineWidth(line);
  if ((widths_[line] & kSpecialBit) == 0) {
    return column >= width ? Cell{end, width, kDefaultColour}
                           : Cell{start + column, column, kDefaultColour};
  }
  Cell at = walkStart(line, end, column);
  while (at.offset < end) {
    const Step step = stepAt(at.offset, at.column, at.colour);
    if (step.width > 0 && column < at.column + step.width) return at;
    at = {at.offset + step.bytes, at.column + step.width, step.colour};
  }
  return at;
}

ConsoleRows::Place ConsoleRows::placeOf(std::size_t offset) const {
  const std::size_t lines = lineCount();
  std::size_t lo = 0;
  std::size_t hi = lines;  // the line is the last one starting at or before the offset
  while (hi - lo > 1) {
    const std::size_t mid = lo + (hi - lo) / 2;
    (buffer_.lineStart(mid) <= offset ? lo : hi) = mid;
  }
  const std::size_t end = contentEnd(lo);
  offset = std::min(offset, end);
  Cell at{buffer_.lineStart(lo), 0, kDefaultColour};
  if ((widths_[lo] & kSpecialBit) == 0) {
    at.column = offset - at.offset;
  } else {
    at = walkStart(lo, offset, lineWidth(lo));
    while (at.offset < offset) {
      const Step step = stepAt(at.offset, at.column, at.colour);
      at = {at.offset + step.bytes, at.column + step.width, step.colour};
    }
  }
  const std::uint64_t subRow = std::min(at.column / columns_, rowsOf(lo) - 1);
  return {firstRowOf(lo) + subRow, at.column - subRow * columns_};
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
  Cell at = cellAt(pos.line, rowStart);
  const unsigned char* data = Bytes(buffer_.text());
  bool anySelected = false;
  while (at.offset < end && at.column < rowEnd) {
    const std::size_t p = at.offset;
    const Step step = stepAt(p, at.column, at.colour);
    const bool selected = p >= selFrom && p < selTo;
    const char shown = kKinds[data[p]] == Kind::Tab ? ' ' : static_cast<char>(data[p]);
    std::uint64_t col = at.column;
    for (std::uint64_t k = 0; k < step.width && col < rowEnd; ++k, ++col) {
      if (col < rowStart) continue;
      if (selected) {
        if (!anySelected) out.selectedFrom = out.cells.size();
        anySelected = true;
        out.selectedTo = out.cells.size() + 1;
      }
      out.cells.push_back(shown);
      if (colourCodes_) out.colours.push_back(static_cast<signed char>(step.colour));
    }
    at = {p + step.bytes, at.column + step.width, step.colour};
  }
  const bool lastRowOfLine = pos.subRow + 1 >= rowsOf(pos.line);
  const bool hasBreak = pos.line + 1 < buffer_.lineCount();
  out.breakSelected = lastRowOfLine && hasBreak && selFrom <= end && selTo > end;
  return out;
}

}  // namespace rcon
