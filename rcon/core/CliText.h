#pragma once
// How the command-line companion lays out text for a terminal: colour codes (core/ColourCodes)
// become colour changes, and the status report's CR LF line ends become line feeds.
#include <optional>
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

// A message list read from a file for the scheduler: a line feed without its carriage return
// (a file written on this system) still ends a message. Nothing when the list holds no message.
std::optional<std::string> messageList(std::string_view fileBytes);

}  // namespace rcon
