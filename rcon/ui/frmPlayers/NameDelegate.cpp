// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmPlayers/NameDelegate.h"

#include <QApplication>
#include <QPainter>

#include "core/ColourCodes.h"
#include "platform/base/TextCodec.h"
#include "ui/common/Look.h"
#include "ui/frmPlayers/PlayersModel.h"

namespace ui {
namespace {

QColor colourOf(int index, const QColor& plain) {
  static const QColor colours[rcon::kColourCount] = {
      QColor(128, 128, 128), QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(255, 255, 0),
      QColor(0, 0, 255),     QColor(0, 255, 255), QColor(255, 0, 255), QColor(255, 255, 255)};
  return index >= 0 && index < rcon::kColourCount ? colours[index] : plain;
}

}  // namespace

void NameDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  cell.text.clear();
  const QWidget* view = option.widget;
  QStyle* style = view != nullptr ? view->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);

  const std::string name =
      platform::FromQString(index.data(PlayersModel::kColouredNameRole).toString());
  const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view);
  painter->save();
  painter->setFont(cell.font);
  painter->setClipRect(area);
  int x = area.left() + 2;
  const QFontMetrics metrics(cell.font);
  for (const rcon::ColourSpan& span : rcon::splitColours(name)) {
    const QString text = platform::ToQString(span.text);
    painter->setPen(colourOf(span.colour, kTextColour));
    painter->drawText(QRect(x, area.top(), area.right() - x, area.height()),
                      Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text);
    x += metrics.horizontalAdvance(text);
    if (x > area.right()) break;
  }
  painter->restore();
}

}  // namespace ui
