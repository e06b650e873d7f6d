// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/HostAddress.h"

#include <vector>

namespace rcon {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

bool allDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!isDigit(c)) return false;
  return true;
}

// The groups of one side of "::": hex groups of 1 to 4 digits, the last one perhaps an IPv4
// address (worth two groups). Nothing when a group is malformed.
std::optional<int> ipv6GroupCount(std::string_view side, bool mayEndInIpv4) {
  if (side.empty()) return 0;
  const std::vector<std::string_view> groups = split(side, ':');
  int count = 0;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const std::string_view group = groups[i];
    if (mayEndInIpv4 && i + 1 == groups.size() && group.find('.') != std::string_view::npos) {
      if (!isIpv4Address(group)) return std::nullopt;
      count += 2;
      continue;
    }
    if (group.empty() || group.size() > 4) return std::nullopt;
    for (char c : group)
      if (!isHexDigit(c)) return std::nullopt;
    ++count;
  }
  return count;
}

}  // namespace

bool isIpv4Address(std::string_view text) {
  const std::vector<std::string_view> octets = split(text, '.');
  if (octets.size() != 4) return false;
  for (std::string_view octet : octets) {
    if (!allDigits(octet) || octet.size() > 3) return false;
    if (std::stoi(std::string(octet)) > 255) return false;
  }
  return true;
}

bool isHostName(std::string_view text) {
  if (!text.empty() && text.back() == '.') text.remove_suffix(1);  // the root, "host.example."
  if (text.empty() || text.size() > 253) return false;
  bool allNumeric = true;
  for (std::string_view label : split(text, '.')) {
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-')
      return false;
    for (char c : label)
      if (!isLetter(c) && !isDigit(c) && c != '-' && c != '_') return false;
    allNumeric = allNumeric && allDigits(label);
  }
  // "300.1.1.1" or "10.1" are mistyped addresses, not names.
  return !allNumeric;
}

bool isBracketedIpv6(std::string_view text) {
  if (text.size() < 4 || text.front() != '[' || text.back() != ']') return false;
  const std::string_view inside = text.substr(1, text.size() - 2);
  const std::size_t gap = inside.find("::");
  if (gap == std::string_view::npos) {
    const std::optional<int> count = ipv6GroupCount(inside, true);
    return count == 8;
  }
  const std::string_view before = inside.substr(0, gap);
  const std::string_view after = inside.substr(gap + 2);
  if (after.find("::") != std::string_view::npos) return false;
  const std::optional<int> head = ipv6GroupCount(before, false);
  const std::optional<int> tail = ipv6GroupCount(after, true);
  return head && tail && *head + *tail <= 7;
}

std::string hostProblem(std::string_view host) {
  if (host.empty()) return "The host is empty.";
  if (host == "0.0.0.0") return "0.0.0.0 is not a server's address.";
  if (isIpv4Address(host) || isHostName(host) || isBracketedIpv6(host)) return {};
  if (host.find(':') != std::string_view::npos && host.front() != '[')
    return "An IPv6 address goes in brackets, as in [::1].";
  return "The host must be an IPv4 address, a host name or an IPv6 address in brackets.";
}

std::string unbracketedHost(std::string_view host) {
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
    return std::string(host.substr(1, host.size() - 2));
  return std::string(host);
}

std::optional<std::uint16_t> parsePort(std::string_view text) {
  if (!allDigits(text) || text.size() > 5) return std::nullopt;
  const int value = std::stoi(std::string(text));
  if (value < 1 || value > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

std::string formatAddress(std::string_view host, std::uint16_t port) {
  return std::string(host) + ':' + std::to_string(port);
}

std::optional<Endpoint> parseAddress(std::string_view text, std::uint16_t defaultPort) {
  if (text.empty()) return std::nullopt;
  std::string_view host = text;
  std::optional<std::uint16_t> port = defaultPort;
  const std::size_t close = text.rfind(']');
  const std::size_t colon = text.rfind(':');
  const bool colonAfterHost =
      colon != std::string_view::npos &&
      (text.front() != '[' || (close != std::string_view::npos && colon > close));
  if (colonAfterHost) {
    host = text.substr(0, colon);
    port = parsePort(text.substr(colon + 1));
  }
  if (!port || !hostProblem(host).empty()) return std::nullopt;
  return Endpoint{std::string(host), *port};
}

}  // namespace rcon
