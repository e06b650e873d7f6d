#include "core/CliArguments.h"

#include <algorithm>
#include <cmath>

#include "core/Connection.h"

namespace rcon {
namespace {

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<std::int64_t> ParseWholeNumber(std::string_view text, std::int64_t min,
                                             std::int64_t max) {
  if (!AllDigits(text)) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    value = value * 10 + (c - '0');
    if (value > max) return std::nullopt;  // also keeps long texts from overflowing
  }
  if (value < min) return std::nullopt;
  return value;
}

std::optional<std::int64_t> ParseSecondsAsMs(std::string_view text, std::int64_t minMs,
                                             std::int64_t maxMs) {
  const std::size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  const std::string_view fraction = dot == std::string_view::npos ? "" : text.substr(dot + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  if ((!whole.empty() && !AllDigits(whole)) || (!fraction.empty() && !AllDigits(fraction))) {
    return std::nullopt;
  }
  const std::optional<std::int64_t> seconds =
      whole.empty() ? 0 : ParseWholeNumber(whole, 0, maxMs / 1000 + 1);
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

CliTargetResult ParseTarget(std::string_view text) {
  const std::size_t colon = text.rfind(':');
  const std::string_view hostText = text.substr(0, colon);
  CliTarget target;
  if (colon != std::string_view::npos) {
    const std::optional<std::int64_t> port = ParseWholeNumber(text.substr(colon + 1), 1, 65535);
    if (!port) return {std::nullopt, "not a valid server port (1 to 65535): " + std::string(text)};
    target.port = static_cast<std::uint16_t>(*port);
  }
  const std::string invalid =
      "not a valid IPv4 address (four numbers 0 to 255 joined by dots): " + std::string(hostText);
  OctetTexts octets;
  std::size_t count = 0;
  for (std::size_t start = 0;; ++count) {
    const std::size_t dot = hostText.find('.', start);
    const std::string_view octet = hostText.substr(start, dot - start);
    if (count >= octets.size() || !AllDigits(octet) || octet.size() > 3) {
      return {std::nullopt, invalid};
    }
    octets[count] = std::string(octet);
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  if (count + 1 != octets.size()) return {std::nullopt, invalid};
  const ServerAddress address = serverAddress(octets);
  switch (checkDestination(address, target.port)) {
    case Destination::Valid:
      break;
    case Destination::Unset:
      return {std::nullopt, "the address 0.0.0.0 names no server"};
    case Destination::InvalidAddress:
    case Destination::InvalidPort:
      return {std::nullopt, invalid};
    case Destination::Broadcast:
      break;
  }
  if (isBroadcastOrMulticast(address, {})) {
    return {std::nullopt,
            "a broadcast or multicast address would send the password to every "
            "machine on the network"};
  }
  target.host = address.dotted;
  return {target, {}};
}

CliPlan PlanRun(const CliChoices& choices) {
  // Everything after HOST is the command, so that "-800" in "set g_gravity -800" goes out as
  // typed; but no server command begins with "-", so that is an option put in the wrong place.
  if (choices.firstWordIsOption) return {CliMode::Command, "options go before HOST[:PORT]"};
  if (choices.status && choices.messages) {
    return {CliMode::Status, "--status and --messages exclude each other"};
  }
  if (choices.json && !choices.status) return {CliMode::Command, "--json goes with --status"};
  if (choices.interval && !choices.messages) {
    return {CliMode::Command, "--interval goes with --messages"};
  }
  if (choices.status) {
    return {CliMode::Status, choices.commandWords > 0 ? "--status takes no COMMAND" : ""};
  }
  if (choices.messages) {
    return {CliMode::Messages, choices.commandWords > 0 ? "--messages takes no COMMAND" : ""};
  }
  return {choices.commandWords == 0 ? CliMode::Stdin : CliMode::Command, {}};
}

std::string PasswordFromFile(std::string_view bytes) {
  return std::string(bytes.substr(0, bytes.find_first_of("\r\n")));
}

}  // namespace rcon
