// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the command-line companion lays out text for a terminal: colour codes (core/ColourCodes)
// become colour changes, and the status report's CR LF line ends become line feeds.
#include <string>
#include <string_view>
#include <vector>

#include "core/ColourCodes.h"

namespace rcon {

// Splits text at its colour codes, which are left out. Colour ends with each line: a line
// feed starts a span in the default colour.
std::vector<ColourSpan> colourSpans(std::string_view text);

// The pieces joined, each CR LF turned into a line feed.
std::string joinAsLines(const std::vector<std::string>& pieces);

}  // namespace rcon
