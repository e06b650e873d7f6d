#include "core/StatusReport.h"

namespace rcon {

// Placeholder until the formatter lands: ends the report with its closing empty line.
std::vector<std::string> FormatStatusResponse(std::string_view) { return {"\r\n"}; }

}  // namespace rcon
