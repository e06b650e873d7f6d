// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a printed console looks like, apart from the printer: a banner indented by ten character
// cells, an empty line, then the console's lines, broken where they would pass the printable
// width. The banner is on the first page only; there are no page numbers.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rcon {

inline constexpr std::string_view kPrintBanner{"Vortane - Remote Console Utility - by Quorlen"};
inline constexpr std::string_view kPrintFontName{"lucida console"};
inline constexpr double kBannerPointSize = 10;
inline constexpr double kTextPointSize = 8;
// The banner starts in print column 11: ten cells of the banner's font in from the margin.
inline constexpr int kBannerIndentCells = 10;
inline constexpr int kTabCells = 8;

// The console's lines as printed: a line ends at each line feed (a carriage return right before
// it belongs to the break), tabs are expanded, and a line longer than columns characters goes
// on in the next one. A final line break ends the last line rather than starting another.
std::vector<std::string> printLines(std::string_view text, std::size_t columns);

}  // namespace rcon
