#include "ui/common/Look.h"

#include <QPainter>
#include <QPalette>

namespace ui {

QFont consoleFont(qreal pointSize) {
  QFont font;
  font.setFamilies({QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"),
                    QStringLiteral("monospace")});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(pointSize);
  return font;
}

void applyWindowLook(QWidget* window) {
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, kWindowColour);
  palette.setColor(QPalette::WindowText, kTextColour);
  window->setPalette(palette);
  window->setAutoFillBackground(true);
  window->setFont(consoleFont());
}

void applyBoxLook(QWidget* box) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, kBoxColour);
  palette.setColor(QPalette::Text, kTextColour);
  palette.setColor(QPalette::Window, kBoxColour);
  palette.setColor(QPalette::WindowText, kTextColour);
  box->setPalette(palette);
  box->setFont(consoleFont());
}

Shape::Shape(QWidget* parent, bool filled) : QWidget(parent), filled_(filled) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (filled_) painter.fillRect(rect(), kBoxColour);
  painter.setPen(kFrameColour);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace ui
