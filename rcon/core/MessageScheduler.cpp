// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MessageScheduler.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/Protocol.h"

namespace rcon {
namespace {

constexpr std::uint32_t kMinuteMs = 60000;

// A message ends at a line feed, and a carriage return just before it belongs to the break: a
// list written with CR LF splits as it always has, one written with LF alone splits at each LF.
// A carriage return alone stays in its message.
struct LineBreak {
  std::size_t at = std::string_view::npos;
  std::size_t size = 0;
};

LineBreak firstBreak(std::string_view text) {
  const std::size_t lf = text.find('\n');
  if (lf == std::string_view::npos) return {};
  if (lf > 0 && text[lf - 1] == '\r') return {lf - 1, 2};
  return {lf, 1};
}

// The size of the line break that opens the text, 0 when it opens with something else.
std::size_t breakSizeAt(std::string_view text) {
  if (text.starts_with('\n')) return 1;
  if (text.starts_with("\r\n")) return 2;
  return 0;
}

std::uint32_t milliseconds(std::int64_t seconds) {
  return static_cast<std::uint32_t>(seconds * 1000);
}

}  // namespace

MessageScheduler::MessageScheduler(Timer& timer, PasswordSource password, Sender send)
    : timer_(timer), password_(std::move(password)), send_(std::move(send)) {}

void MessageScheduler::start(const MessagingSettings& settings) {
  // Below a second would flood the server; beyond 32 bits is nothing anyone sets.
  seconds_ = std::clamp<std::int64_t>(settings.seconds, 1, kMaxSeconds);
  list_ = settings.text;
  handle(Event::Start);
}

void MessageScheduler::stop() { handle(Event::Stop); }

void MessageScheduler::tick() { handle(Event::Tick); }

MsgMenuState MessageScheduler::menus() const {
  if (running()) return {false, true, false};
  return {true, false, true};
}

void MessageScheduler::handle(Event event) {
  switch (event) {
    case Event::Start:
      begin_ = 0;
      end_ = list_.size();
      if (seconds_ <= kShortLimitSeconds) {
        state_ = MsgState::Short;
        timer_.setInterval(milliseconds(seconds_));
      } else {
        minutes_ = seconds_ / 60;
        remainder_ = seconds_ - minutes_ * 60;
        startMinutes();
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
      sendNext();
      return;
    case MsgState::Remainder:
      startMinutes();
      sendNext();
      return;
    case MsgState::Minutes:
      if (--minutesLeft_ > 0) {
        timer_.setInterval(kMinuteMs);
        return;
      }
      if (remainder_ != 0) {
        state_ = MsgState::Remainder;
        timer_.setInterval(milliseconds(remainder_));
        return;
      }
      startMinutes();
      sendNext();
      return;
  }
}

void MessageScheduler::startMinutes() {
  state_ = MsgState::Minutes;
  minutesLeft_ = minutes_;
  timer_.setInterval(kMinuteMs);
}

void MessageScheduler::sendNext() {
  const std::string message = takeMessage();
  send_(sayRequest(password_(), message));
}

std::string MessageScheduler::takeMessage() {
  // Blank lines at either end of what is left are skipped, so blank lines anywhere in the list
  // never become messages and cost no interval.
  const std::string_view list = list_;
  while (begin_ < end_) {
    const std::size_t size = breakSizeAt(list.substr(begin_, end_ - begin_));
    if (size == 0) break;
    begin_ += size;
  }
  while (begin_ < end_ && list[end_ - 1] == '\n') {
    --end_;
    if (begin_ < end_ && list[end_ - 1] == '\r') --end_;
  }

  const std::string_view rest = list.substr(begin_, end_ - begin_);
  const LineBreak found = firstBreak(rest);
  if (found.at == std::string_view::npos) {
    // The last message of the pass: the next due tick starts over with the first.
    std::string message(rest);
    begin_ = 0;
    end_ = list_.size();
    return message;
  }
  std::string message(rest.substr(0, found.at));
  begin_ += found.at + found.size;
  return message;
}

bool holdsMessage(std::string_view list) {
  for (LineBreak found = firstBreak(list); found.at != std::string_view::npos;
       found = firstBreak(list)) {
    if (found.at > 0) return true;
    list.remove_prefix(found.size);
  }
  return !list.empty();
}

}  // namespace rcon
