// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What assistive technology reads of the console: the view paints its own text, so a screen
// reader learns it through this interface. Offsets are the buffer's byte offsets: each byte of
// the code page is one character, so the two agree.
#include <QAccessibleWidget>

namespace ui {

class ConsoleView;

class ConsoleAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ConsoleAccessible(ConsoleView* view);

  // Registers the factory that gives every console view this interface; once per run.
  static void install();

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;

  // QAccessibleTextInterface
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(QAccessible::Text t) const override;
  QString text(int startOffset, int endOffset) const override;
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                       int* endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  ConsoleView* view() const;
};

// Tell assistive technology what changed, when any is listening.
void announceConsoleAppend(ConsoleView* view, std::size_t from, std::size_t to);
void announceConsoleSelection(ConsoleView* view);

}  // namespace ui
