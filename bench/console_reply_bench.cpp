// SPDX-License-Identifier: GPL-3.0-or-later
// The reply path end to end: a fake game server on 127.0.0.1 sends print replies to the real
// main window (offscreen unless QT_QPA_PLATFORM says otherwise) and we time how soon the text
// is in the console, and then on screen.
#include "QtBenchMain.h"
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "fakes/FakeGameServer.h"
#include "fakes/TestWindow.h"
#include "platform/base/UdpSocket.h"
#include "ui/frmRcon/ConsoleView.h"

namespace {

// The window under test and the server that talks to it.
struct Rig {
  Rig() {
    t.sessionSocket = &socket;
    t.open();
    port = socket.localPort();
    // Wakes the event loop now and then, so that a lost datagram ends in a timeout, not a hang.
    watchdog.start(200);
  }
  const rcon::ConsoleBuffer& buffer() { return t.session->console().buffer; }
  ui::ConsoleView& view() { return *t.find<ui::ConsoleView>("txtReceive"); }

  template <typename Done>
  bool waitFor(Done done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
      if (clock.elapsed() > timeoutMs) return false;
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
  }

  platform::UdpSocket socket{nullptr, 0};
  fakes::TestWindow t;
  fakes::FakeGameServer server;
  quint16 port = 0;
  QTimer watchdog;
};

// Records when the console's viewport is painted.
class PaintProbe final : public QObject {
 public:
  explicit PaintProbe(QWidget* widget) { widget->installEventFilter(this); }
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[index];
}

// (a) One reply at a time: the fake server's send to the text in the console, and to the
// console painted with it.
void BM_ReplyToConsole(benchmark::State& state) {
  Rig rig;
  PaintProbe probe(rig.view().viewport());
  QElapsedTimer clock;
  clock.start();
  qint64 appendedAt = 0;
  // Runs right after the window's own arrival handler: the text is in the console.
  QObject::connect(&rig.socket, &platform::UdpSocket::datagramsWaiting, &rig.watchdog,
                   [&] { appendedAt = clock.nsecsElapsed(); });
  const int replies = static_cast<int>(state.range(0));
  std::vector<double> inConsole;
  std::vector<double> painted;
  bool ok = true;
  for (auto _ : state) {
    for (int i = 0; i < replies && ok; ++i) {
      const QByteArray datagram =
          fakes::FakeGameServer::printReply("latency probe " + QByteArray::number(i) + '\n');
      const std::size_t before = rig.buffer().size();
      probe.painted = false;
      const qint64 sentAt = clock.nsecsElapsed();
      rig.server.reply(datagram, rig.port);
      ok = rig.waitFor([&] { return rig.buffer().size() > before; }, 2000) &&
           rig.waitFor([&] { return probe.painted; }, 2000);
      const qint64 paintedAt = clock.nsecsElapsed();
      inConsole.push_back(static_cast<double>(appendedAt - sentAt) / 1000.0);
      painted.push_back(static_cast<double>(paintedAt - sentAt) / 1000.0);
      // Let whatever else is due run before the next reply.
      QCoreApplication::processEvents();
    }
  }
  if (!ok) {
    state.SkipWithError("a reply did not arrive");
    return;
  }
  state.counters["console_median_us"] = Percentile(inConsole, 0.5);
  state.counters["console_p99_us"] = Percentile(inConsole, 0.99);
  state.counters["painted_median_us"] = Percentile(painted, 0.5);
  state.counters["painted_p99_us"] = Percentile(painted, 0.99);
}
BENCHMARK(BM_ReplyToConsole)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

// 100 bytes of reply text, numbered so that order can be checked.
QByteArray BurstText(int i) {
  QByteArray text = "burst " + QByteArray::number(i).rightJustified(5, '0') + ' ';
  text.append(99 - text.size(), 'x');
  return text + '\n';
}

std::string ExpectedBurst(int count) {
  std::string expected;
  for (int i = 0; i < count; ++i) {
    const QByteArray text = BurstText(i);
    expected.append(text.constData(), static_cast<std::size_t>(text.size() - 1)).append("\r\n");
  }
  return expected;
}

void ReportBurst(benchmark::State& state, Rig& rig, const std::string& expected, qint64 ns,
                 bool complete) {
  const std::string& text = rig.buffer().text();
  state.counters["arrived_bytes"] = static_cast<double>(text.size());
  state.counters["all_in_order"] = complete && text == expected ? 1 : 0;
  state.counters["replies_per_s"] =
      complete ? static_cast<double>(state.range(0)) * 1e9 / static_cast<double>(ns) : 0;
  state.counters["rcvbuf_bytes"] = rig.socket.receiveBufferSize();
}

// (b) The fake server fires the whole burst before the window gets to read any of it: every
// reply has to wait in the socket's receive buffer.
void BM_BurstQueued(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string expected = ExpectedBurst(count);
  for (auto _ : state) {
    Rig rig;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i) {
      rig.server.reply(fakes::FakeGameServer::printReply(BurstText(i)), rig.port);
    }
    const qint64 sent = clock.nsecsElapsed();
    const bool complete =
        rig.waitFor([&] { return rig.buffer().size() >= expected.size(); }, 10000);
    const qint64 done = clock.nsecsElapsed();
    ReportBurst(state, rig, expected, done, complete);
    // The window's own share: from the last send to the last reply in the console.
    state.counters["absorbed_per_s"] =
        complete ? static_cast<double>(count) * 1e9 / static_cast<double>(done - sent) : 0;
  }
}
BENCHMARK(BM_BurstQueued)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

// (b) The same burst from a server that is not waiting on us (its own thread, as a real server
// is its own process): the window drains while the server sends.
void BM_BurstConcurrent(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string expected = ExpectedBurst(count);
  for (auto _ : state) {
    Rig rig;
    QElapsedTimer clock;
    clock.start();
    std::thread sender([&rig, count] {
      const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
      sockaddr_in to{};
      to.sin_family = AF_INET;
      to.sin_port = htons(rig.port);
      to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
      for (int i = 0; i < count; ++i) {
        const QByteArray datagram = fakes::FakeGameServer::printReply(BurstText(i));
        ::sendto(fd, datagram.constData(), static_cast<std::size_t>(datagram.size()), 0,
                 reinterpret_cast<const sockaddr*>(&to), sizeof to);
      }
      ::close(fd);
    });
    const bool complete =
        rig.waitFor([&] { return rig.buffer().size() >= expected.size(); }, 10000);
    const qint64 ns = clock.nsecsElapsed();
    sender.join();
    ReportBurst(state, rig, expected, ns, complete);
  }
}
BENCHMARK(BM_BurstConcurrent)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

RCON_QT_BENCHMARK_MAIN()
