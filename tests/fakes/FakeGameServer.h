// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small game server for tests: a UDP socket on 127.0.0.1 that records what it receives and
// answers when told to. Every wait has a timeout.
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QUdpSocket>

namespace fakes {

class FakeGameServer final {
 public:
  FakeGameServer();

  quint16 port() const { return socket_.localPort(); }

  // Waits until at least count datagrams arrived in all, or timeoutMs passed.
  bool waitForDatagrams(int count, int timeoutMs = 5000);
  // Datagrams received so far, oldest first.
  const QList<QByteArray>& received() const { return received_; }
  // Where the last datagram came from (the program's socket).
  quint16 lastSenderPort() const { return lastSenderPort_; }
  void clear() { received_.clear(); }

  // Sends a datagram to the program's socket (the last sender unless a port is given).
  void reply(const QByteArray& datagram, quint16 toPort = 0);
  // A print reply: the four 0xFF bytes, "print", a line feed, then text.
  static QByteArray printReply(const QByteArray& text);

 private:
  void drain();

  QUdpSocket socket_;
  QList<QByteArray> received_;
  quint16 lastSenderPort_ = 0;
};

}  // namespace fakes
