// SPDX-License-Identifier: GPL-3.0-or-later
// numericValue against a reference reading of the same text, and the field rules built on it:
// any text gives the nearest double (or an infinity), never NaN, and the whole parts and octet
// checks agree with it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/Connection.h"
#include "core/NumericValue.h"

namespace {

// The reference: glibc's strtod, which rounds correctly, in the "C" locale the fuzzer runs in.
// It is given only the text the field reads: ignored characters dropped, "D" spelt "e", and
// none of the spellings strtod takes beyond the field's own (hexadecimal "0x", "inf", "nan",
// other leading white space).
bool referenceValue(std::string_view text, double& value) {
  std::string clean;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\n') continue;
    clean.push_back(c == 'd' || c == 'D' ? 'e' : c);
  }
  if (clean.size() >= 2 && clean[0] == '&' &&
      std::string_view("HhOo").find(clean[1]) != std::string_view::npos) {
    return false;  // checked below
  }
  std::size_t start = clean.empty() || (clean[0] != '+' && clean[0] != '-') ? 0 : 1;
  const char first = start < clean.size() ? clean[start] : '\0';
  const bool negative = start == 1 && clean[0] == '-';
  if (!((first >= '0' && first <= '9') || first == '.')) {
    value = 0;
    return true;
  }
  if (first == '0' && start + 1 < clean.size() && (clean[start + 1] | 0x20) == 'x') {
    value = negative ? -0.0 : 0.0;
    return true;
  }
  value = std::strtod(clean.c_str(), nullptr);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = rcon::numericValue(text);
  if (std::isnan(value)) std::abort();
  double reference = 0;
  if (referenceValue(text, reference) && value != reference) std::abort();

  const std::int64_t whole = rcon::wholePart(value);
  if (std::isfinite(value) && std::abs(value) < 1e18 && static_cast<double>(whole) > value) {
    std::abort();
  }
  const rcon::OctetCheck octet = rcon::checkOctet(text);
  if (octet.accepted != (whole >= 0 && whole <= 255)) std::abort();
  if (octet.accepted && rcon::fieldValue(octet.tidied) != whole) std::abort();

  // A text of hexadecimal digits reads as strtod reads it after "0x"; one of octal digits that
  // fits 64 bits as that integer, rounded once.
  if (!text.empty() && text.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos) {
    const std::string hex = "0x" + std::string(text);
    if (rcon::numericValue("&H" + std::string(text)) != std::strtod(hex.c_str(), nullptr)) {
      std::abort();
    }
  }
  if (!text.empty() && text.size() <= 21 &&
      text.find_first_not_of("01234567") == std::string_view::npos) {
    const std::string octal(text);
    const auto exact = static_cast<double>(std::strtoull(octal.c_str(), nullptr, 8));
    if (rcon::numericValue("&O" + octal) != exact) std::abort();
  }

  rcon::OctetTexts fields{std::string(text), "0", std::string(text), "1"};
  const rcon::ServerAddress address = rcon::serverAddress(fields);
  (void)rcon::checkDestination(address, rcon::serverPort(text));
  return 0;
}
