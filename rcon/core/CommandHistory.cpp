// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CommandHistory.h"

namespace rcon {

void CommandHistory::record(std::string_view command) {
  if (entries_.empty() || entries_.back() != command) {
    entries_.emplace_back(command);
    if (entries_.size() > kMaxEntries) entries_.pop_front();
  }
  position_ = entries_.size();
  draft_.clear();
}

std::optional<std::string> CommandHistory::older(std::string_view line) {
  if (position_ == 0) return std::nullopt;
  if (!browsing()) draft_ = std::string(line);
  --position_;
  return entries_[position_];
}

std::optional<std::string> CommandHistory::newer() {
  if (!browsing()) return std::nullopt;
  ++position_;
  if (!browsing()) return std::move(draft_);
  return entries_[position_];
}

}  // namespace rcon
