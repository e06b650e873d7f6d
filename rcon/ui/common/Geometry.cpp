// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/Geometry.h"

#include <QLabel>
#include <algorithm>

namespace ui {

void place(QWidget* widget, const rcon::Rect& r) { widget->setGeometry(toQRect(r)); }

void placeLabel(QLabel* label, const rcon::Rect& r) {
  const int needed =
      label->wordWrap() ? label->heightForWidth(r.width) : label->fontMetrics().height();
  place(label, {r.left, r.top, r.width, std::max(r.height, needed)});
}

}  // namespace ui
