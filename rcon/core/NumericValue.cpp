// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumericValue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace rcon {
namespace {

bool isIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }

std::string withoutIgnored(std::string_view text) {
  std::string clean;
  clean.reserve(text.size());
  for (char c : text) {
    if (!isIgnored(c)) clean.push_back(c);
  }
  return clean;
}

std::string_view leadingRun(std::string_view text, bool (*belongs)(char)) {
  std::size_t length = 0;
  while (length < text.size() && belongs(text[length])) ++length;
  return text.substr(0, length);
}

// Hexadecimal digits, correctly rounded; too many of them give infinity.
double hexValue(std::string_view digits) {
  double value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::hex);
  (void)end;
  if (error == std::errc::result_out_of_range) return std::numeric_limits<double>::infinity();
  return error == std::errc() ? value : 0;
}

// Octal digits regrouped as hexadecimal ones (three bits each into four), so that they round
// the same way.
double octalValue(std::string_view digits) {
  std::string bits((4 - digits.size() * 3 % 4) % 4, '0');
  bits.reserve(bits.size() + digits.size() * 3);
  for (char c : digits) {
    const int digit = c - '0';
    bits.push_back((digit & 4) != 0 ? '1' : '0');
    bits.push_back((digit & 2) != 0 ? '1' : '0');
    bits.push_back((digit & 1) != 0 ? '1' : '0');
  }
  std::string hex;
  hex.reserve(bits.size() / 4);
  for (std::size_t i = 0; i < bits.size(); i += 4) {
    const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                       (bits[i + 3] - '0');
    hex.push_back("0123456789abcdef"[nibble]);
  }
  return hexValue(hex);
}

// Length of the leading decimal number in text, or 0 when there is none.
std::size_t decimalPrefix(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool seenPoint = false;
  bool hasDigits = false;
  for (; i < text.size(); ++i) {
    if (isDigit(text[i]))
      hasDigits = true;
    else if (text[i] == '.' && !seenPoint)
      seenPoint = true;
    else
      break;
  }
  if (!hasDigits) return 0;
  const std::size_t mantissaEnd = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t digitsStart = j;
    while (j < text.size() && isDigit(text[j])) ++j;
    if (j > digitsStart) return j;
  }
  return mantissaEnd;
}

// For an unsigned number that no double holds: whether it is too large rather than too small.
// Its first significant digit stands at a power of ten at or above 10^308 or below 10^-323, so
// the sign of that power tells the two apart; the exponent is read saturated.
bool overflows(std::string_view number) {
  const std::size_t e = number.find('e');
  std::int64_t power = 0;
  if (e != std::string_view::npos) {
    std::string_view exponent = number.substr(e + 1);
    const bool negative = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) exponent.remove_prefix(1);
    constexpr std::int64_t kCap = std::int64_t{1} << 48;
    for (char c : exponent) power = std::min(power * 10 + (c - '0'), kCap);
    if (negative) power = -power;
    number = number.substr(0, e);
  }
  const std::size_t point = std::min(number.find('.'), number.size());
  const std::size_t first = number.find_first_not_of("0.");
  if (first == std::string_view::npos) return false;
  if (first < point) return power + static_cast<std::int64_t>(point - first) - 1 >= 0;
  return power - static_cast<std::int64_t>(first - point) >= 0;
}

double decimalValue(std::string_view text) {
  const std::size_t length = decimalPrefix(text);
  if (length == 0) return 0;

  // from_chars takes neither a leading "+" nor "D" as an exponent letter, and ignores the locale.
  std::string number(text.substr(0, length));
  bool negative = false;
  if (number[0] == '+' || number[0] == '-') {
    negative = number[0] == '-';
    number.erase(0, 1);
  }
  for (char& c : number) {
    if (c == 'd' || c == 'D' || c == 'E') c = 'e';
  }
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // Rounded to nearest, as from_chars does within range: infinity or zero.
    value = overflows(number) ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc()) {
    value = 0;
  }
  return negative ? -value : value;
}

}  // namespace

double numericValue(std::string_view text) {
  const std::string clean = withoutIgnored(text);
  const std::string_view view = clean;
  if (view.size() >= 2 && view[0] == '&') {
    if (view[1] == 'H' || view[1] == 'h') return hexValue(leadingRun(view.substr(2), isHexDigit));
    if (view[1] == 'O' || view[1] == 'o') {
      return octalValue(leadingRun(view.substr(2), isOctalDigit));
    }
  }
  return decimalValue(view);
}

std::int64_t wholePart(double value) {
  if (std::isnan(value)) return 0;
  const double floored = std::floor(value);
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (floored >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (floored < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(floored);
}

std::int64_t fieldValue(std::string_view text) { return wholePart(numericValue(text)); }

}  // namespace rcon
