// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmPlayers/PlayersModel.h"

#include <map>

#include "core/ColourCodes.h"
#include "platform/base/TextCodec.h"

namespace ui {
namespace {

// Who a row is from one refresh to the next: a slot and its address (a new player in the same
// slot is someone else); without a slot, the name.
std::string keyOf(const rcon::PlayerRow& p) {
  if (p.slot) return 's' + std::to_string(*p.slot) + '|' + p.address.value_or("");
  return 'n' + p.name;
}

}  // namespace

PlayersModel::Entry PlayersModel::entry(std::string key, const rcon::PlayerRow& player) {
  return {std::move(key), player, platform::ToQString(player.name),
          platform::ToQString(rcon::plainText(player.name)),
          player.address ? platform::ToQString(rcon::plainText(*player.address)) : QString()};
}

void PlayersModel::update(const std::vector<rcon::PlayerRow>& players) {
  std::map<std::string, const rcon::PlayerRow*> incoming;
  std::vector<std::string> order;
  for (const rcon::PlayerRow& p : players) {
    std::string key = keyOf(p);
    for (int n = 2; incoming.count(key) != 0; ++n) key = keyOf(p) + '#' + std::to_string(n);
    incoming.emplace(key, &p);
    order.push_back(std::move(key));
  }
  for (int row = rowCount() - 1; row >= 0; --row) {
    if (incoming.count(rows_[std::size_t(row)].key) != 0) continue;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
  }
  std::map<std::string, std::size_t> present;
  for (std::size_t i = 0; i < rows_.size(); ++i) present.emplace(rows_[i].key, i);
  for (const std::string& key : order) {
    const rcon::PlayerRow& p = *incoming.at(key);
    const auto found = present.find(key);
    if (found == present.end()) {
      const int row = rowCount();
      beginInsertRows({}, row, row);
      rows_.push_back(entry(key, p));
      endInsertRows();
      continue;
    }
    Entry& e = rows_[found->second];
    if (e.player.score == p.score && e.player.ping == p.ping && e.player.name == p.name) continue;
    e = entry(key, p);
    const int row = int(found->second);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
  }
}

int PlayersModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(rows_.size());
}

int PlayersModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlayersModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const Entry& e = rows_[std::size_t(index.row())];
  const rcon::PlayerRow& p = e.player;
  if (role == kColouredNameRole) return e.name;
  if (role == Qt::TextAlignmentRole) {
    const bool number = index.column() == Slot || index.column() == Score || index.column() == Ping;
    return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
  }
  if (role != Qt::DisplayRole && role != kSortRole) return {};
  const bool sort = role == kSortRole;
  switch (index.column()) {
    case Slot:
      if (sort) return p.slot.value_or(-1);
      return p.slot ? QString::number(*p.slot) : QString();
    case Name:
    case PlainName:
      return sort ? e.plain.toCaseFolded() : e.plain;
    case Score:
      return qlonglong(p.score);
    case Ping:
      return sort ? QVariant(qlonglong(p.pingValue())) : QVariant(platform::ToQString(p.ping));
    case Address:
      return e.address;
    default:
      return {};
  }
}

QVariant PlayersModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const titles[] = {"Slot", "Name", "Score", "Ping", "Address", "Plain name"};
  return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}

}  // namespace ui
