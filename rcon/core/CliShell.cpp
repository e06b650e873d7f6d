// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CliShell.h"

#include <algorithm>

namespace rcon {
namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool isCountLine(std::string_view line) {
  const std::size_t blank = line.find(' ');
  if (blank == 0 || blank == std::string_view::npos) return false;
  return std::all_of(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(blank),
                     [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void ShellHistory::load(std::string_view fileBytes) {
  while (!fileBytes.empty()) {
    const std::size_t end = fileBytes.find('\n');
    record(fileBytes.substr(0, end));
    if (end == std::string_view::npos) break;
    fileBytes.remove_prefix(end + 1);
  }
}

bool ShellHistory::record(std::string_view command) {
  if (command.ends_with('\r')) command.remove_suffix(1);
  if (command.empty() || command.find('\n') != std::string_view::npos) return false;
  if (!entries_.empty() && entries_.back() == command) return false;
  entries_.emplace_back(command);
  while (entries_.size() > kMaxEntries) entries_.pop_front();
  return true;
}

std::string ShellHistory::fileBytes() const {
  std::string bytes;
  for (const std::string& entry : entries_) bytes += entry + '\n';
  return bytes;
}

std::vector<std::string> namesFromList(std::string_view listOutput) {
  std::vector<std::string> names;
  while (!listOutput.empty()) {
    const std::size_t end = listOutput.find('\n');
    std::string_view line = listOutput.substr(0, end);
    listOutput.remove_prefix(end == std::string_view::npos ? listOutput.size() : end + 1);
    if (const std::size_t quote = line.find('"'); quote != std::string_view::npos) {
      line = line.substr(0, quote);  // a variable's value
    }
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.remove_suffix(1);
    if (line.empty() || isCountLine(line)) continue;
    const std::size_t blank = line.rfind(' ');
    names.emplace_back(blank == std::string_view::npos ? line : line.substr(blank + 1));
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

std::vector<std::string> completionsFor(const std::vector<std::string>& names,
                                        std::string_view prefix) {
  std::vector<std::string> found;
  for (const std::string& name : names) {
    if (name.size() >= prefix.size() &&
        std::equal(prefix.begin(), prefix.end(), name.begin(),
                   [](char a, char b) { return lower(a) == lower(b); })) {
      found.push_back(name);
    }
  }
  return found;
}

}  // namespace rcon
