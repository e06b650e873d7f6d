// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decisions of vortane-rcon about its arguments: where to send, the numbers it takes, which
// kind of run the options ask for, and the exit statuses.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include "core/Defaults.h"

namespace rcon {

// Over several servers, the run exits with the highest of these.
enum class CliExit {
  Reply = 0,         // a reply came
  NoReply = 1,       // none within the timeout or the deadline, or the request was not sent
  Usage = 2,         // the arguments, a file they name or the password are not usable
  BadPassword = 3,   // the server refused the password
  OutputFailed = 4,  // standard output could not be written
};

enum class HostKind {
  Ipv4,   // dotted, leading zeros removed
  Ipv6,   // the literal written in brackets, without them
  Name,   // a host name, resolved once per run
  Saved,  // "@NAME": a saved server, a group, or "all"; host is the name, port unused
};

struct CliTarget {
  std::string host;
  std::uint16_t port = kDefaultServerPort;
  HostKind kind = HostKind::Ipv4;
};

struct CliTargetResult {
  std::optional<CliTarget> target;
  std::string error;  // one line, when there is no target
};

// "HOST", "HOST:PORT", "[IPV6]", "[IPV6]:PORT" or "@NAME". A HOST of digits and dots must be a
// dotted IPv4 address (four numbers 0 to 255, "0.0.0.0" refused), so a typo is never sent to
// some other address.
CliTargetResult parseTarget(std::string_view text);

// "address:port" as the socket names a sender: an IPv6 address in brackets.
std::string senderName(std::string_view address, std::uint16_t port);

// A whole number of decimal digits within [min, max].
std::optional<std::int64_t> parseWholeNumber(std::string_view text, std::int64_t min,
                                             std::int64_t max);

// Seconds with an optional fraction ("3", "0.5") as milliseconds within [minMs, maxMs].
std::optional<std::int64_t> parseSecondsAsMs(std::string_view text, std::int64_t minMs,
                                             std::int64_t maxMs);

enum class CliMode { Command, Stdin, Shell, Status, Messages };

struct CliChoices {
  bool status = false;
  bool json = false;
  bool prometheus = false;  // --format prometheus
  bool messages = false;
  bool interval = false;
  std::vector<std::string> words;       // the positional arguments, "--" left out
  std::optional<std::size_t> dashDash;  // how many words came before "--"
  bool inputIsTerminal = false;
};

struct CliPlan {
  CliMode mode = CliMode::Command;
  std::vector<std::string> targets;
  std::vector<std::string> command;
  std::string error;  // a usage error when not empty
};

// Without "--", the first word names the server and the rest is the command; with --status or
// --messages every word names a server. "--" ends the servers, and the options: a command
// after it may begin with "-".
CliPlan planRun(const CliChoices& choices);

// The password kept in a file: its first line, without the line end.
std::string passwordFromFile(std::string_view bytes);

// A command line split into words as a shell would, without running one: blanks separate,
// quotes group ('...' literally, "..." with \" and \\), a backslash takes the next character.
// Nothing for an unclosed quote.
std::optional<std::vector<std::string>> splitWords(std::string_view line);

}  // namespace rcon
