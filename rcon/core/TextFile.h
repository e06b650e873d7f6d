// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shape of the text files the program writes (console and message list): the text, then one
// line end unless the text already ends with one, so that a file saved, opened and saved again
// keeps its size. The line end is the file's own: CR LF, or LF for a list written that way.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Protocol.h"

namespace rcon {

inline constexpr std::string_view kLf{"\n"};

// The line end a file uses, going by its first line feed: LF when it stands alone, else CR LF
// (also for a file without one, as the program has always written).
std::string_view lineEndOf(std::string_view bytes);

// The text, then `lineEnd` unless the text already ends with it.
std::string textFileBytes(std::string_view text, std::string_view lineEnd = kCrLf);

// Files opened into the console are refused beyond this size.
inline constexpr std::uint64_t kMaxOpenBytes = 64ull * 1024 * 1024;

}  // namespace rcon
