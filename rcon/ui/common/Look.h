// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's common look: dark red windows, black boxes with orange text, brown frames,
// and a fixed-pitch console font.
#include <QColor>
#include <QFont>
#include <QWidget>

class QMenuBar;

namespace ui {

inline const QColor kWindowColour(64, 0, 0);
inline const QColor kBoxColour(0, 0, 0);
inline const QColor kTextColour(255, 128, 0);
inline const QColor kFrameColour(128, 64, 0);
// Muted orange for what cannot be chosen now, still 5.7 : 1 against the window colour.
inline const QColor kDisabledTextColour(192, 136, 96);

// "Lucida Console" 8.25 pt where installed, else the system's fixed-pitch font: the status
// tables only line up in a fixed-pitch font.
QFont consoleFont(qreal pointSize = 8.25);

// Window background and label colours for a window of the program.
void applyWindowLook(QWidget* window);

// Black background, orange text and the console font for a text box.
void applyBoxLook(QWidget* box);

// Orange on dark red in the active, inactive and disabled states, the chosen item inverted.
// Styles paint the bar in the window's colour whatever the desktop's menu colours are, so the
// text colours must be set along with it; the bar keeps the desktop's menu font.
void applyMenuBarLook(QMenuBar* bar);

// A brown rectangle drawn one pixel outside the box it frames; optionally filled black.
class Shape final : public QWidget {
 public:
  explicit Shape(QWidget* parent, bool filled = false);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool filled_;
};

}  // namespace ui
