// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// vortane-rcon's interactive shell: the history kept between runs, and the names Tab completes.
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace rcon {

// The shell's history: one command a line, oldest first. A command equal to the newest entry is
// not kept twice, as in the window; the oldest go past kMaxEntries.
class ShellHistory final {
 public:
  static constexpr std::size_t kMaxEntries = 1000;

  void load(std::string_view fileBytes);
  // False when the command was not kept (empty, or the newest entry already).
  bool record(std::string_view command);
  std::string fileBytes() const;
  const std::deque<std::string>& entries() const { return entries_; }

 private:
  std::deque<std::string> entries_;
};

// Names from the output of "cmdlist" (one a line, then "N commands") or "cvarlist" (flags, the
// name and its quoted value a line, then counts), sorted and without repeats.
std::vector<std::string> namesFromList(std::string_view listOutput);

// The names that begin with prefix, compared without regard to case.
std::vector<std::string> completionsFor(const std::vector<std::string>& names,
                                        std::string_view prefix);

}  // namespace rcon
