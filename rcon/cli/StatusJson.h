#pragma once
// The status reply as one JSON object, for scripts.
#include <QByteArray>

#include "core/StatusReport.h"

namespace cli {

// {"settings": {name: value, ...}, "players": [{"score", "ping", "team", "name"}, ...]}, then a
// line feed. A setting named twice keeps its last value; "team" is null for a line without a
// team code. Scores and pings that are whole numbers are numbers, anything else stays text.
QByteArray StatusJson(const rcon::StatusReply& reply);

}  // namespace cli
