// NumericValue and the field rules built on it: any text gives a finite or infinite number,
// never NaN, and the whole parts and octet checks agree with it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/Connection.h"
#include "core/NumericValue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = rcon::NumericValue(text);
  if (std::isnan(value)) std::abort();
  const std::int64_t whole = rcon::WholePart(value);
  if (std::isfinite(value) && std::abs(value) < 1e18 && static_cast<double>(whole) > value) {
    std::abort();
  }
  const rcon::OctetCheck octet = rcon::checkOctet(text);
  if (octet.accepted != (whole >= 0 && whole <= 255)) std::abort();
  if (octet.accepted && rcon::FieldValue(octet.tidied) != whole) std::abort();

  rcon::OctetTexts fields{std::string(text), "0", std::string(text), "1"};
  const rcon::ServerAddress address = rcon::serverAddress(fields);
  (void)rcon::checkDestination(address, rcon::serverPort(text));
  return 0;
}
