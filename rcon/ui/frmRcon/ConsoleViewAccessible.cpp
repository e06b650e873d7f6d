// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/ConsoleViewAccessible.h"

#include <QAccessibleEvent>
#include <algorithm>
#include <climits>

#include "platform/base/TextCodec.h"
#include "ui/frmRcon/ConsoleView.h"

namespace ui {
namespace {

QAccessibleInterface* makeInterface(const QString& key, QObject* object) {
  auto* view = qobject_cast<ConsoleView*>(object);
  if (view == nullptr || key != QLatin1String(ConsoleView::staticMetaObject.className())) {
    return nullptr;
  }
  return new ConsoleAccessible(view);
}

int toInt(std::size_t value) { return static_cast<int>(std::min<std::size_t>(value, INT_MAX)); }

// An offset from assistive technology, kept within the text.
std::size_t toOffset(int value, std::size_t size) {
  return std::min(static_cast<std::size_t>(std::max(0, value)), size);
}

}  // namespace

ConsoleAccessible::ConsoleAccessible(ConsoleView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

void ConsoleAccessible::install() {
  static const bool installed = [] {
    QAccessible::installFactory(&makeInterface);
    return true;
  }();
  (void)installed;
}

ConsoleView* ConsoleAccessible::view() const { return static_cast<ConsoleView*>(widget()); }

void* ConsoleAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ConsoleAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.readOnly = true;
  s.multiLine = true;
  s.selectableText = true;
  return s;
}

QString ConsoleAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name && view()->accessibleName().isEmpty()) {
    return QStringLiteral("Console");
  }
  // The value would be the whole console: readers ask for it through the text interface.
  if (t == QAccessible::Value) return {};
  return QAccessibleWidget::text(t);
}

void ConsoleAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  const auto [from, to] = view()->selectionRange();
  const bool any = selectionIndex == 0 && from < to;
  *startOffset = any ? toInt(from) : 0;
  *endOffset = any ? toInt(to) : 0;
}

int ConsoleAccessible::selectionCount() const {
  const auto [from, to] = view()->selectionRange();
  return from < to ? 1 : 0;
}

void ConsoleAccessible::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void ConsoleAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) view()->select(view()->caret(), view()->caret());
}

void ConsoleAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex != 0) return;
  const std::size_t size = view()->buffer().size();
  view()->select(toOffset(startOffset, size), toOffset(endOffset, size));
}

int ConsoleAccessible::cursorPosition() const { return toInt(view()->caret()); }

void ConsoleAccessible::setCursorPosition(int position) {
  const std::size_t at = toOffset(position, view()->buffer().size());
  view()->select(at, at);
}

QString ConsoleAccessible::text(int startOffset, int endOffset) const {
  const std::string& bytes = view()->buffer().text();
  const std::size_t from = toOffset(startOffset, bytes.size());
  const std::size_t to = std::max(from, toOffset(endOffset, bytes.size()));
  return platform::ToQString(std::string_view(bytes).substr(from, to - from));
}

QString ConsoleAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
  const rcon::ConsoleBuffer& buffer = view()->buffer();
  if (boundaryType != QAccessible::LineBoundary || buffer.lineCount() == 0) {
    return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
  }
  // Lines straight from the buffer's index: the generic way would decode the whole console.
  const std::size_t at = toOffset(offset, buffer.size());
  std::size_t lo = 0;
  std::size_t hi = buffer.lineCount();
  while (hi - lo > 1) {
    const std::size_t mid = lo + (hi - lo) / 2;
    (buffer.lineStart(mid) <= at ? lo : hi) = mid;
  }
  const std::size_t from = buffer.lineStart(lo);
  const std::size_t to = lo + 1 < buffer.lineCount() ? buffer.lineStart(lo + 1) : buffer.size();
  *startOffset = toInt(from);
  *endOffset = toInt(to);
  return text(*startOffset, *endOffset);
}

int ConsoleAccessible::characterCount() const { return toInt(view()->buffer().size()); }

QRect ConsoleAccessible::characterRect(int offset) const {
  ConsoleView* v = view();
  const QRect cell = v->cellRect(toOffset(offset, v->buffer().size()));
  return QRect(v->viewport()->mapToGlobal(cell.topLeft()), cell.size());
}

int ConsoleAccessible::offsetAtPoint(const QPoint& point) const {
  ConsoleView* v = view();
  return toInt(v->offsetAt(v->viewport()->mapFromGlobal(point)));
}

void ConsoleAccessible::scrollToSubstring(int startIndex, int endIndex) {
  const std::size_t size = view()->buffer().size();
  view()->showRange(toOffset(startIndex, size), toOffset(endIndex, size));
}

QString ConsoleAccessible::attributes(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = characterCount();
  return {};
}

void announceConsoleAppend(ConsoleView* view, std::size_t from, std::size_t to) {
  if (!QAccessible::isActive() || from >= to) return;
  const std::string& bytes = view->buffer().text();
  QAccessibleTextInsertEvent inserted(
      view, toInt(from), platform::ToQString(std::string_view(bytes).substr(from, to - from)));
  QAccessible::updateAccessibility(&inserted);
  announceConsoleSelection(view);
}

void announceConsoleSelection(ConsoleView* view) {
  if (!QAccessible::isActive()) return;
  const auto [from, to] = view->selectionRange();
  QAccessibleTextSelectionEvent selected(view, toInt(from), toInt(to));
  selected.setCursorPosition(toInt(view->caret()));
  QAccessible::updateAccessibility(&selected);
}

}  // namespace ui
