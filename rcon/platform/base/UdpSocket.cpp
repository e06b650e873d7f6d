// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/base/UdpSocket.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QVariant>

#include <sys/socket.h>

namespace platform {
namespace {
// A burst of short replies overflows the default buffer (about 256 datagrams); the kernel
// doubles this request up to its own limit.
constexpr int kReceiveBufferBytes = 4 * 1024 * 1024;
}  // namespace

UdpSocket::UdpSocket(QObject* parent, quint16 localPort) : QObject(parent) {
  // A game server is reached directly; looking up a system proxy only slows the start.
  socket_.setProxy(QNetworkProxy::NoProxy);
  if (!socket_.bind(QHostAddress::AnyIPv4, localPort)) socket_.bind(QHostAddress::AnyIPv4, 0);
  socket_.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, kReceiveBufferBytes);
  // Qt lets UDP sockets broadcast; a mistyped address must never spread the password.
  const int off = 0;
  setsockopt(static_cast<int>(socket_.socketDescriptor()), SOL_SOCKET, SO_BROADCAST, &off,
             sizeof off);
  connect(&socket_, &QUdpSocket::readyRead, this, &UdpSocket::onReadyRead);
}

rcon::SendResult UdpSocket::send(const std::string& host, std::uint16_t port,
                                 std::string_view datagram) {
  const QHostAddress address(QString::fromStdString(host));
  if (address.isNull()) return {false, "not a valid IPv4 address"};
  const qint64 sent =
      socket_.writeDatagram(datagram.data(), static_cast<qint64>(datagram.size()), address, port);
  if (sent != static_cast<qint64>(datagram.size())) {
    return {false, socket_.errorString().toStdString()};
  }
  return {true, {}};
}

std::vector<rcon::Datagram> UdpSocket::read(std::size_t limit) {
  std::vector<rcon::Datagram> datagrams;
  while (datagrams.size() < limit && socket_.hasPendingDatagrams()) {
    const QNetworkDatagram datagram = socket_.receiveDatagram();
    if (!datagram.isValid()) break;
    const QByteArray& data = datagram.data();
    datagrams.push_back({std::string(data.constData(), static_cast<std::size_t>(data.size())),
                         datagram.senderAddress().toString().toStdString(),
                         static_cast<std::uint16_t>(datagram.senderPort())});
  }
  return datagrams;
}

std::vector<ReceivedDatagram> UdpSocket::drain() {
  std::vector<ReceivedDatagram> datagrams;
  for (rcon::Datagram& datagram : read(SIZE_MAX)) {
    datagrams.push_back({std::move(datagram.bytes), datagram.sender()});
  }
  return datagrams;
}

void UdpSocket::onReadyRead() {
  if (hasReceiver()) deliverWaiting();
  emit datagramsWaiting();
}

void UdpSocket::deliverWaiting() {
  deliveryQueued_ = false;
  std::vector<rcon::Datagram> batch = read(kBatchLimit);
  if (!batch.empty()) deliver(batch);
  // What is left waits one turn of the event loop, so that keys and paints get their share.
  if (socket_.hasPendingDatagrams() && !deliveryQueued_) {
    deliveryQueued_ = true;
    QMetaObject::invokeMethod(this, &UdpSocket::deliverWaiting, Qt::QueuedConnection);
  }
}

bool UdpSocket::mayBroadcast() const {
  int value = 0;
  socklen_t size = sizeof value;
  getsockopt(static_cast<int>(socket_.socketDescriptor()), SOL_SOCKET, SO_BROADCAST, &value, &size);
  return value != 0;
}

int UdpSocket::receiveBufferSize() const {
  return socket_.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt();
}

}  // namespace platform
