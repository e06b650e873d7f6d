// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SideChannel.h"

#include <algorithm>
#include <utility>

#include "core/Protocol.h"

namespace rcon {

SideChannel::SideChannel(DatagramSocket& socket, Timer& timer, const Clock& clock,
                         ExchangeLimits limits)
    : socket_(socket), timer_(timer), clock_(clock), limits_(limits) {
  socket_.setReceiver([this](std::vector<Datagram>& batch) { onDatagrams(batch); });
  timer_.setTickHandler([this] { onTick(); });
}

SideChannel::~SideChannel() {
  socket_.setReceiver({});
  timer_.setTickHandler({});
  timer_.setInterval(0);
}

bool SideChannel::request(const std::string& host, std::uint16_t port, std::string_view request,
                          AnswerHandler handler) {
  if (busy()) return false;
  const std::string server = host + ':' + std::to_string(port);
  exchange_ = std::make_unique<ReplyExchange>(server, limits_, request == kStatusRequest);
  handler_ = std::move(handler);
  const std::int64_t now = clock_.nowMs();
  const SendResult sent = socket_.send(host, port, makeDatagram(request));
  if (!sent.ok) {
    exchange_.reset();
    SideAnswer answer{SideAnswer::Outcome::SendFailed, {}, sent.error, 0};
    // Told at once: the caller learns of it before it could send anything else.
    std::exchange(handler_, {})(answer);
    return true;
  }
  exchange_->sent(now);
  settle();
  return true;
}

void SideChannel::onDatagrams(std::vector<Datagram>& batch) {
  if (!exchange_) return;  // late pieces of an answered request
  for (const Datagram& datagram : batch) {
    exchange_->datagram(datagram.bytes, datagram.sender(), clock_.nowMs());
    if (exchange_->done()) break;
  }
  settle();
}

void SideChannel::onTick() {
  if (!exchange_) return;
  exchange_->timerDue(clock_.nowMs());
  settle();
}

void SideChannel::settle() {
  if (!exchange_->done()) {
    const std::int64_t wait = std::max<std::int64_t>(1, *exchange_->dueAtMs() - clock_.nowMs());
    timer_.setInterval(static_cast<std::uint32_t>(wait));
    return;
  }
  timer_.setInterval(0);
  SideAnswer answer;
  answer.outcome = exchange_->replied() ? SideAnswer::Outcome::Reply : SideAnswer::Outcome::Timeout;
  answer.text = exchange_->text();
  answer.elapsedMs = exchange_->elapsedMs();
  exchange_.reset();
  // The handler may send the next request at once.
  std::exchange(handler_, {})(answer);
}

}  // namespace rcon
