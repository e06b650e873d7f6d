// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands sent from the command line in this run, browsed with Up and Down as a shell
// does. Nothing is kept between runs.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace rcon {

class CommandHistory final {
 public:
  static constexpr std::size_t kMaxEntries = 500;

  // Keeps a sent command unless it equals the newest one; the oldest goes past kMaxEntries.
  // Browsing starts again from the newest.
  void record(std::string_view command);

  // Up: the command before the one shown. The line being typed when browsing begins is kept
  // as the draft. Nothing when there is nothing older.
  std::optional<std::string> older(std::string_view line);

  // Down: the command after the one shown, or the draft past the newest. Nothing when not
  // browsing.
  std::optional<std::string> newer();

  bool browsing() const { return position_ < entries_.size(); }
  std::size_t size() const { return entries_.size(); }
  // Oldest first.
  const std::deque<std::string>& entries() const { return entries_; }

 private:
  std::deque<std::string> entries_;  // oldest first
  std::size_t position_ = 0;         // the entry shown; entries_.size() while not browsing
  std::string draft_;
};

}  // namespace rcon
