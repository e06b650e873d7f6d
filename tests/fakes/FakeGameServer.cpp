// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/FakeGameServer.h"

#include <QDeadlineTimer>
#include <QNetworkDatagram>
#include <QTest>

namespace fakes {

FakeGameServer::FakeGameServer() {
  socket_.bind(QHostAddress::LocalHost, 0);
  socket_.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4 * 1024 * 1024);
}

void FakeGameServer::drain() {
  while (socket_.hasPendingDatagrams()) {
    const QNetworkDatagram datagram = socket_.receiveDatagram();
    received_.append(datagram.data());
    lastSenderPort_ = static_cast<quint16>(datagram.senderPort());
  }
}

bool FakeGameServer::waitForDatagrams(int count, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  drain();
  while (received_.size() < count && !deadline.hasExpired()) {
    QTest::qWait(5);
    drain();
  }
  return received_.size() >= count;
}

void FakeGameServer::reply(const QByteArray& datagram, quint16 toPort) {
  socket_.writeDatagram(datagram, QHostAddress::LocalHost, toPort != 0 ? toPort : lastSenderPort_);
}

QByteArray FakeGameServer::printReply(const QByteArray& text) {
  return QByteArray("\xFF\xFF\xFF\xFFprint\n", 10) + text;
}

}  // namespace fakes
