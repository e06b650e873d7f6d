#include "ui/frmRcon/ConsoleView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "platform/base/TextCodec.h"
#include "ui/common/Look.h"

namespace ui {
namespace {

constexpr int kMargin = 2;

int ClampToInt(std::uint64_t value) {
  return static_cast<int>(std::min<std::uint64_t>(value, INT_MAX));
}

bool IsWordByte(unsigned char byte) { return byte > ' ' && !rcon::isHiddenByte(byte); }

}  // namespace

ConsoleView::ConsoleView(const rcon::ConsoleBuffer& buffer, QWidget* parent)
    : QAbstractScrollArea(parent),
      buffer_(buffer),
      rows_(buffer),
      generation_(buffer.generation()),
      anchor_(buffer.size()),
      caret_(buffer.size()) {
  ApplyBoxLook(this);
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
    anchor_ = caret_ = 0;
    dragging_ = false;
  }
  rows_.sync();
  anchor_ = std::min(anchor_, buffer_.size());
  caret_ = std::min(caret_, buffer_.size());
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
  bar->setRange(0, ClampToInt(rows > visible ? rows - visible : 0));
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
  bar->setValue(atEnd ? bar->maximum() : ClampToInt(rows_.firstRowOf(topLine)));
  viewport()->update();
}

void ConsoleView::textAppended() {
  const bool sameText = buffer_.generation() == generation_;
  const bool hadSelection = hasSelection();
  const std::uint64_t oldLastRow = rows_.rowCount() - 1;
  catchUp();
  anchor_ = caret_ = buffer_.size();
  dragging_ = false;
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
  anchor_ = caret_ = 0;
  dragging_ = false;
  updateScrollRange();
  verticalScrollBar()->setValue(0);
  viewport()->update();
}

std::pair<std::size_t, std::size_t> ConsoleView::selection() const {
  const std::size_t size = buffer_.size();
  const std::size_t a = std::min(anchor_, size);
  const std::size_t b = std::min(caret_, size);
  return {std::min(a, b), std::max(a, b)};
}

QString ConsoleView::selectedText() const {
  const auto [from, to] = selection();
  return platform::ToQString(
      rcon::copyText(std::string_view(buffer_.text()).substr(from, to - from)));
}

void ConsoleView::copyRange(std::size_t from, std::size_t to) const {
  to = std::min(to, buffer_.size());
  if (from >= to) return;
  QApplication::clipboard()->setText(platform::ToQString(
      rcon::copyText(std::string_view(buffer_.text()).substr(from, to - from))));
}

void ConsoleView::copy() const {
  const auto [from, to] = selection();
  copyRange(from, to);
}

void ConsoleView::selectAll() {
  catchUp();
  anchor_ = 0;
  caret_ = buffer_.size();
  viewport()->update();
}

bool ConsoleView::isLineVisible(std::size_t line) const {
  if (line >= rows_.lineCount()) return false;
  const std::uint64_t first = rows_.firstRowOf(line);
  const std::uint64_t top = topRow();
  return first < top + static_cast<std::uint64_t>(visibleRows()) &&
         first + rows_.rowsOf(line) > top;
}

bool ConsoleView::event(QEvent* event) {
  // Copy is the console's own, even where a window shortcut would want the keys.
  if (event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    event->accept();
    return true;
  }
  return QAbstractScrollArea::event(event);
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
  const auto [selFrom, selTo] = selection();
  const std::uint64_t top = topRow();
  const std::uint64_t count = rows_.rowCount();
  const QColor selectedText = palette().color(QPalette::HighlightedText);
  auto x = [this](std::size_t column) { return kMargin + static_cast<qreal>(column) * cellWidth_; };
  for (int i = area.top() / rowHeight_; i <= area.bottom() / rowHeight_; ++i) {
    const std::uint64_t row = top + static_cast<std::uint64_t>(i);
    if (row >= count) break;
    const rcon::RowCells cells = rows_.cellsOf(row, selFrom, selTo);
    QString text = platform::ToQString(cells.cells);
    // Text shaping gives a soft hyphen no width, which would shift the rest of the row.
    text.replace(QChar(0x00AD), QLatin1Char('-'));
    const qreal y = static_cast<qreal>(i) * rowHeight_;
    const qreal baseline = y + ascent_;
    const std::size_t from = cells.selectedFrom;
    const std::size_t to = cells.selectedTo;
    if (from == to && !cells.breakSelected) {
      painter.setPen(kTextColour);
      painter.drawText(QPointF(x(0), baseline), text);
      continue;
    }
    // The selected cells, and one cell more for a selected line break.
    const std::size_t start = from < to ? from : cells.cells.size();
    const std::size_t end = (from < to ? to : start) + (cells.breakSelected ? 1 : 0);
    painter.fillRect(QRectF(x(start), y, x(end) - x(start), rowHeight_),
                     palette().brush(QPalette::Highlight));
    const auto a = static_cast<qsizetype>(from);
    const auto b = static_cast<qsizetype>(to);
    painter.setPen(kTextColour);
    painter.drawText(QPointF(x(0), baseline), text.left(a));
    painter.drawText(QPointF(x(to), baseline), text.mid(b));
    painter.setPen(selectedText);
    painter.drawText(QPointF(x(from), baseline), text.mid(a, b - a));
  }
}

