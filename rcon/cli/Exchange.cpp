// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Exchange.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTimer>

#include "cli/Output.h"
#include "core/CliFleet.h"
#include "core/Protocol.h"

namespace cli {
namespace {

void noteMissingMarker() {
  static bool noted = false;
  if (noted) return;
  noted = true;
  note("the server did not answer the end marker (no 'echo'?); replies end after --quiet");
}

}  // namespace

void exchangeAll(Network& network, const std::vector<Ask>& asks, const rcon::ExchangeLimits& limits,
                 const std::function<void(std::size_t, const rcon::ReplyExchange&)>& ended) {
  rcon::FleetExchange fleet;
  for (const Ask& ask : asks) {
    fleet.add(rcon::ReplyExchange(ask.to->sender, limits, ask.status, ask.endMarker));
  }
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  std::size_t shown = 0;

  const auto after = [&] {
    for (const std::string& text : fleet.takeNotes()) note(text);
    for (; shown < fleet.size() && fleet.at(shown).done(); ++shown) {
      if (fleet.at(shown).markerMissed()) noteMissingMarker();
      ended(shown, fleet.at(shown));
    }
    if (fleet.done()) {
      loop.quit();
      return;
    }
    if (const std::optional<std::int64_t> due = fleet.dueAtMs()) {
      timer.start(static_cast<int>(std::max<std::int64_t>(0, *due - clock.elapsed())));
    }
  };
  QObject::connect(&network, &Network::datagramsWaiting, &loop, [&] {
    for (const Arrival& arrival : network.drain()) {
      fleet.datagram(arrival.bytes, arrival.sender, clock.elapsed());
    }
    after();
  });
  QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
    fleet.timerDue(clock.elapsed());
    after();
  });

  for (std::size_t i = 0; i < asks.size(); ++i) {
    const Ask& ask = asks[i];
    std::string error = network.send(*ask.to, rcon::makeDatagram(ask.request));
    if (error.empty() && !ask.endMarker.empty()) {
      error = network.send(*ask.to, rcon::makeDatagram(rcon::rconRequest(ask.to->password,
                                                                         "echo " + ask.endMarker)));
    }
    if (error.empty()) {
      fleet.sent(i, clock.elapsed());
    } else {
      note("could not send to " + ask.to->label + ": " + error);
      fleet.at(i).abandon(clock.elapsed());
    }
  }
  after();
  if (!fleet.done()) loop.exec();
}

std::string takeLate(Network& network, const Destination& server) {
  std::string late;
  for (const Arrival& arrival : network.drain()) {
    if (arrival.sender == server.sender) late += rcon::replyText(arrival.bytes);
  }
  return late;
}

std::string newEndMarker() {
  return "vortane-rcon-end-" +
         QString::number(QRandomGenerator::system()->generate64(), 16).toStdString();
}

}  // namespace cli
