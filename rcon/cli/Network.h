// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// vortane-rcon's sockets and the servers they talk to: one IPv4 socket, and an IPv6 socket once
// an IPv6 server is named. Senders are named as the core compares them ("[::1]:20100").
#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>
#include <memory>
#include <string>
#include <vector>

namespace cli {

struct Destination {
  std::string label;  // as named on the command line: "@ctf-east", "localhost:20100"
  QHostAddress address;
  quint16 port = 0;
  std::string sender;  // rcon::senderName of address and port
  std::string password;
};

struct Arrival {
  std::string bytes;
  std::string sender;
};

class Network final : public QObject {
  Q_OBJECT
 public:
  Network();

  // One datagram; an error message when it could not go out.
  std::string send(const Destination& to, std::string_view datagram);
  // Every datagram waiting, in arrival order per socket.
  std::vector<Arrival> drain();

 signals:
  void datagramsWaiting();

 private:
  QUdpSocket& socketFor(const QHostAddress& address);

  QUdpSocket ipv4_;
  std::unique_ptr<QUdpSocket> ipv6_;
};

}  // namespace cli
