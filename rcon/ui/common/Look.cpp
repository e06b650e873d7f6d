// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/Look.h"

#include <QApplication>
#include <QMenuBar>
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

void applyMenuBarLook(QMenuBar* bar) {
  QPalette palette = bar->palette();
  for (const QPalette::ColorGroup group :
       {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const QColor text = group == QPalette::Disabled ? kDisabledTextColour : kTextColour;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
      palette.setColor(group, role, kWindowColour);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
      palette.setColor(group, role, text);
    palette.setColor(group, QPalette::Highlight, text);
    palette.setColor(group, QPalette::HighlightedText, kWindowColour);
    // Styles that etch disabled text draw a light copy under it; keep that copy in the bar's
    // colour.
    palette.setColor(group, QPalette::Light, kWindowColour);
  }
  bar->setPalette(palette);
  bar->setAutoFillBackground(true);
  QFont font = QApplication::font(bar);
  font.setResolveMask(QFont::AllPropertiesResolved);  // not the window's console font
  bar->setFont(font);
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
