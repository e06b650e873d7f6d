#pragma once
// The status reply ("statusResponse") parsed into settings and players, and the fixed-width
// report the console shows for it.
#include <string>
#include <string_view>
#include <vector>

namespace rcon {

// The report as the console receives it, one element per console append.
// text is the reply after its ten-byte header, beginning with "Response".
std::vector<std::string> FormatStatusResponse(std::string_view text);

}  // namespace rcon
