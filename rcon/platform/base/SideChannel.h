// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The side channel on real UDP: a socket of its own on any free local port, so that its
// requests and replies never mix with the console's.
#include <QObject>

#include "core/SideChannel.h"
#include "platform/base/TickTimer.h"
#include "platform/base/UdpSocket.h"

namespace platform {

class UdpSideChannel final : public QObject, public rcon::RequestChannel {
 public:
  explicit UdpSideChannel(QObject* parent = nullptr, rcon::ExchangeLimits limits = {});
  Q_DISABLE_COPY_MOVE(UdpSideChannel)
  ~UdpSideChannel() override = default;

  bool request(const std::string& host, std::uint16_t port, std::string_view request,
               AnswerHandler handler) override {
    return channel_.request(host, port, request, std::move(handler));
  }
  bool busy() const override { return channel_.busy(); }
  quint16 localPort() const { return socket_.localPort(); }

 private:
  UdpSocket socket_{nullptr, 0};
  TickTimer timer_;
  SteadyClock clock_;
  rcon::SideChannel channel_;
};

}  // namespace platform
