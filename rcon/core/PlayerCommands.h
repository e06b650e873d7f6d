// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The players window's actions as command templates: "{slot}", "{ip}", "{name}" and "{text}"
// are filled in from a player and the text typed. Each saved server may carry its own
// templates in its options ("kick", "ban", "tell").
#include <optional>
#include <string>
#include <string_view>

#include "core/ServerList.h"
#include "core/StatusTable.h"

namespace rcon {

enum class PlayerAction { Kick, Ban, Tell };

// The option key of an action's template, and the template used when a server has none.
std::string_view actionKey(PlayerAction action);
std::string_view defaultTemplate(PlayerAction action);
std::string actionTemplate(PlayerAction action, const ServerOptions* options);

// The command for one player, or nothing when a placeholder it uses has no value for that
// player (a bot has no address; a player from a status reply has no slot). text goes in quoted,
// as one argument.
std::optional<std::string> fillTemplate(std::string_view pattern, const PlayerRow& player,
                                        std::string_view text = {});

// Empty when text may be sent as one argument; else why not, as one sentence. A line feed, a
// semicolon or a quotation mark would let the server read the rest as another command.
std::string tellTextProblem(std::string_view text);

}  // namespace rcon
