// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CliArguments.h"

#include <algorithm>
#include <array>
#include <utility>

namespace rcon {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool allDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

bool isHexOrColon(char c) {
  return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ':' || c == '.';
}

// Letters, digits and hyphens in labels of 1 to 63 characters, no hyphen at either end.
bool isHostName(std::string_view name) {
  if (name.empty() || name.size() > 253) return false;
  std::size_t start = 0;
  while (true) {
    const std::size_t dot = name.find('.', start);
    const std::string_view label = name.substr(start, dot - start);
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') {
      return false;
    }
    for (char c : label) {
      const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
      if (!letter && !isDigit(c) && c != '-') return false;
    }
    if (dot == std::string_view::npos) return true;
    start = dot + 1;
  }
}

std::optional<std::string> dottedIpv4(std::string_view text) {
  std::array<int, 4> octets{};
  std::size_t count = 0;
  for (std::size_t start = 0;; ++count) {
    const std::size_t dot = text.find('.', start);
    const std::string_view octet = text.substr(start, dot - start);
    if (count >= octets.size() || octet.size() > 3) return std::nullopt;
    const std::optional<std::int64_t> value = parseWholeNumber(octet, 0, 255);
    if (!value) return std::nullopt;
    octets[count] = static_cast<int>(*value);
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  if (count + 1 != octets.size()) return std::nullopt;
  return std::to_string(octets[0]) + '.' + std::to_string(octets[1]) + '.' +
         std::to_string(octets[2]) + '.' + std::to_string(octets[3]);
}

}  // namespace

std::optional<std::int64_t> parseWholeNumber(std::string_view text, std::int64_t min,
                                             std::int64_t max) {
  if (!allDigits(text)) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    value = value * 10 + (c - '0');
    if (value > max) return std::nullopt;  // also keeps long texts from overflowing
  }
  if (value < min) return std::nullopt;
  return value;
}

std::optional<std::int64_t> parseSecondsAsMs(std::string_view text, std::int64_t minMs,
                                             std::int64_t maxMs) {
  const std::size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  const std::string_view fraction = dot == std::string_view::npos ? "" : text.substr(dot + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  if ((!whole.empty() && !allDigits(whole)) || (!fraction.empty() && !allDigits(fraction))) {
    return std::nullopt;
  }
  const std::optional<std::int64_t> seconds =
      whole.empty() ? 0 : parseWholeNumber(whole, 0, maxMs / 1000 + 1);
  if (!seconds) return std::nullopt;
  std::int64_t ms = *seconds * 1000;
  std::int64_t scale = 100;
  for (char c : fraction.substr(0, 3)) {
    ms += (c - '0') * scale;
    scale /= 10;
  }
  if (ms < minMs || ms > maxMs) return std::nullopt;
  return ms;
}

CliTargetResult parseTarget(std::string_view text) {
  CliTarget target;
  if (text.starts_with('@')) {
    if (text.size() == 1) return {std::nullopt, "'@' names no saved server"};
    target.kind = HostKind::Saved;
    target.host = std::string(text.substr(1));
    return {target, {}};
  }
  std::string_view host = text;
  std::optional<std::string_view> portText;
  if (text.starts_with('[')) {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return {std::nullopt, "no ']' after the IPv6 address"};
    host = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty()) {
      if (!rest.starts_with(':')) return {std::nullopt, "not a server: " + std::string(text)};
      portText = rest.substr(1);
    }
    if (host.empty() || !std::all_of(host.begin(), host.end(), isHexOrColon) ||
        host.find(':') == std::string_view::npos) {
      return {std::nullopt, "not a valid IPv6 address: " + std::string(host)};
    }
    target.kind = HostKind::Ipv6;
  } else {
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
      if (text.find(':', colon + 1) != std::string_view::npos) {
        return {std::nullopt, "an IPv6 address goes in brackets, as in [::1]:20100"};
      }
      host = text.substr(0, colon);
      portText = text.substr(colon + 1);
    }
  }
  if (portText) {
    const std::optional<std::int64_t> port = parseWholeNumber(*portText, 1, 65535);
    if (!port) return {std::nullopt, "not a valid server port (1 to 65535): " + std::string(text)};
    target.port = static_cast<std::uint16_t>(*port);
  }
  if (target.kind == HostKind::Ipv6) {
    target.host = std::string(host);
    return {target, {}};
  }
  if (std::all_of(host.begin(), host.end(), [](char c) { return isDigit(c) || c == '.'; })) {
    const std::optional<std::string> dotted = dottedIpv4(host);
    if (!dotted) {
      return {std::nullopt, "not a valid IPv4 address (four numbers 0 to 255 joined by dots): " +
                                std::string(host)};
    }
    if (*dotted == "0.0.0.0") return {std::nullopt, "the address 0.0.0.0 names no server"};
    target.host = *dotted;
    return {target, {}};
  }
  if (!isHostName(host)) return {std::nullopt, "not a valid host name: " + std::string(host)};
  target.kind = HostKind::Name;
  target.host = std::string(host);
  return {target, {}};
}

