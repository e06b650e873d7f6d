// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/ConsoleView.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "core/ColourCodes.h"
#include "platform/base/TextCodec.h"
#include "ui/common/Look.h"
#include "ui/frmRcon/ConsoleViewAccessible.h"

namespace ui {
namespace {

int clampToInt(std::uint64_t value) {
  return static_cast<int>(std::min<std::uint64_t>(value, INT_MAX));
}

// A colour code's colour on the console's black. Black itself would not show: a dark grey
// stands in for it; white is the console's own orange, so plain text keeps the design's look.
QColor codeColour(int index) {
  static const std::array<QColor, rcon::kColourCount> colours{
      QColor(128, 128, 128), QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(255, 255, 0),
      QColor(0, 0, 255),     QColor(0, 255, 255), QColor(255, 0, 255), kTextColour};
  return index >= 0 && index < rcon::kColourCount ? colours[static_cast<std::size_t>(index)]
                                                  : kTextColour;
}

}  // namespace

ConsoleView::ConsoleView(const rcon::ConsoleBuffer& buffer, QWidget* parent)
    : QAbstractScrollArea(parent),
      buffer_(buffer),
      rows_(buffer),
      generation_(buffer.generation()) {
  selection_.collapseTo(buffer.size());
  applyBoxLook(this);
  // The scroll bar keeps the desktop's own look.
  verticalScrollBar()->setPalette(QApplication::palette(verticalScrollBar()));
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setCursor(Qt::IBeamCursor);
  measureFont();
  announced_ = buffer.size();
  ConsoleAccessible::install();
}

void ConsoleView::measureFont() {
  // Every character of a fixed-pitch font takes the same advance; measuring a run averages
  // away any rounding of a single one.
  const QFontMetricsF metrics(font());
  cellWidth_ = std::max<qreal>(1, metrics.horizontalAdvance(QString(64, QLatin1Char('M'))) / 64);
  rowHeight_ = std::max(1, QFontMetrics(font()).lineSpacing());
  ascent_ = QFontMetrics(font()).ascent();
}

void ConsoleView::catchUp() {
  if (buffer_.generation() != generation_) {
    generation_ = buffer_.generation();
    selection_.collapseTo(0);
    dragging_ = false;
  }
  rows_.sync();
  selection_.clamp(buffer_.size());
}

int ConsoleView::visibleRows() const { return std::max(1, viewport()->height() / rowHeight_); }

std::uint64_t ConsoleView::topRow() const {
  return static_cast<std::uint64_t>(std::max(0, verticalScrollBar()->value()));
}

void ConsoleView::updateScrollRange() {
  const auto visible = static_cast<std::uint64_t>(visibleRows());
  const std::uint64_t rows = rows_.rowCount();
  QScrollBar* bar = verticalScrollBar();
  bar->setPageStep(static_cast<int>(visible));
  bar->setRange(0, clampToInt(rows > visible ? rows - visible : 0));
}

void ConsoleView::updateColumns() {
  const qreal room = std::floor((viewport()->width() - 2 * kMargin) / cellWidth_);
  const auto columns = static_cast<std::uint64_t>(std::max<qreal>(1, room));
  if (columns == rows_.columns()) {
    updateScrollRange();
    return;
  }
  // Re-wrapping keeps the same line at the top, or the end in view when it was.
  QScrollBar* bar = verticalScrollBar();
  const bool atEnd = bar->value() >= bar->maximum();
  const std::size_t topLine = rows_.rowAt(topRow()).line;
  rows_.setColumns(columns);
  updateScrollRange();
  bar->setValue(atEnd ? bar->maximum() : clampToInt(rows_.firstRowOf(topLine)));
  viewport()->update();
}

void ConsoleView::textAppended() {
  const bool sameText = buffer_.generation() == generation_;
  const bool hadSelection = hasSelection();
  const std::uint64_t oldLastRow = rows_.rowCount() - 1;
  catchUp();
  selection_.collapseTo(buffer_.size());
  dragging_ = false;
  announceConsoleAppend(this, sameText ? std::min(announced_, buffer_.size()) : 0, buffer_.size());
  announced_ = buffer_.size();
  updateScrollRange();
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  // The scroll moved the rows already drawn; only those from the old last row on are new,
  // unless a selection has to go.
  const std::uint64_t top = topRow();
  if (!sameText || hadSelection || oldLastRow < top) {
    viewport()->update();
    return;
  }
  const int y = static_cast<int>(oldLastRow - top) * rowHeight_;
  viewport()->update(0, y, viewport()->width(), viewport()->height() - y);
}

void ConsoleView::textReset() {
  catchUp();
  announced_ = buffer_.size();
  selection_.collapseTo(0);
  dragging_ = false;
  updateScrollRange();
  verticalScrollBar()->setValue(0);
  viewport()->update();
}

void ConsoleView::setColourCodes(bool on) {
  catchUp();
  QScrollBar* bar = verticalScrollBar();
  const bool atEnd = bar->value() >= bar->maximum();
  const std::size_t topLine = rows_.rowAt(topRow()).line;
  // Hidden escapes change every line's width: the same line stays at the top.
  rows_.setColourCodes(on);
  updateScrollRange();
  bar->setValue(atEnd ? bar->maximum() : clampToInt(rows_.firstRowOf(topLine)));
  viewport()->update();
}

void ConsoleView::select(std::size_t from, std::size_t to) {
  catchUp();
  selection_.select(std::min(from, buffer_.size()), std::min(to, buffer_.size()));
  dragging_ = false;
  const auto [first, last] = selection_.range(buffer_.size());
  showRange(first, last);
  viewport()->update();
  announceConsoleSelection(this);
}

void ConsoleView::showRange(std::size_t from, std::size_t to) {
  catchUp();
  from = std::min(from, buffer_.size());
  to = std::clamp(to, from, buffer_.size());
  // The end first, then the start: a range taller than the view shows its beginning.
  scrollToRow(rows_.placeOf(to > from ? to - 1 : to).row);
  scrollToRow(rows_.placeOf(from).row);
}

void ConsoleView::scrollToRow(std::uint64_t row) {
  const auto visible = static_cast<std::uint64_t>(visibleRows());
  const std::uint64_t top = topRow();
  QScrollBar* bar = verticalScrollBar();
  if (row < top) bar->setValue(clampToInt(row));
  if (row >= top + visible) bar->setValue(clampToInt(row - visible + 1));
}

QRect ConsoleView::cellRect(std::size_t offset) {
  catchUp();
  const rcon::ConsoleRows::Place place = rows_.placeOf(std::min(offset, buffer_.size()));
  const auto screenRow = static_cast<qreal>(static_cast<std::int64_t>(place.row - topRow()));
  return QRectF(kMargin + static_cast<qreal>(place.column) * cellWidth_, screenRow * rowHeight_,
                cellWidth_, rowHeight_)
      .toRect();
}

bool ConsoleView::isLineVisible(std::size_t line) const {
  if (line >= rows_.lineCount()) return false;
  const std::uint64_t first = rows_.firstRowOf(line);
  const std::uint64_t top = topRow();
  return first < top + static_cast<std::uint64_t>(visibleRows()) &&
         first + rows_.rowsOf(line) > top;
}

void ConsoleView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  catchUp();
  updateColumns();
}