void ConsoleView::keyPressEvent(QKeyEvent* event) {
  QScrollBar* bar = verticalScrollBar();
  if (event->matches(QKeySequence::Copy)) {
    copy();
  } else if (event->matches(QKeySequence::MoveToPreviousPage)) {
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
  } else if (event->matches(QKeySequence::MoveToNextPage)) {
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  } else if (event->matches(QKeySequence::MoveToPreviousLine)) {
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
  } else if (event->matches(QKeySequence::MoveToNextLine)) {
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  } else if (event->matches(QKeySequence::MoveToStartOfDocument)) {
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
  } else if (event->matches(QKeySequence::MoveToEndOfDocument)) {
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
  } else {
    // Locked against typing: every other key goes on to the window.
    event->ignore();
  }
}

std::size_t ConsoleView::caretAt(const QPoint& point) {
  catchUp();
  const int rowOnScreen = static_cast<int>(std::floor(static_cast<qreal>(point.y()) / rowHeight_));
  const std::int64_t row = static_cast<std::int64_t>(topRow()) + rowOnScreen;
  const qreal column = std::round((point.x() - kMargin) / cellWidth_);
  return rows_.caretAt(static_cast<std::uint64_t>(std::max<std::int64_t>(0, row)),
                       static_cast<std::uint64_t>(std::max<qreal>(0, column)));
}

void ConsoleView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  const std::size_t at = caretAt(event->position().toPoint());
  if (!(event->modifiers() & Qt::ShiftModifier)) anchor_ = at;
  caret_ = at;
  dragging_ = true;
  viewport()->update();
}

void ConsoleView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return;
  const QPoint point = event->position().toPoint();
  // Dragging past an edge scrolls the text along.
  if (point.y() < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  if (point.y() >= viewport()->height()) {
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  }
  caret_ = caretAt(point);
  viewport()->update();
}

void ConsoleView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = false;
  QClipboard* clipboard = QApplication::clipboard();
  if (hasSelection() && clipboard->supportsSelection()) {
    clipboard->setText(selectedText(), QClipboard::Selection);
  }
}

void ConsoleView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const std::size_t at = caretAt(event->position().toPoint());
  const auto* text = reinterpret_cast<const unsigned char*>(buffer_.text().data());
  std::size_t from = at;
  std::size_t to = at;
  while (from > 0 && IsWordByte(text[from - 1])) --from;
  while (to < buffer_.size() && IsWordByte(text[to])) ++to;
  anchor_ = from;
  caret_ = to;
  dragging_ = false;
  viewport()->update();
}

void ConsoleView::contextMenuEvent(QContextMenuEvent* event) {
  catchUp();
  // The menu runs its own event loop: replies arriving meanwhile clear the selection, so the
  // one the user saw when opening the menu is the one copied.
  const auto [from, to] = selection();
  const std::uint64_t generation = buffer_.generation();
  QMenu menu(this);
  QAction* copyAction =
      menu.addAction(QStringLiteral("&Copy\t") +
                     QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText));
  copyAction->setEnabled(from < to);
  menu.addSeparator();
  QAction* allAction = menu.addAction(QStringLiteral("Select &All"));
  allAction->setEnabled(buffer_.size() > 0);
  const QAction* chosen = menu.exec(event->globalPos());
  if (chosen == copyAction && buffer_.generation() == generation) copyRange(from, to);
  if (chosen == allAction) selectAll();
}

}  // namespace ui
