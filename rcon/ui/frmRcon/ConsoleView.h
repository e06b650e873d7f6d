#pragma once
// The console: a read-only view that paints only the visible rows of the core's
// console buffer, so that the text is held once, as bytes, and an append costs the same however
// long the console has grown. Long lines wrap at the view's width; tabs advance to every eighth
// column; control bytes (a lone carriage return among them) are shown as nothing.
#include <QAbstractScrollArea>
#include <cstdint>

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

  // Selection, keys and mouse (ConsoleViewInput.cpp).
  std::size_t caretAt(const QPoint& point);
  void copyRange(std::size_t from, std::size_t to) const;

  const rcon::ConsoleBuffer& buffer_;
  rcon::ConsoleRows rows_;
  std::uint64_t generation_ = 0;
  ConsoleSelection selection_;
  bool dragging_ = false;
  qreal cellWidth_ = 1;
  int rowHeight_ = 1;
  int ascent_ = 0;
};

}  // namespace ui
