#pragma once
// The shape of the text files the program writes (console and message list): the text, then
// CR LF unless the text already ends with one, so that a file saved, opened and saved again
// keeps its size.
#include <cstdint>
#include <string>
#include <string_view>

namespace rcon {

std::string textFileBytes(std::string_view text);

// Files opened into the console are refused beyond this size.
inline constexpr std::uint64_t kMaxOpenBytes = 64ull * 1024 * 1024;

}  // namespace rcon
