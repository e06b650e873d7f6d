#include "core/MessageScheduler.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/Protocol.h"

namespace rcon {
namespace {

constexpr std::uint32_t kMinuteMs = 60000;

std::uint32_t Milliseconds(std::int64_t seconds) {
  return static_cast<std::uint32_t>(seconds * 1000);
}

}  // namespace

MessageScheduler::MessageScheduler(Timer& timer, PasswordSource password, Sender send)
    : timer_(timer), password_(std::move(password)), send_(std::move(send)) {}

void MessageScheduler::Start(const MessagingSettings& settings) {
  // Below a second would flood the server; beyond 32 bits is nothing anyone sets.
  seconds_ = std::clamp<std::int64_t>(settings.seconds, 1, kMaxSeconds);
  list_ = settings.text;
  Handle(Event::Start);
}

void MessageScheduler::Stop() { Handle(Event::Stop); }

void MessageScheduler::Tick() { Handle(Event::Tick); }

MsgMenuState MessageScheduler::menus() const {
  if (running()) return {false, true, false};
  return {true, false, true};
}

void MessageScheduler::Handle(Event event) {
  switch (event) {
    case Event::Start:
      begin_ = 0;
      end_ = list_.size();
      if (seconds_ <= kShortLimitSeconds) {
        state_ = MsgState::Short;
        timer_.setInterval(Milliseconds(seconds_));
      } else {
        minutes_ = seconds_ / 60;
        remainder_ = seconds_ - minutes_ * 60;
        StartMinutes();
      }
      return;
    case Event::Stop:
      if (state_ == MsgState::Stopped) return;
      state_ = MsgState::Stopped;
      timer_.setInterval(0);
      return;
    case Event::Tick:
      break;
  }
  // The state is settled before anything is sent: a send may show a message box whose event
  // loop runs further ticks, and those must find the next message and the right count.
  switch (state_) {
    case MsgState::Stopped:
      return;
    case MsgState::Short:
      SendNext();
      return;
    case MsgState::Remainder:
      StartMinutes();
      SendNext();
      return;
    case MsgState::Minutes:
      if (--minutesLeft_ > 0) {
        timer_.setInterval(kMinuteMs);
        return;
      }
      if (remainder_ != 0) {
        state_ = MsgState::Remainder;
        timer_.setInterval(Milliseconds(remainder_));
        return;
      }
      StartMinutes();
      SendNext();
      return;
  }
}

void MessageScheduler::StartMinutes() {
  state_ = MsgState::Minutes;
  minutesLeft_ = minutes_;
  timer_.setInterval(kMinuteMs);
}

void MessageScheduler::SendNext() {
  const std::string message = TakeMessage();
  send_(SayRequest(password_(), message));
}

std::string MessageScheduler::TakeMessage() {
  // Blank lines at either end of what is left are skipped, so blank lines anywhere in the list
  // never become messages and cost no interval.
  const std::string_view crlf = kCrLf;
  while (end_ - begin_ >= 2 && std::string_view(list_).substr(begin_, 2) == crlf) begin_ += 2;
  while (end_ - begin_ >= 2 && std::string_view(list_).substr(end_ - 2, 2) == crlf) end_ -= 2;

  const std::string_view rest = std::string_view(list_).substr(begin_, end_ - begin_);
  const std::size_t p = rest.find(crlf);
  if (p == std::string_view::npos) {
    // The last message of the pass: the next due tick starts over with the first.
    std::string message(rest);
    begin_ = 0;
    end_ = list_.size();
    return message;
  }
  std::string message(rest.substr(0, p));
  begin_ += p + crlf.size();
  return message;
}

}  // namespace rcon
