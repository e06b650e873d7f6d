// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The datagram socket of a session: sends requests and hands arriving datagrams on in bounded
// batches, so that a flood never keeps the event loop from running.
#include <QObject>
#include <QUdpSocket>
#include <string>
#include <vector>

#include "core/Services.h"

namespace platform {

struct ReceivedDatagram {
  std::string bytes;
  std::string sender;  // "address:port", to tell senders apart
};

class UdpSocket final : public QObject, public rcon::DatagramSocket {
  Q_OBJECT
 public:
  static constexpr quint16 kLocalPort = 20099;
  // At most this many datagrams are handed on per wake-up; the rest wait for the next turn of
  // the event loop.
  static constexpr std::size_t kBatchLimit = 1000;

  // Binds kLocalPort, or any free port when it is taken (a second copy running).
  explicit UdpSocket(QObject* parent = nullptr, quint16 localPort = kLocalPort);

  rcon::SendResult send(const std::string& host, std::uint16_t port,
                        std::string_view datagram) override;

  // Every datagram waiting on the socket, in arrival order (for callers without a receiver).
  std::vector<ReceivedDatagram> drain();

  quint16 localPort() const { return socket_.localPort(); }
  int receiveBufferSize() const;
  // Whether the system would let a datagram to a broadcast address leave (it must not).
  bool mayBroadcast() const;

 signals:
  void datagramsWaiting();

 private:
  std::vector<rcon::Datagram> read(std::size_t limit);
  void onReadyRead();
  void deliverWaiting();

  mutable QUdpSocket socket_;
  bool deliveryQueued_ = false;
};

}  // namespace platform
