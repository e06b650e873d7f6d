// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console: a read-only view that paints only the visible rows of the core's
// console buffer, so that the text is held once, as bytes, and an append costs the same however
// long the console has grown. Long lines wrap at the view's width; tabs advance to every eighth
// column; control bytes (a lone carriage return among them) are shown as nothing. With colour
// codes on, escapes are hidden and what follows them painted in their colour; the bytes
// themselves never change.
#include <QAbstractScrollArea>
#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/ConsoleBuffer.h"
#include "core/ConsoleRows.h"
#include "ui/frmRcon/ConsoleSelection.h"

class QPainter;

namespace ui {

class ConsoleView final : public QAbstractScrollArea {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(ConsoleView)
 public:
  explicit ConsoleView(const rcon::ConsoleBuffer& buffer, QWidget* parent = nullptr);

  // The buffer grew at its end: the caret goes to the end, any selection goes, and the view
  // scrolls so that the last line shows.
  void textAppended();
  // The buffer was replaced or cleared: nothing selected, the view at the top.
  void textReset();

  // The selected text as it would be copied; empty when nothing is selected.
  QString selectedText() const;
  bool hasSelection() const {
    const auto [from, to] = selection_.range(buffer_.size());
    return from < to;
  }
  void selectAll();
  void copy() const;
  // Byte offsets in the buffer: the selection [from, to), and the caret at one of its ends.
  std::pair<std::size_t, std::size_t> selectionRange() const {
    return selection_.range(buffer_.size());
  }
  std::size_t caret() const { return std::min(selection_.caret(), buffer_.size()); }
  // Selects the bytes [from, to), the caret at `to`, and scrolls them into view.
  void select(std::size_t from, std::size_t to);
  // Scrolls the bytes [from, to) into view, their start first when they do not fit.
  void showRange(std::size_t from, std::size_t to);

  void setColourCodes(bool on);
  bool colourCodes() const { return rows_.colourCodes(); }

  // For assistive technology: the on-screen cell of the byte at an offset (in viewport
  // coordinates), and the offset nearest a viewport point.
  QRect cellRect(std::size_t offset);
  std::size_t offsetAt(const QPoint& point) { return caretAt(point); }
  const rcon::ConsoleBuffer& buffer() const { return buffer_; }

  // Whether any row of the given line is on screen.
  bool isLineVisible(std::size_t line) const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  static constexpr int kMargin = 2;  // pixels left of the first column

  // Painting and scrolling (ConsoleView.cpp).
  void catchUp();
  void measureFont();
  void updateColumns();
  void updateScrollRange();
  int visibleRows() const;
  std::uint64_t topRow() const;
  void paintRow(QPainter& painter, int screenRow, const rcon::RowCells& cells) const;
  void scrollToRow(std::uint64_t row);

  // Selection, keys and mouse (ConsoleViewInput.cpp).
  std::size_t caretAt(const QPoint& point);
  void copyRange(std::size_t from, std::size_t to) const;

  const rcon::ConsoleBuffer& buffer_;
  rcon::ConsoleRows rows_;
  std::uint64_t generation_ = 0;
  std::size_t announced_ = 0;  // bytes assistive technology has been told of
  ConsoleSelection selection_;
  bool dragging_ = false;
  qreal cellWidth_ = 1;
  int rowHeight_ = 1;
  int ascent_ = 0;
};

}  // namespace ui
