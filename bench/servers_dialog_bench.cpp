// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Saved Servers dialog with many saved servers: reading the servers file from disk,
// building the list, and the first paint. Goal: under 200 ms for 1,000 servers.
#include <QTemporaryDir>
#include <QTest>
#include <chrono>

#include "QtBenchMain.h"
#include "fakes/FakeServerStores.h"
#include "fakes/FakeServices.h"
#include "platform/base/ServersFile.h"
#include "ui/frmServers/frmServers.h"

namespace {

// A servers file of `count` servers with a few options each, groups, and a full recent list.
void writeServersFile(const QString& path, int count) {
  rcon::ServerList list;
  for (int i = 0; i < count; ++i) {
    rcon::SavedServer server{"server " + std::to_string(i) + " Zürich",
                             "host-" + std::to_string(i) + ".example.org",
                             static_cast<std::uint16_t>(20100 + i % 100),
                             {{"kick", "clientkick %1"}, {"tell", "tell %1 %2"}}};
    list.save(std::move(server));
    if (i % 10 == 9) {
      std::vector<std::string> members;
      for (int j = i - 9; j <= i; ++j) members.push_back(list.servers()[j].name);
      list.setGroup("group " + std::to_string(i / 10), std::move(members));
    }
  }
  for (int i = 0; i < 8 && i < count; ++i) list.noteUsed(list.servers()[i].name);
  list.options.lastServer = list.servers()[count / 2].name;
  platform::ServersFile(path).save(list);
}

using Clock = std::chrono::steady_clock;

void BM_OpenSavedServers(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("servers.ini");
  writeServersFile(path, static_cast<int>(state.range(0)));
  platform::ServersFile file(path);
  fakes::FakePasswordStore passwords;
  fakes::FakeMessageBox messageBox;
  double loadMs = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    ui::SavedServersDialog dialog({QStringLiteral("10.0.0.7"), QStringLiteral("20100"), QString()},
                          {&file, &passwords, &messageBox});
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) state.SkipWithError("not shown");
    QCoreApplication::processEvents();  // the first paint
    const auto shown = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
    const auto loadStart = Clock::now();
    benchmark::DoNotOptimize(file.load());
    loadMs += std::chrono::duration<double, std::milli>(Clock::now() - loadStart).count();
  }
  state.counters["file_load_ms"] = loadMs / static_cast<double>(state.iterations());
  if (!messageBox.shown.empty()) state.SkipWithError("the file had problems");
}
BENCHMARK(BM_OpenSavedServers)
    ->Arg(10)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace

RCON_QT_BENCHMARK_MAIN()
