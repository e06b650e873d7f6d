#include "core/Connection.h"

#include <cmath>

#include "core/NumericValue.h"

namespace rcon {

ServerAddress GetServerAddress(const OctetTexts& fields) {
  ServerAddress address;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    address.intIP[i] = fieldValue(fields[i]);
    if (i > 0) address.strServerIP.push_back('.');
    address.strServerIP += std::to_string(address.intIP[i]);
  }
  return address;
}

std::int64_t GetServerPort(std::string_view portText) { return fieldValue(portText); }

Destination CheckDestination(const ServerAddress& address, std::int64_t port) {
  if (address.strServerIP == "0.0.0.0") return Destination::Unset;
  for (std::int64_t octet : address.intIP) {
    if (octet < 0 || octet > 255) return Destination::InvalidAddress;
  }
  if (port < 1 || port > 65535) return Destination::InvalidPort;
  return Destination::Valid;
}

std::string_view RefusalText(Destination refusal) {
  switch (refusal) {
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

OctetCheck CheckOctet(std::string_view text) {
  // Compared as a floating whole number so that values far outside any integer range refuse too.
  const double whole = std::floor(numericValue(text));
  if (!(whole >= 0 && whole <= 255)) return {false, std::string(text)};
  return {true, std::to_string(static_cast<int>(whole))};
}

}  // namespace rcon
