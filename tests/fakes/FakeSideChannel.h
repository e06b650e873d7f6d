// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The side channel's own logic over a fake socket and timer, on the test's virtual clock: a test
// reads what was sent from socket.sent, answers with socket.reply() and ends the quiet period
// with timer.fire().
#include "core/SideChannel.h"
#include "fakes/FakeServices.h"

namespace fakes {

class FakeSideChannel final : public rcon::RequestChannel {
 public:
  explicit FakeSideChannel(const rcon::Clock& clock) : channel(socket, timer, clock) {}
  bool request(const std::string& host, std::uint16_t port, std::string_view request,
               AnswerHandler handler) override {
    return channel.request(host, port, request, std::move(handler));
  }
  bool busy() const override { return channel.busy(); }

  FakeSocket socket;
  FakeTimer timer;
  rcon::SideChannel channel;
};

}  // namespace fakes
