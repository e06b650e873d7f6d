// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CliFleet.h"

#include <algorithm>
#include <utility>

namespace rcon {

std::size_t FleetExchange::add(ReplyExchange exchange) {
  bySender_.emplace(exchange.server(), exchanges_.size());
  exchanges_.push_back(std::move(exchange));
  return exchanges_.size() - 1;
}

void FleetExchange::datagram(std::string_view datagram, std::string_view sender,
                             std::int64_t nowMs) {
  const auto found = bySender_.find(sender);
  if (found == bySender_.end()) {
    strangers_.add(sender, notes_);
    return;
  }
  exchanges_[found->second].datagram(datagram, sender, nowMs);
}

void FleetExchange::timerDue(std::int64_t nowMs) {
  for (ReplyExchange& exchange : exchanges_) exchange.timerDue(nowMs);
}

std::optional<std::int64_t> FleetExchange::dueAtMs() const {
  std::optional<std::int64_t> earliest;
  for (const ReplyExchange& exchange : exchanges_) {
    const std::optional<std::int64_t> due = exchange.dueAtMs();
    if (due && (!earliest || *due < *earliest)) earliest = due;
  }
  return earliest;
}

bool FleetExchange::done() const {
  return std::all_of(exchanges_.begin(), exchanges_.end(),
                     [](const ReplyExchange& exchange) { return exchange.done(); });
}

std::vector<std::string> FleetExchange::takeNotes() {
  for (ReplyExchange& exchange : exchanges_) {
    for (std::string& note : exchange.takeNotes()) notes_.push_back(std::move(note));
  }
  if (!summarised_ && done()) {
    summarised_ = true;
    if (std::optional<std::string> summary = strangers_.summary()) notes_.push_back(*summary);
  }
  return std::exchange(notes_, {});
}

CliExit exitFor(const ReplyExchange& exchange) {
  switch (exchange.ending()) {
    case ReplyExchange::Ending::None:
    case ReplyExchange::Ending::Timeout:
    case ReplyExchange::Ending::Deadline:
      return CliExit::NoReply;
    case ReplyExchange::Ending::Status:
      return CliExit::Reply;
    case ReplyExchange::Ending::Marker:
    case ReplyExchange::Ending::Quiet:
    case ReplyExchange::Ending::Cut:
      return isPasswordRefusal(exchange.text()) ? CliExit::BadPassword : CliExit::Reply;
  }
  return CliExit::NoReply;
}

}  // namespace rcon
