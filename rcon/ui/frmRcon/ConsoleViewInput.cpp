// SPDX-License-Identifier: GPL-3.0-or-later
// The console's selection, copying, keys, mouse and context menu.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/base/TextCodec.h"
#include "ui/frmRcon/ConsoleView.h"
#include "ui/frmRcon/ConsoleViewAccessible.h"

namespace ui {

QString ConsoleView::selectedText() const {
  const auto [from, to] = selection_.range(buffer_.size());
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
  const auto [from, to] = selection_.range(buffer_.size());
  copyRange(from, to);
}

void ConsoleView::selectAll() {
  catchUp();
  selection_.select(0, buffer_.size());
  viewport()->update();
  announceConsoleSelection(this);
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

void ConsoleView::keyPressEvent(QKeyEvent* event) {
  static constexpr std::pair<QKeySequence::StandardKey, QAbstractSlider::SliderAction> kScrolls[] =
      {
          {QKeySequence::MoveToPreviousPage, QAbstractSlider::SliderPageStepSub},
          {QKeySequence::MoveToNextPage, QAbstractSlider::SliderPageStepAdd},
          {QKeySequence::MoveToPreviousLine, QAbstractSlider::SliderSingleStepSub},
          {QKeySequence::MoveToNextLine, QAbstractSlider::SliderSingleStepAdd},
          {QKeySequence::MoveToStartOfDocument, QAbstractSlider::SliderToMinimum},
          {QKeySequence::MoveToEndOfDocument, QAbstractSlider::SliderToMaximum},
      };
  if (event->matches(QKeySequence::Copy)) {
    copy();
    return;
  }
  for (const auto& [keys, action] : kScrolls) {
    if (event->matches(keys)) {
      verticalScrollBar()->triggerAction(action);
      return;
    }
  }
  // Locked against typing: every other key goes on to the window.
  event->ignore();
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
  selection_.moveCaret(at, (event->modifiers() & Qt::ShiftModifier) != 0);
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
  selection_.moveCaret(caretAt(point), true);
  viewport()->update();
}

void ConsoleView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = false;
  announceConsoleSelection(this);
  QClipboard* clipboard = QApplication::clipboard();
  if (hasSelection() && clipboard->supportsSelection()) {
    clipboard->setText(selectedText(), QClipboard::Selection);
  }
}

void ConsoleView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  selection_.selectWord(buffer_.text(), caretAt(event->position().toPoint()));
  dragging_ = false;
  viewport()->update();
}

void ConsoleView::contextMenuEvent(QContextMenuEvent* event) {
  catchUp();
  // The menu runs its own event loop: replies arriving meanwhile clear the selection, so the
  // one the user saw when opening the menu is the one copied.
  const auto [from, to] = selection_.range(buffer_.size());
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
