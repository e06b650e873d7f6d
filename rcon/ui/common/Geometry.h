// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One geometry scheme for every window: positions come as rcon::Rect in pixels, either from the
// main window's layout or from a dialog's design position in twips.
#include <QRect>

#include "core/WindowLayout.h"

class QLabel;
class QWidget;

namespace ui {

inline QRect toQRect(const rcon::Rect& r) { return {r.left, r.top, r.width, r.height}; }

// A design position in twips, in pixels.
inline QRect twips(int left, int top, int width, int height) {
  return toQRect(rcon::rectFromTwips(left, top, width, height));
}

void place(QWidget* widget, const rcon::Rect& r);
// Labels are never clipped below their font's height (the design gives some less than a line).
void placeLabel(QLabel* label, const rcon::Rect& r);

}  // namespace ui
