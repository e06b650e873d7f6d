#pragma once
// The console txtReceive: a read-only view that paints only the visible lines of the core's
// console buffer, so that appends stay cheap and the text is held once, as bytes.
#include <QAbstractScrollArea>

#include "core/ConsoleBuffer.h"

namespace ui {

class ConsoleView final : public QAbstractScrollArea {
  Q_OBJECT
 public:
  ConsoleView(const rcon::ConsoleBuffer& buffer, QWidget* parent = nullptr);

  // The buffer grew at its end: scroll to the last line (the caret is always at the end).
  void textAppended();
  // The buffer was replaced or cleared.
  void textReset();

  // The text as shown, for tests and copying.
  QString selectedText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void updateScrollRange();
  int lineHeight() const;

  const rcon::ConsoleBuffer& buffer_;
};

}  // namespace ui
