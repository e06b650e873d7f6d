#pragma once
// The datagram socket behind the console: sends requests and drains every waiting reply.
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

class UdpSocket final : public QObject, public rcon::DatagramSender {
  Q_OBJECT
 public:
  static constexpr quint16 kLocalPort = 20099;

  // Binds kLocalPort, or any free port when it is taken (a second copy running).
  explicit UdpSocket(QObject* parent = nullptr, quint16 localPort = kLocalPort);

  rcon::SendResult send(const std::string& host, std::uint16_t port,
                        std::string_view datagram) override;

  // Every datagram waiting on the socket, in arrival order.
  std::vector<ReceivedDatagram> drain();

  quint16 localPort() const { return socket_.localPort(); }
  int receiveBufferSize() const;

 signals:
  void datagramsWaiting();

 private:
  mutable QUdpSocket socket_;
};

}  // namespace platform
