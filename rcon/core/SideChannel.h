// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Requests whose traffic never shows in the console (the players list, completion words): one
// request at a time over a socket of their own, answered once with the joined reply. A second
// request while one is unanswered is refused, which keeps within the servers' rate limits.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/CliReply.h"
#include "core/Services.h"

namespace rcon {

struct SideAnswer {
  enum class Outcome {
    Reply,       // text holds the joined reply (possibly empty)
    Timeout,     // nothing came back in time
    SendFailed,  // the request never left; error says why
  };
  Outcome outcome = Outcome::Timeout;
  std::string text;
  std::string error;
  std::int64_t elapsedMs = 0;
};

class RequestChannel {
 public:
  using AnswerHandler = std::function<void(const SideAnswer&)>;
  virtual ~RequestChannel() = default;
  // Sends request (without the four-byte prefix) to host:port; handler is called once, later,
  // with the answer. False, and nothing sent, while an earlier request is unanswered.
  virtual bool request(const std::string& host, std::uint16_t port, std::string_view request,
                       AnswerHandler handler) = 0;
  virtual bool busy() const = 0;
};

// The channel's logic over the core's socket, timer and clock; the socket and timer are its own.
class SideChannel final : public RequestChannel {
 public:
  SideChannel(DatagramSocket& socket, Timer& timer, const Clock& clock, ExchangeLimits limits = {});
  ~SideChannel() override;
  SideChannel(const SideChannel&) = delete;
  SideChannel& operator=(const SideChannel&) = delete;

  bool request(const std::string& host, std::uint16_t port, std::string_view request,
               AnswerHandler handler) override;
  bool busy() const override { return exchange_ != nullptr; }

 private:
  void onDatagrams(std::vector<Datagram>& batch);
  void onTick();
  // Arms the timer for the exchange's next due time, or finishes it.
  void settle();

  DatagramSocket& socket_;
  Timer& timer_;
  const Clock& clock_;
  ExchangeLimits limits_;
  std::unique_ptr<ReplyExchange> exchange_;
  AnswerHandler handler_;
};

}  // namespace rcon
