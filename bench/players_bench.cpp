// SPDX-License-Identifier: GPL-3.0-or-later
// The players window's costs: reading a 64-player "status" reply, and refreshing a 64-row list
// in place (every score and ping changed) under a sorted, filtered view.
#include <QSortFilterProxyModel>
#include <QTableView>
#include <string>

#include "QtBenchMain.h"
#include "core/StatusTable.h"
#include "ui/frmPlayers/PlayersModel.h"

namespace {

std::string statusText(int players, int round) {
  std::string text =
      "map: oa_dm1\n"
      "cl score ping name            address                                 rate\n"
      "-- ----- ---- --------------- --------------------------------------- -----\n";
  for (int i = 0; i < players; ++i) {
    const std::string name = "^" + std::to_string(i % 8) + "Player ^7" + std::to_string(i);
    text += (i < 10 ? " " : "") + std::to_string(i) + "  " + std::to_string(i * 3 + round) + "  " +
            std::to_string(40 + (i + round) % 60) + " " + name + "      " +
            (i % 5 == 0 ? "^7bot" : "10.0." + std::to_string(i) + ".7:27960") + "   25000\n";
  }
  return text;
}

void BM_ParseStatus64(benchmark::State& state) {
  const std::string text = statusText(64, 0);
  for (auto _ : state) benchmark::DoNotOptimize(rcon::parseStatusOutput(text));
  if (rcon::parseStatusOutput(text).players.size() != 64) state.SkipWithError("not 64 players");
  state.SetBytesProcessed(state.iterations() * std::int64_t(text.size()));
}
BENCHMARK(BM_ParseStatus64)->Unit(benchmark::kMicrosecond);

void BM_Refresh64InPlace(benchmark::State& state) {
  ui::PlayersModel model;
  QSortFilterProxyModel proxy;
  proxy.setSourceModel(&model);
  proxy.setSortRole(ui::PlayersModel::kSortRole);
  QTableView view;
  view.setModel(&proxy);
  view.setSortingEnabled(true);
  view.sortByColumn(ui::PlayersModel::Score, Qt::DescendingOrder);
  view.resize(600, 900);
  view.show();
  const std::vector<rcon::PlayerRow> rounds[2] = {
      rcon::parseStatusOutput(statusText(64, 0)).players,
      rcon::parseStatusOutput(statusText(64, 1)).players};
  model.update(rounds[0]);
  int rebuilt = 0;
  QObject::connect(&model, &QAbstractItemModel::modelReset, [&rebuilt] { ++rebuilt; });
  QObject::connect(&model, &QAbstractItemModel::rowsRemoved, [&rebuilt] { ++rebuilt; });
  QObject::connect(&model, &QAbstractItemModel::rowsInserted, [&rebuilt] { ++rebuilt; });
  int round = 0;
  for (auto _ : state) {
    model.update(rounds[++round % 2]);
    QCoreApplication::processEvents();  // the view's repaint of the changed rows
  }
  if (rebuilt != 0) state.SkipWithError("the list was rebuilt instead of updated in place");
}
BENCHMARK(BM_Refresh64InPlace)->Unit(benchmark::kMicrosecond);

}  // namespace

RCON_QT_BENCHMARK_MAIN();
