// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lenient leading-number reading shared by every numeric field (octets, port, interval).
#include <cstdint>
#include <string_view>

namespace rcon {

// Blanks, tabs and line feeds are ignored wherever they stand; "&H"/"&O" read hexadecimal or
// octal digits; otherwise the longest leading decimal number (sign, one ".", exponent E or D)
// is read with "." as the separator whatever the locale. No leading number gives 0. The digits
// are rounded to the nearest double, as a correct decimal reader does: beyond the largest
// double that is infinity, below the smallest one zero, whatever the number of digits.
double numericValue(std::string_view text);

// The largest integer not greater than value, saturated to the 64-bit range (NaN gives 0), so
// that absurd field texts such as 9e99 never wrap.
std::int64_t wholePart(double value);

// wholePart(numericValue(text)): the value of a numeric field.
std::int64_t fieldValue(std::string_view text);

}  // namespace rcon
