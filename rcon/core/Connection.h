// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's connection state: the address built from the octet fields, the port, and the
// rules that decide whether a request may leave.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rcon {

using OctetTexts = std::array<std::string, 4>;

struct ServerAddress {
  std::array<std::int64_t, 4> octets{};  // whole parts of the four fields, never wrapped
  std::string dotted;                    // the four values joined with "."
};

// Whole part of each octet field, joined with "." (negative values keep their "-").
ServerAddress serverAddress(const OctetTexts& fields);

// Whole part of the port field (empty or no number gives 0).
std::int64_t serverPort(std::string_view portText);

enum class Destination {
  Valid,
  Unset,           // "0.0.0.0": the address was never entered
  InvalidAddress,  // an octet outside 0 to 255
  InvalidPort,     // outside 1 to 65535
  Broadcast,       // would reach every machine on a network, password and all
};

Destination checkDestination(const ServerAddress& address, std::int64_t port);

// 255.255.255.255, a multicast address (224.0.0.0/4) or one of the given broadcast addresses.
bool isBroadcastOrMulticast(const ServerAddress& address,
                            const std::vector<std::string>& localBroadcasts);

// The text each refusal shows, titled kMainTitle, with the exclamation icon.
std::string_view refusalText(Destination refusal);

// What leaving an octet field does with its text: accept it tidied to its whole part
// ("007" gives "7", "" gives "0"), or refuse it (outside 0 to 255) and leave it as typed.
struct OctetCheck {
  bool accepted = false;
  std::string tidied;
};
OctetCheck checkOctet(std::string_view text);
inline constexpr std::string_view kOctetRefusal{"Please enter a value between 0 and 255."};

// The title of every message box of the main window and the options dialog.
inline constexpr std::string_view kMainTitle{"Vortane Rcon"};

}  // namespace rcon
