// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Network.h"

#include <QNetworkDatagram>
#include <QNetworkProxy>

#include "core/CliArguments.h"

namespace cli {
namespace {

// A fleet's replies may all come at once; the kernel doubles this up to its own limit.
constexpr int kReceiveBufferBytes = 4 * 1024 * 1024;

void prepare(QUdpSocket& socket, const QHostAddress& any) {
  socket.setProxy(QNetworkProxy::NoProxy);
  socket.bind(any, 0);
  socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, kReceiveBufferBytes);
}

}  // namespace

Network::Network() {
  prepare(ipv4_, QHostAddress(QHostAddress::AnyIPv4));
  connect(&ipv4_, &QUdpSocket::readyRead, this, &Network::datagramsWaiting);
}

QUdpSocket& Network::socketFor(const QHostAddress& address) {
  if (address.protocol() != QAbstractSocket::IPv6Protocol) return ipv4_;
  if (!ipv6_) {
    ipv6_ = std::make_unique<QUdpSocket>();
    prepare(*ipv6_, QHostAddress(QHostAddress::AnyIPv6));
    connect(ipv6_.get(), &QUdpSocket::readyRead, this, &Network::datagramsWaiting);
  }
  return *ipv6_;
}

std::string Network::send(const Destination& to, std::string_view datagram) {
  QUdpSocket& socket = socketFor(to.address);
  const qint64 sent = socket.writeDatagram(datagram.data(), static_cast<qint64>(datagram.size()),
                                           to.address, to.port);
  if (sent == static_cast<qint64>(datagram.size())) return {};
  return socket.errorString().toStdString();
}

std::vector<Arrival> Network::drain() {
  std::vector<Arrival> arrivals;
  for (QUdpSocket* socket : {&ipv4_, ipv6_.get()}) {
    while (socket != nullptr && socket->hasPendingDatagrams()) {
      const QNetworkDatagram datagram = socket->receiveDatagram();
      if (!datagram.isValid()) break;
      const QByteArray& data = datagram.data();
      QHostAddress from = datagram.senderAddress();
      from.setScopeId({});
      arrivals.push_back({std::string(data.constData(), static_cast<std::size_t>(data.size())),
                          rcon::senderName(from.toString().toStdString(),
                                           static_cast<std::uint16_t>(datagram.senderPort()))});
    }
  }
  return arrivals;
}

}  // namespace cli