std::string senderName(std::string_view address, std::uint16_t port) {
  const bool ipv6 = address.find(':') != std::string_view::npos;
  std::string name;
  if (ipv6) name += '[';
  name += address;
  if (ipv6) name += ']';
  return name + ':' + std::to_string(port);
}

CliPlan planRun(const CliChoices& choices) {
  CliPlan plan;
  const auto fail = [&plan](std::string error) {
    plan.error = std::move(error);
    return plan;
  };
  const std::vector<std::string>& words = choices.words;
  const auto split =
      words.begin() + static_cast<std::ptrdiff_t>(choices.dashDash.value_or(words.empty() ? 0 : 1));
  const bool allTargets = !choices.dashDash && (choices.status || choices.messages);
  plan.targets.assign(words.begin(), allTargets ? words.end() : split);
  if (!allTargets) plan.command.assign(split, words.end());
  if (plan.targets.empty()) return fail("no server given (HOST[:PORT] or @NAME)");
  // Without "--", no server command begins with "-": that is an option in the wrong place.
  if (!choices.dashDash && !plan.command.empty() && plan.command.front().starts_with('-')) {
    return fail("options go before the server; a command that begins with '-' goes after --");
  }
  if (choices.status && choices.messages) return fail("--status and --messages exclude each other");
  if (choices.prometheus && !choices.status) return fail("--format goes with --status");
  if (choices.prometheus && choices.json) return fail("--json and --format exclude each other");
  if (choices.interval && !choices.messages) return fail("--interval goes with --messages");
  if (choices.status) {
    plan.mode = CliMode::Status;
    if (!plan.command.empty()) return fail("--status takes no COMMAND");
  } else if (choices.messages) {
    plan.mode = CliMode::Messages;
    if (!plan.command.empty()) return fail("--messages takes no COMMAND");
  } else if (!plan.command.empty()) {
    plan.mode = CliMode::Command;
  } else {
    plan.mode = choices.inputIsTerminal ? CliMode::Shell : CliMode::Stdin;
    if (choices.json) return fail("--json goes with a COMMAND, --status or --messages");
  }
  return plan;
}

std::string passwordFromFile(std::string_view bytes) {
  return std::string(bytes.substr(0, bytes.find_first_of("\r\n")));
}

std::optional<std::vector<std::string>> splitWords(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\n') {
      if (inWord) words.push_back(std::exchange(word, {}));
      inWord = false;
      continue;
    }
    inWord = true;
    if (c == '\'') {
      const std::size_t close = line.find('\'', i + 1);
      if (close == std::string_view::npos) return std::nullopt;
      word += line.substr(i + 1, close - i - 1);
      i = close;
    } else if (c == '"') {
      for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
          ++i;
        }
        word += line[i];
      }
      if (i >= line.size()) return std::nullopt;
    } else if (c == '\\' && i + 1 < line.size()) {
      word += line[++i];
    } else {
      word += c;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

}  // namespace rcon
