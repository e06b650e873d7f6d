// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status reply ("statusResponse") parsed into settings and players, and the fixed-width
// report the console shows for it.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rcon {

struct StatusPlayer {
  std::string score;
  std::string ping;
  std::optional<std::string> team;  // nullopt: the line has no team code
  std::string name;                 // without its quotation marks
};

// One status reply as read, in reply order. A reply that leaves the expected layout is read up
// to that point: the flags say which parts of the report it still reaches.
struct StatusReply {
  bool settingsTable = false;  // the "Cvar"/"Value" heading is written
  std::vector<std::pair<std::string, std::string>> settings;  // duplicates kept
  bool playerTable = false;                                   // the player heading is written
  std::vector<StatusPlayer> players;
  bool complete = false;  // read to its end without leaving the layout
};

// text is the reply after its ten-byte header, beginning with "Response".
StatusReply parseStatusResponse(std::string_view text);

// The report, one element per console append; the last one is always the closing "\r\n".
std::vector<std::string> formatStatusReport(const StatusReply& reply);

// Both in one: what the console receives for a status reply.
std::vector<std::string> formatStatusResponse(std::string_view text);

}  // namespace rcon
