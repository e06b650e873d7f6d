// SPDX-License-Identifier: GPL-3.0-or-later
// Wall time of vortane-rcon against the fake game server, from start to exit, as a ratio to the
// quiet period that ends a command's reply. The status reply is one datagram and needs no quiet
// wait; a command's reply does. Goal: --status under 1.2 times --quiet.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <QEventLoop>
#include <QTimer>
#include <memory>
#include <vector>

#include "cli/AnsweringServer.h"
#include "fakes/FakeGameServer.h"

namespace {

constexpr int kQuietMs = 250;

QString Program() { return QCoreApplication::applicationDirPath() + "/../vortane-rcon"; }

void Run(benchmark::State& state, const QStringList& options, const QStringList& command,
         const QByteArray& reply) {
  fakes::FakeGameServer server;
  double totalSeconds = 0;
  for (auto _ : state) {
    server.clear();
    QProcess cli;
    QElapsedTimer clock;
    clock.start();
    cli.start(Program(), options +
                             QStringList{QStringLiteral("-p"), QStringLiteral("pw"),
                                         QStringLiteral("--quiet"), QString::number(kQuietMs),
                                         QStringLiteral("127.0.0.1:%1").arg(server.port())} +
                             command);
    if (!server.waitForDatagrams(1, 5000)) {
      state.SkipWithError("no request arrived");
      break;
    }
    server.reply(reply);
    if (!cli.waitForFinished(10000) || cli.exitCode() != 0) {
      state.SkipWithError("vortane-rcon failed");
      break;
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    totalSeconds += seconds;
    state.SetIterationTime(seconds);
  }
  if (state.iterations() > 0) {
    state.counters["ratio_to_quiet"] =
        totalSeconds * 1000.0 / static_cast<double>(state.iterations()) / kQuietMs;
  }
}

void BM_CliStatus(benchmark::State& state) {
  Run(state, {QStringLiteral("--status")}, {},
      QByteArray("\xFF\xFF\xFF\xFFstatusResponse\n\\hostname\\Friday Night\\mode\\ctf\n"
                 "5 50 1 \"Alpha\"\n0 999 3 \"Bravo Two\"\n"));
}
BENCHMARK(BM_CliStatus)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_CliCommand(benchmark::State& state) {
  Run(state, {}, {QStringLiteral("status")}, fakes::FakeGameServer::printReply("map: ctf1\n"));
}
BENCHMARK(BM_CliCommand)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Process start and exit alone, for comparison.
void BM_CliVersion(benchmark::State& state) {
  for (auto _ : state) {
    QProcess cli;
    QElapsedTimer clock;
    clock.start();
    cli.start(Program(), {QStringLiteral("--version")});
    if (!cli.waitForFinished(10000)) {
      state.SkipWithError("vortane-rcon failed");
      break;
    }
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
  }
}
BENCHMARK(BM_CliVersion)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// vortane-rcon run to completion while this process serves the answering fakes.
QByteArray Serve(const QStringList& arguments, double& seconds) {
  QProcess cli;
  QEventLoop loop;
  QObject::connect(&cli, &QProcess::finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  QElapsedTimer clock;
  clock.start();
  cli.start(Program(), arguments);
  loop.exec();
  seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  if (cli.state() != QProcess::NotRunning) {
    cli.kill();
    cli.waitForFinished();
    return {};
  }
  return cli.exitCode() == 0 ? cli.readAllStandardOutput() : QByteArray();
}

// --status to a fleet of state.range(0) fake servers on 127.0.0.1, all at once. Goal: 200
// servers in under 1.5 times the time of one.
void BM_FleetStatus(benchmark::State& state) {
  std::vector<std::unique_ptr<clitest::AnsweringServer>> servers;
  QStringList arguments{QStringLiteral("--status"), QStringLiteral("--json")};
  for (int i = 0; i < state.range(0); ++i) {
    servers.push_back(std::make_unique<clitest::AnsweringServer>());
    arguments << servers.back()->target();
  }
  for (auto _ : state) {
    double seconds = 0;
    const QByteArray out = Serve(arguments, seconds);
    if (out.count('\n') != state.range(0)) {
      state.SkipWithError("not every server answered");
      break;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_FleetStatus)
    ->Arg(1)
    ->Arg(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// One command with a reply split over two datagrams: the end marker against the quiet rule,
// in one run. Goal: under 0.15 of the quiet rule's time, with the same output.
void BM_EndMarkerAgainstQuietRule(benchmark::State& state) {
  clitest::AnsweringServer server;
  server.replies["status"] = {clitest::AnsweringServer::print("map: ctf1\nplay"),
                              clitest::AnsweringServer::print("ers: 2\n")};
  const QStringList command{QStringLiteral("-p"), QStringLiteral("pw"), server.target(),
                            QStringLiteral("status")};
  double markerTotal = 0;
  double quietTotal = 0;
  for (auto _ : state) {
    double marker = 0;
    double quiet = 0;
    const QByteArray fast = Serve(QStringList{QStringLiteral("--end-marker")} + command, marker);
    const QByteArray slow = Serve(command, quiet);
    if (fast.isEmpty() || fast != slow) {
      state.SkipWithError("the outputs differ");
      break;
    }
    markerTotal += marker;
    quietTotal += quiet;
    state.SetIterationTime(marker);
  }
  if (quietTotal > 0) {
    state.counters["quiet_rule_ms"] = quietTotal * 1000 / static_cast<double>(state.iterations());
    state.counters["ratio_to_quiet_rule"] = markerTotal / quietTotal;
  }
}
BENCHMARK(BM_EndMarkerAgainstQuietRule)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
