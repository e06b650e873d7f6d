// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a server is: the host forms the program accepts (an IPv4 address, a host name, or an
// IPv6 literal in brackets), ports, and "host:port" text as shown and typed.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rcon {

bool isIpv4Address(std::string_view text);    // four decimal octets, 0 to 255
bool isHostName(std::string_view text);       // letters, digits, '-' and '_' in dotted labels
bool isBracketedIpv6(std::string_view text);  // "[::1]", "[2001:db8::7]"

// Empty when the host is one of the accepted forms, else why not, as one sentence.
std::string hostProblem(std::string_view host);

// The host as a resolver or socket takes it: an IPv6 literal without its brackets.
std::string unbracketedHost(std::string_view host);

// Decimal digits only, 1 to 65535.
std::optional<std::uint16_t> parsePort(std::string_view text);

struct Endpoint {
  std::string host;  // an accepted form; IPv6 keeps its brackets
  std::uint16_t port = 0;
  bool operator==(const Endpoint&) const = default;
};

// "host:port"; an IPv6 host is already bracketed, so "[::1]:20100".
std::string formatAddress(std::string_view host, std::uint16_t port);

// "host", "host:port", "[v6]" or "[v6]:port"; nothing when the host or port is not accepted.
// A bare IPv6 literal is refused: its colons would be read as the port's.
std::optional<Endpoint> parseAddress(std::string_view text, std::uint16_t defaultPort);

}  // namespace rcon
