// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replies in forms for programs: JSON lines (docs/vortane-rcon.schema.json describes every one)
// and the status as metrics for a text-file collector.
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "core/StatusReport.h"

namespace cli {

using Json = nlohmann::ordered_json;

// {"settings": {name: value, ...} in the server's order, "players": [{"score", "ping", "team",
// "name", "name_plain"}, ...]}. A setting named twice keeps its last value; score and ping are
// numbers, or null when the server's field is not one; team is null for a line without one.
Json statusJson(const rcon::StatusReply& reply);

// {"server", "command", "reply", "elapsed_ms"}
Json commandJson(const std::string& server, const std::string& command, const std::string& reply,
                 std::int64_t elapsedMs);

// One JSON value on a line of its own.
std::string jsonLine(const Json& value);

struct ServerStatus {
  std::string server;
  std::optional<rcon::StatusReply> reply;  // nothing: the server did not answer
};

// Per server: whether it answered, gauges for players (ping above 0), bots (ping 0) and the
// most clients it takes (sv_maxclients), and an info metric with the map as a label.
std::string prometheusMetrics(const std::vector<ServerStatus>& servers);

}  // namespace cli
