// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Connection.h"

#include <cmath>

#include "core/NumericValue.h"

namespace rcon {

ServerAddress serverAddress(const OctetTexts& fields) {
  ServerAddress address;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    address.octets[i] = fieldValue(fields[i]);
    if (i > 0) address.dotted.push_back('.');
    address.dotted += std::to_string(address.octets[i]);
  }
  return address;
}

std::int64_t serverPort(std::string_view portText) { return fieldValue(portText); }

Destination checkDestination(const ServerAddress& address, std::int64_t port) {
  if (address.dotted == "0.0.0.0") return Destination::Unset;
  for (std::int64_t octet : address.octets) {
    if (octet < 0 || octet > 255) return Destination::InvalidAddress;
  }
  if (port < 1 || port > 65535) return Destination::InvalidPort;
  return Destination::Valid;
}

bool isBroadcastOrMulticast(const ServerAddress& address,
                            const std::vector<std::string>& localBroadcasts) {
  if (address.dotted == "255.255.255.255") return true;
  if (address.octets[0] >= 224 && address.octets[0] <= 239) return true;
  for (const std::string& broadcast : localBroadcasts) {
    if (address.dotted == broadcast) return true;
  }
  return false;
}

std::string_view refusalText(Destination refusal) {
  switch (refusal) {
    case Destination::Broadcast:
      return "That is a broadcast or multicast address: the password would go to every machine "
             "on the network. Nothing was sent.";
    case Destination::Unset:
    case Destination::InvalidAddress:
      return "Please enter a valid IP address.";
    case Destination::InvalidPort:
      return "Please enter a valid server port.";
    case Destination::Valid:
      break;
  }
  return {};
}

OctetCheck checkOctet(std::string_view text) {
  // Compared as a floating whole number so that values far outside any integer range refuse too.
  const double whole = std::floor(numericValue(text));
  if (!(whole >= 0 && whole <= 255)) return {false, std::string(text)};
  return {true, std::to_string(static_cast<int>(whole))};
}

}  // namespace rcon
