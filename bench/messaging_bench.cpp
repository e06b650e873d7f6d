// SPDX-License-Identifier: GPL-3.0-or-later
// Messaging timing: the real window sends 30 messages at a 1-second interval through the real
// precise timer and UDP socket to a receiver on 127.0.0.1. Each arrival is compared with its
// due time, Start + k seconds: the worst deviation should stay under 20 ms, with no drift.
// Takes about 30 seconds; run by hand.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include "fakes/TestWindow.h"
#include "platform/base/TickTimer.h"
#include "platform/base/UdpSocket.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kMessages = 30;

// Stamps each datagram as it arrives, on a thread of its own so the UI thread's work cannot
// delay the stamp.
class Receiver {
 public:
  Receiver() {
    fd_ = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    timeval wait{0, 50000};
    setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    thread_ = std::thread([this] { run(); });
  }
  ~Receiver() {
    stop_ = true;
    thread_.join();
    close(fd_);
  }
  quint16 port() const { return port_; }
  int count() const { return count_; }
  std::vector<Clock::time_point> arrivals() {
    std::lock_guard lock(mutex_);
    return arrivals_;
  }

 private:
  void run() {
    char buffer[2048];
    while (!stop_) {
      if (recv(fd_, buffer, sizeof buffer, 0) <= 0) continue;
      const Clock::time_point now = Clock::now();
      std::lock_guard lock(mutex_);
      arrivals_.push_back(now);
      count_ = static_cast<int>(arrivals_.size());
    }
  }

  int fd_ = -1;
  quint16 port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<int> count_{0};
  std::mutex mutex_;
  std::vector<Clock::time_point> arrivals_;
  std::thread thread_;
};

void BM_MessagingThirtyAtOneSecond(benchmark::State& state) {
  for (auto _ : state) {
    Receiver receiver;
    platform::TickTimer timer;
    platform::UdpSocket socket(nullptr, 0);
    fakes::TestWindow t;
    t.sessionTimer = &timer;
    t.sessionSocket = &socket;
    t.open();
    t.setServer(QStringLiteral("127.0.0.1"), receiver.port(), QStringLiteral("pw"));
    t.messaging().text = "first\r\nsecond\r\nthird\r\n";
    t.messaging().seconds = 1;

    const Clock::time_point start = Clock::now();
    t.action("mnuMsgStart")->trigger();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      if (receiver.count() >= kMessages || Clock::now() - start > std::chrono::seconds(45))
        loop.quit();
    });
    poll.start(20);
    loop.exec();
    t.action("mnuMsgStop")->trigger();

    const std::vector<Clock::time_point> arrivals = receiver.arrivals();
    if (arrivals.size() < kMessages) {
      state.SkipWithError("not every message arrived");
      return;
    }
    // Deviation of arrival k from Start + k seconds, and its trend over the run.
    std::vector<double> deviationMs;
    for (int k = 1; k <= kMessages; ++k) {
      const auto due = start + std::chrono::seconds(k);
      deviationMs.push_back(
          std::chrono::duration<double, std::milli>(arrivals[static_cast<std::size_t>(k - 1)] - due)
              .count());
    }
    double worst = 0, sum = 0, sumK = 0, sumKK = 0, sumKD = 0;
    for (int k = 0; k < kMessages; ++k) {
      const double d = deviationMs[static_cast<std::size_t>(k)];
      worst = std::max(worst, std::abs(d));
      sum += d;
      sumK += k;
      sumKK += double(k) * k;
      sumKD += k * d;
    }
    const double n = kMessages;
    const double slope = (n * sumKD - sumK * sum) / (n * sumKK - sumK * sumK);  // ms per message
    state.counters["worst_ms"] = worst;
    state.counters["mean_ms"] = sum / n;
    state.counters["first_ms"] = deviationMs.front();
    state.counters["last_ms"] = deviationMs.back();
    state.counters["drift_ms_per_30"] = slope * (n - 1);
    std::fprintf(stderr, "deviation per message (ms):");
    for (double d : deviationMs) std::fprintf(stderr, " %.2f", d);
    std::fprintf(stderr, "\nworst %.2f ms (goal < 20), drift over the run %.3f ms: %s\n", worst,
                 slope * (n - 1), std::abs(slope * (n - 1)) < 2.0 ? "no drift" : "DRIFTS");
  }
}
BENCHMARK(BM_MessagingThirtyAtOneSecond)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
