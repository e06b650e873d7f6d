// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sends the message list to the server, one message per interval, pass after pass, as
// "rcon <password> say <message>". The messages are the list's lines that are not blank; a line
// ends at LF or CR LF. Intervals up to 65 seconds run the timer at the whole
// interval; longer ones count whole minutes and then wait out the remaining seconds.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/MessagingSettings.h"
#include "core/Services.h"

namespace rcon {

enum class MsgState {
  Stopped,
  Short,      // the timer runs at the whole interval; every tick sends
  Minutes,    // counting whole minutes of a long interval
  Remainder,  // waiting the seconds beyond the whole minutes
};

// Which items of the Messaging menu can be chosen.
struct MsgMenuState {
  bool start = true;
  bool stop = false;
  bool options = true;
};

// Whether the list holds a message to send, by the same rule as the scheduler.
bool holdsMessage(std::string_view list);

class MessageScheduler final {
 public:
  using PasswordSource = std::function<std::string()>;
  using Sender = std::function<void(const std::string& request)>;

  // The password is asked for at every send, so a change while running takes effect at once.
  MessageScheduler(Timer& timer, PasswordSource password, Sender send);

  // Begins a new pass with the first message, due one whole interval from now.
  void start(const MessagingSettings& settings);
  void stop();
  void tick();

  MsgState state() const { return state_; }
  bool running() const { return state_ != MsgState::Stopped; }
  MsgMenuState menus() const;

  static constexpr std::int64_t kShortLimitSeconds = 65;
  static constexpr std::int64_t kMaxSeconds = 2147483647;  // the 32-bit range

 private:
  enum class Event { Start, Stop, Tick };
  void handle(Event event);  // every state change goes through here
  void startMinutes();
  void sendNext();
  std::string takeMessage();

  Timer& timer_;
  PasswordSource password_;
  Sender send_;
  MsgState state_ = MsgState::Stopped;

  std::int64_t seconds_ = 0;  // of the run being started
  std::int64_t minutes_ = 0;
  std::int64_t minutesLeft_ = 0;
  std::int64_t remainder_ = 0;

  // The list of this run; the messages not yet sent in this pass are list_[begin_, end_).
  // Indices instead of erasing keep a pass linear in the list's length.
  std::string list_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
};

}  // namespace rcon
