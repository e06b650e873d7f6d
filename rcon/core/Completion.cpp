// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Completion.h"

#include <algorithm>
#include <set>

#include "core/TextSearch.h"

namespace rcon {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ';' || c == '"'; }

// The text's lines without their line ends.
std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

std::string_view trimmed(std::string_view text) {
  const std::size_t from = text.find_first_not_of(" \t");
  if (from == std::string_view::npos) return {};
  return text.substr(from, text.find_last_not_of(" \t") - from + 1);
}

}  // namespace

std::size_t wordStart(std::string_view text) {
  std::size_t start = text.size();
  while (start > 0 && !isSeparator(text[start - 1])) --start;
  return start;
}

std::vector<std::string> parseCommandList(std::string_view output) {
  std::vector<std::string> names;
  for (const std::string_view line : linesOf(output)) {
    const std::string_view name = trimmed(line);
    if (!name.empty() && name.find_first_of(" \t\"") == std::string_view::npos) {
      names.emplace_back(name);
    }
  }
  return names;
}

std::vector<std::string> parseVariableList(std::string_view output) {
  std::vector<std::string> names;
  for (const std::string_view line : linesOf(output)) {
    const std::size_t quote = line.find('"');
    if (quote == std::string_view::npos) continue;
    const std::string_view before = trimmed(line.substr(0, quote));
    const std::size_t blank = before.find_last_of(" \t");
    const std::string_view name =
        blank == std::string_view::npos ? before : before.substr(blank + 1);
    if (!name.empty()) names.emplace_back(name);
  }
  return names;
}

std::vector<std::string> wordsOf(const std::vector<std::string>& texts) {
  std::vector<std::string> words;
  for (const std::string& text : texts) {
    std::string_view rest = text;
    while (!rest.empty()) {
      const std::size_t start = std::min(rest.find_first_not_of(" \t;\""), rest.size());
      rest.remove_prefix(start);
      const std::size_t end = std::min(rest.find_first_of(" \t;\""), rest.size());
      if (end > 0) words.emplace_back(rest.substr(0, end));
      rest.remove_prefix(end);
    }
  }
  return words;
}

std::vector<std::string> completionsOf(std::string_view prefix,
                                       const std::vector<std::string>& words) {
  const std::string folded = foldCase(prefix);
  std::set<std::string> seen;
  std::vector<std::pair<std::string, std::string>> found;  // folded, as met
  for (const std::string& word : words) {
    if (word.size() <= prefix.size()) continue;
    std::string key = foldCase(word);
    if (key.compare(0, folded.size(), folded) != 0 || !seen.insert(key).second) continue;
    found.emplace_back(std::move(key), word);
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> out;
  out.reserve(found.size());
  for (auto& [key, word] : found) out.push_back(std::move(word));
  return out;
}

}  // namespace rcon