void ConsoleView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    measureFont();
    catchUp();
    updateColumns();
    viewport()->update();
  }
}

void ConsoleView::scrollContentsBy(int, int dy) {
  // The rows already drawn move along; only those coming into view are painted.
  if (std::abs(dy) < visibleRows()) {
    viewport()->scroll(0, dy * rowHeight_);
  } else {
    viewport()->update();
  }
}

void ConsoleView::paintEvent(QPaintEvent* event) {
  catchUp();
  QPainter painter(viewport());
  const QRect area = event->rect();
  painter.fillRect(area, kBoxColour);
  const auto [from, to] = selection_.range(buffer_.size());
  const std::uint64_t top = topRow();
  const std::uint64_t count = rows_.rowCount();
  for (int i = area.top() / rowHeight_; i <= area.bottom() / rowHeight_; ++i) {
    const std::uint64_t row = top + static_cast<std::uint64_t>(i);
    if (row >= count) break;
    paintRow(painter, i, rows_.cellsOf(row, from, to));
  }
}

void ConsoleView::paintRow(QPainter& painter, int screenRow, const rcon::RowCells& cells) const {
  auto x = [this](std::size_t column) { return kMargin + static_cast<qreal>(column) * cellWidth_; };
  QString text = platform::ToQString(cells.cells);
  // Text shaping gives a soft hyphen no width, which would shift the rest of the row.
  text.replace(QChar(0x00AD), QLatin1Char('-'));
  const qreal y = static_cast<qreal>(screenRow) * rowHeight_;
  const qreal baseline = y + ascent_;
  const std::size_t from = cells.selectedFrom;
  const std::size_t to = cells.selectedTo;
  if (from < to || cells.breakSelected) {
    // The selected cells, and one cell more for a selected line break.
    const std::size_t start = from < to ? from : cells.cells.size();
    const std::size_t end = (from < to ? to : start) + (cells.breakSelected ? 1 : 0);
    painter.fillRect(QRectF(x(start), y, x(end) - x(start), rowHeight_),
                     palette().brush(QPalette::Highlight));
  }
  // Runs of one colour, each drawn at its own cell so that nothing drifts.
  const QColor selectedColour = palette().color(QPalette::HighlightedText);
  const auto colourAt = [&](std::size_t i) {
    if (i >= from && i < to) return selectedColour;
    return cells.colours.empty() ? kTextColour : codeColour(cells.colours[i]);
  };
  const std::size_t count = cells.cells.size();
  for (std::size_t start = 0, i = 1; start < count; ++i) {
    if (i < count && colourAt(i) == colourAt(start)) continue;
    painter.setPen(colourAt(start));
    painter.drawText(QPointF(x(start), baseline),
                     text.mid(static_cast<qsizetype>(start), static_cast<qsizetype>(i - start)));
    start = i;
  }
}

}  // namespace ui
