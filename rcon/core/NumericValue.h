#pragma once
// The lenient leading-number reading shared by every numeric field (octets, port, interval).
#include <cstdint>
#include <string_view>

namespace rcon {

// Blanks, tabs and line feeds are ignored wherever they stand; "&H"/"&O" read hexadecimal or
// octal digits; otherwise the longest leading decimal number (sign, one ".", exponent E or D)
// is read with "." as the separator whatever the locale. No leading number gives 0.
double NumericValue(std::string_view text);

// The largest integer not greater than value, saturated to the 64-bit range (NaN gives 0), so
// that absurd field texts such as 9e99 never wrap.
std::int64_t WholePart(double value);

// WholePart(NumericValue(text)): the value of a numeric field.
std::int64_t FieldValue(std::string_view text);

}  // namespace rcon
