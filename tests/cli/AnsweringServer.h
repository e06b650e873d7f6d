// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fake game server that answers by itself while the test's event loop runs: "echo TEXT"
// with TEXT (unless it has no echo), "getstatus" with a status reply, any other rcon command
// with the datagrams given for it. On 127.0.0.1 or ::1.
#include <QHostAddress>
#include <QMap>
#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>

namespace clitest {

class AnsweringServer final {
 public:
  explicit AnsweringServer(const QHostAddress& address = QHostAddress::LocalHost) {
    socket_.bind(address, 0);
    QObject::connect(&socket_, &QUdpSocket::readyRead, &socket_, [this] { answer(); });
  }

  quint16 port() const { return socket_.localPort(); }
  QString target() const {
    const QHostAddress address = socket_.localAddress();
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? '[' + address.toString() + ']'
                             : address.toString();
    return host + ':' + QString::number(port());
  }

  static QByteArray print(const QByteArray& text) {
    return QByteArray("\xFF\xFF\xFF\xFFprint\n", 10) + text;
  }

  // What a command (the request after "rcon PASSWORD ") is answered with.
  QMap<QByteArray, QList<QByteArray>> replies;
  QByteArray status =
      "\xFF\xFF\xFF\xFFstatusResponse\n\\sv_hostname\\^1Red ^7Base\\"
      "mapname\\ctf1\\sv_maxclients\\16\n3 50 \"^2Al\"\n0 0 \"Bot\"\n";
  bool echoes = true;
  bool silent = false;
  QList<QByteArray> received;
  // After a reply to this command, this datagram follows every 100 ms for as long as the
  // server lives.
  QByteArray trickleCommand;
  QByteArray trickle = print(".");

 private:
  void answer() {
    while (socket_.hasPendingDatagrams()) {
      const QNetworkDatagram datagram = socket_.receiveDatagram();
      const QByteArray request = datagram.data().mid(4);
      received << request;
      if (silent) continue;
      const auto send = [&](const QByteArray& bytes) {
        socket_.writeDatagram(bytes, datagram.senderAddress(),
                              static_cast<quint16>(datagram.senderPort()));
      };
      if (request == "getstatus") {
        send(status);
        continue;
      }
      const qsizetype blank = request.indexOf(' ', 5);
      const QByteArray command = blank < 0 ? QByteArray() : request.mid(blank + 1);
      if (command.startsWith("echo ")) {
        if (echoes) send(print(command.mid(5) + '\n'));
        continue;
      }
      for (const QByteArray& reply : replies.value(command)) send(reply);
      if (!trickleCommand.isEmpty() && command == trickleCommand) {
        const QHostAddress to = datagram.senderAddress();
        const auto port = static_cast<quint16>(datagram.senderPort());
        QObject::connect(&trickleTimer_, &QTimer::timeout, &socket_,
                         [this, to, port] { socket_.writeDatagram(trickle, to, port); });
        trickleTimer_.start(100);
      }
    }
  }

  QUdpSocket socket_;
  QTimer trickleTimer_;
};

}  // namespace clitest
