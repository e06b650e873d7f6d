#include "cli/Exchange.h"

#include <QEventLoop>
#include <QTimer>

#include "cli/Output.h"
#include "core/Protocol.h"
#include "platform/base/UdpSocket.h"

namespace cli {

std::string SenderName(const rcon::CliTarget& target) {
  return target.host + ':' + std::to_string(target.port);
}

void PrintLate(platform::UdpSocket& socket, const rcon::CliTarget& target, Output& output) {
  const std::string server = SenderName(target);
  for (const platform::ReceivedDatagram& datagram : socket.drain()) {
    if (datagram.sender == server) output.text(rcon::ReplyText(datagram.bytes));
  }
}

ExchangeResult Exchange(platform::UdpSocket& socket, const rcon::CliTarget& target,
                        const std::string& request, const rcon::ExchangeLimits& limits,
                        bool statusRequest) {
  using Event = rcon::ReplyExchange::Event;
  rcon::ReplyExchange exchange(SenderName(target), limits, statusRequest);
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);

  const auto after = [&](std::optional<std::uint32_t> restartMs) {
    for (const std::string& note : exchange.takeNotes()) Note(note);
    if (exchange.state() == rcon::ReplyExchange::State::Done) {
      timer.stop();
      loop.quit();
    } else if (restartMs) {
      timer.start(static_cast<int>(*restartMs));
    }
  };
  QObject::connect(&socket, &platform::UdpSocket::datagramsWaiting, &loop, [&] {
    for (const platform::ReceivedDatagram& datagram : socket.drain()) {
      after(exchange.handle(Event::Datagram, datagram.bytes, datagram.sender));
    }
  });
  QObject::connect(&timer, &QTimer::timeout, &loop,
                   [&] { after(exchange.handle(Event::TimerDue)); });

  const rcon::SendResult sent = socket.send(target.host, target.port, rcon::makeDatagram(request));
  if (!sent.ok) {
    Note("could not send to " + SenderName(target) + ": " + sent.error);
    return {};
  }
  after(exchange.handle(Event::Sent));
  if (exchange.state() != rcon::ReplyExchange::State::Done) loop.exec();
  return {true, exchange.replied(), exchange.isStatus(), exchange.text()};
}

}  // namespace cli
