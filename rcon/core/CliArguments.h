#pragma once
// Decisions of the command-line companion about its arguments: the server's address, the
// numbers it takes, which kind of run the options ask for, and the exit statuses.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Defaults.h"

namespace rcon {

enum class CliExit {
  Reply = 0,        // a reply came
  NoReply = 1,      // none within the timeout, or the request could not be sent
  Usage = 2,        // the arguments or a file they name are not usable
  BadPassword = 3,  // the server refused the password
};

struct CliTarget {
  std::string host;  // dotted IPv4, leading zeros removed
  std::uint16_t port = kDefaultServerPort;
};

struct CliTargetResult {
  std::optional<CliTarget> target;
  std::string error;  // one line, when there is no target
};

// "HOST" or "HOST:PORT", with the window's rules: four dotted octets 0 to 255, ports 1 to
// 65535, and "0.0.0.0" refused. Only decimal digits are taken, so a typo is never read as
// some other address.
CliTargetResult ParseTarget(std::string_view text);

// A whole number of decimal digits within [min, max].
std::optional<std::int64_t> ParseWholeNumber(std::string_view text, std::int64_t min,
                                             std::int64_t max);

// Seconds with an optional fraction ("3", "0.5") as milliseconds within [minMs, maxMs].
std::optional<std::int64_t> ParseSecondsAsMs(std::string_view text, std::int64_t minMs,
                                             std::int64_t maxMs);

enum class CliMode { Command, Stdin, Status, Messages };

struct CliChoices {
  bool status = false;
  bool json = false;
  bool messages = false;
  bool interval = false;
  std::size_t commandWords = 0;
  bool firstWordIsOption = false;  // the first COMMAND word begins with "-"
};

struct CliPlan {
  CliMode mode = CliMode::Command;
  std::string error;  // a usage error when not empty
};

CliPlan PlanRun(const CliChoices& choices);

// The password kept in a file: its first line, without the line end.
std::string PasswordFromFile(std::string_view bytes);

}  // namespace rcon
