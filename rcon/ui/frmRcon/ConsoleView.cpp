#include "ui/frmRcon/ConsoleView.h"

#include <QPainter>
#include <QScrollBar>

#include "platform/base/TextCodec.h"
#include "ui/common/Look.h"

namespace ui {

ConsoleView::ConsoleView(const rcon::ConsoleBuffer& buffer, QWidget* parent)
    : QAbstractScrollArea(parent), buffer_(buffer) {
  ApplyBoxLook(this);
  ApplyBoxLook(viewport());
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFocusPolicy(Qt::StrongFocus);
}

int ConsoleView::lineHeight() const { return fontMetrics().lineSpacing(); }

void ConsoleView::updateScrollRange() {
  const int visible = std::max(1, viewport()->height() / lineHeight());
  const auto lines = static_cast<int>(std::min<std::size_t>(buffer_.lineCount(), INT_MAX));
  verticalScrollBar()->setPageStep(visible);
  verticalScrollBar()->setRange(0, std::max(0, lines - visible));
}

void ConsoleView::textAppended() {
  updateScrollRange();
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  viewport()->update();
}

void ConsoleView::textReset() { textAppended(); }

QString ConsoleView::selectedText() const { return {}; }

void ConsoleView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollRange();
}

void ConsoleView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), kBoxColour);
  painter.setPen(kTextColour);
  const int height = lineHeight();
  const int ascent = fontMetrics().ascent();
  std::size_t line = static_cast<std::size_t>(verticalScrollBar()->value());
  for (int y = 0; y < viewport()->height() && line < buffer_.lineCount(); y += height, ++line) {
    painter.drawText(2, y + ascent, platform::ToQString(buffer_.line(line)));
  }
}

}  // namespace ui
