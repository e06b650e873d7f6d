// SPDX-License-Identifier: GPL-3.0-or-later
// A flood of replies from the server: the window's memory stays bounded by the console's limit,
// and it keeps answering the keyboard. A thread sends from 127.0.0.1 as fast as the pace allows.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "QtBenchMain.h"
#include "ResidentMemory.h"
#include "fakes/TestWindow.h"
#include "platform/base/UdpSocket.h"

namespace {

// Sends count print replies of size bytes to port, at most perSecond a second (0: no pace).
void flood(std::uint16_t port, std::size_t count, std::size_t size, std::size_t perSecond,
           std::atomic<bool>& done) {
  const int fd = socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(port);
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const std::string datagram = "\xFF\xFF\xFF\xFFprint\n" + std::string(size - 11, 'x') + "\n";
  const auto start = std::chrono::steady_clock::now();
  for (std::size_t i = 0; i < count; ++i) {
    sendto(fd, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    if (perSecond != 0 && i % 100 == 99) {
      std::this_thread::sleep_until(start +
                                    std::chrono::microseconds(1000000 * (i + 1) / perSecond));
    }
  }
  close(fd);
  done = true;
}

struct Rig {
  Rig() {
    t.sessionSocket = &socket;
    t.open();
    t.contactServer();  // replies from 127.0.0.1 are taken
    QCoreApplication::processEvents();
  }
  // Runs the event loop until the sender is done, then lets the socket's buffer drain.
  void runUntil(const std::atomic<bool>& done) {
    while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    for (int i = 0; i < 100; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  platform::UdpSocket socket{nullptr, 0};
  fakes::TestWindow t;
};

// 1 GB of 1,000-byte replies: the peak resident memory against the goal.
void BM_FloodMemory(benchmark::State& state) {
  for (auto _ : state) {
    Rig rig;
    const double empty = residentMiB("VmRSS:");
    std::atomic<bool> done{false};
    const auto count = static_cast<std::size_t>(state.range(0)) * 1000;
    std::thread sender(flood, rig.socket.localPort(), count, 1000, 0, std::ref(done));
    rig.runUntil(done);
    sender.join();
    state.counters["empty_MiB"] = empty;
    state.counters["peak_MiB"] = residentMiB("VmHWM:");
    state.counters["goal_MiB"] = 64 * 1.3 + empty;
    state.counters["console_MiB"] =
        static_cast<double>(rig.t.session->console().buffer.size()) / (1024.0 * 1024.0);
  }
}
BENCHMARK(BM_FloodMemory)->Arg(1000)->Iterations(1)->Unit(benchmark::kSecond);

// Notes when each posted key reaches the command line.
class KeyProbe final : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) delays.push_back(clock.nsecsElapsed() - posted);
    return false;
  }
  QElapsedTimer clock;
  qint64 posted = 0;
  std::vector<qint64> delays;
};

// Keys typed every 100 ms while 100,000 datagrams a second arrive: how long each waits.
void BM_KeystrokeDuringFlood(benchmark::State& state) {
  for (auto _ : state) {
    Rig rig;
    auto* line = rig.t.line(QStringLiteral("txtSend"));
    KeyProbe probe;
    line->installEventFilter(&probe);
    probe.clock.start();
    std::atomic<bool> done{false};
    const auto perSecond = static_cast<std::size_t>(state.range(0));
    std::thread sender(flood, rig.socket.localPort(), perSecond * 5, 100, perSecond,
                       std::ref(done));
    qint64 nextKey = 100'000'000;
    while (!done) {
      if (probe.clock.nsecsElapsed() >= nextKey) {
        probe.posted = probe.clock.nsecsElapsed();
        QCoreApplication::postEvent(line, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, {}, "a"));
        nextKey += 100'000'000;
      }
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    sender.join();
    std::vector<qint64> delays = probe.delays;
    std::sort(delays.begin(), delays.end());
    state.counters["keys"] = static_cast<double>(delays.size());
    state.counters["median_ms"] = delays.empty() ? 0 : delays[delays.size() / 2] / 1e6;
    state.counters["worst_ms"] = delays.empty() ? 0 : delays.back() / 1e6;
    state.counters["console_MiB"] =
        static_cast<double>(rig.t.session->console().buffer.size()) / (1024.0 * 1024.0);
  }
}
BENCHMARK(BM_KeystrokeDuringFlood)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

RCON_QT_BENCHMARK_MAIN()
