// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The players on a server, read from the rcon command "status" or, without the password, from
// the status reply. Two table layouts are in use:
//   cl score ping name address rate                        (with a "map:" line and dashes)
//   num score ping name lastmsg address qport rate
// The name column is padded by the name's visible length, so colour codes shift every column
// after it: slot, score and ping are read from the left, the address and what follows it from
// the right, and the name is what lies between.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/StatusReport.h"

namespace rcon {

struct PlayerRow {
  std::optional<int> slot;  // nothing for a status reply's players
  long score = 0;
  std::string ping;                    // milliseconds, or a state word such as CNCT or ZMBI
  std::string name;                    // as sent, colour codes included
  std::optional<std::string> address;  // as sent ("bot", "loopback", "1.2.3.4:27960", ...)

  // The address without colour codes or port, when the player has one a command can name;
  // a bot or the server's own player has none.
  std::optional<std::string> ip() const;
  // Ping as a number for sorting; words sort after every number.
  long pingValue() const;
};

struct StatusTable {
  std::string map;
  std::vector<PlayerRow> players;
  // Lines that fit neither layout, as they came: shown, never dropped silently.
  std::vector<std::string> unread;
};

// text is the whole reply to "status", joined from its datagrams.
StatusTable parseStatusOutput(std::string_view text);

// The players of a status reply (text as parseStatusResponse takes it): no slot, no address.
StatusTable playersFromStatusReply(std::string_view text);

}  // namespace rcon
