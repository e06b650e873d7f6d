#include "core/NumericValue.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace rcon {
namespace {

bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string WithoutIgnored(std::string_view text) {
  std::string clean;
  clean.reserve(text.size());
  for (char c : text) {
    if (!IsIgnored(c)) clean.push_back(c);
  }
  return clean;
}

double RadixValue(std::string_view digits, int radix) {
  double value = 0;
  for (char c : digits) {
    int digit = -1;
    if (IsDigit(c))
      digit = c - '0';
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    if (digit < 0 || digit >= radix) break;
    value = value * radix + digit;
  }
  return value;
}

// Length of the leading decimal number in text, or 0 when there is none.
std::size_t DecimalPrefix(std::string_view text, bool& hasDigits) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool seenPoint = false;
  hasDigits = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i]))
      hasDigits = true;
    else if (text[i] == '.' && !seenPoint)
      seenPoint = true;
    else
      break;
  }
  if (!hasDigits) return 0;
  std::size_t mantissaEnd = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t digitsStart = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j > digitsStart) return j;
  }
  return mantissaEnd;
}

}  // namespace

double NumericValue(std::string_view text) {
  const std::string clean = WithoutIgnored(text);
  std::string_view view = clean;
  if (view.size() >= 2 && view[0] == '&') {
    if (view[1] == 'H' || view[1] == 'h') return RadixValue(view.substr(2), 16);
    if (view[1] == 'O' || view[1] == 'o') return RadixValue(view.substr(2), 8);
  }
  bool hasDigits = false;
  const std::size_t length = DecimalPrefix(view, hasDigits);
  if (length == 0) return 0;

  // from_chars takes neither a leading "+" nor "D" as an exponent letter, and ignores the locale.
  std::string number(view.substr(0, length));
  bool negative = false;
  if (number[0] == '+' || number[0] == '-') {
    negative = number[0] == '-';
    number.erase(0, 1);
  }
  for (char& c : number) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // Either far too large or too small to hold: tell the two apart by the exponent's sign.
    const auto e = number.find('e');
    const bool tiny = e != std::string::npos && e + 1 < number.size() && number[e + 1] == '-';
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  } else if (error != std::errc()) {
    value = 0;
  }
  return negative ? -value : value;
}

std::int64_t WholePart(double value) {
  if (std::isnan(value)) return 0;
  const double floored = std::floor(value);
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (floored >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (floored < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(floored);
}

std::int64_t FieldValue(std::string_view text) { return WholePart(NumericValue(text)); }

}  // namespace rcon
