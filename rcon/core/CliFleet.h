// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Several exchanges at once, one per server, over one socket: each datagram goes to the
// exchange of its sender, and one timer serves them all. A silent server costs its own timeout,
// at the same time as the others', not after them.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/CliArguments.h"
#include "core/CliReply.h"

namespace rcon {

class FleetExchange final {
 public:
  // Returns the exchange's index. Two exchanges with the same server are not allowed.
  std::size_t add(ReplyExchange exchange);

  void sent(std::size_t index, std::int64_t nowMs) { exchanges_[index].sent(nowMs); }
  void datagram(std::string_view datagram, std::string_view sender, std::int64_t nowMs);
  void timerDue(std::int64_t nowMs);
  // The earliest time any exchange wants timerDue.
  std::optional<std::int64_t> dueAtMs() const;
  bool done() const;

  std::size_t size() const { return exchanges_.size(); }
  ReplyExchange& at(std::size_t index) { return exchanges_[index]; }
  // Remarks about senders nobody waits for; the closing count once every exchange is done.
  std::vector<std::string> takeNotes();

 private:
  std::vector<ReplyExchange> exchanges_;
  std::map<std::string, std::size_t, std::less<>> bySender_;
  StrangerLog strangers_;
  std::vector<std::string> notes_;
  bool summarised_ = false;
};

// What an ended exchange means for the exit status.
CliExit exitFor(const ReplyExchange& exchange);

}  // namespace rcon
