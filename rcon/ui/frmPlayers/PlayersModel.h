// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The players list as a table model, updated in place at each refresh: rows that stay keep
// their place, so the view, its sorting and its selection survive.
#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "core/StatusTable.h"

namespace ui {

class PlayersModel final : public QAbstractTableModel {
 public:
  enum Column { Slot, Name, Score, Ping, Address, PlainName, ColumnCount };
  static constexpr int kSortRole = Qt::UserRole + 1;
  static constexpr int kColouredNameRole = Qt::UserRole + 2;  // the name with its codes

  using QAbstractTableModel::QAbstractTableModel;

  void update(const std::vector<rcon::PlayerRow>& players);
  void clear() { update({}); }
  const rcon::PlayerRow& player(int row) const { return rows_.at(std::size_t(row)).player; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  struct Entry {
    std::string key;
    rcon::PlayerRow player;
    QString name, plain, address;
  };
  static Entry entry(std::string key, const rcon::PlayerRow& player);

  std::vector<Entry> rows_;
};

}  // namespace ui
