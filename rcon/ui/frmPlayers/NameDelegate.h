// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws a player's name in its colours. Black is drawn in a grey that reads on the black list.
#include <QStyledItemDelegate>

namespace ui {

class NameDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace ui
