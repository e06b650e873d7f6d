// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PlayerCommands.h"

namespace rcon {

std::string_view actionKey(PlayerAction action) {
  switch (action) {
    case PlayerAction::Kick:
      return "kick";
    case PlayerAction::Ban:
      return "ban";
    case PlayerAction::Tell:
      return "tell";
  }
  return {};
}

std::string_view defaultTemplate(PlayerAction action) {
  switch (action) {
    case PlayerAction::Kick:
      return "clientkick {slot}";
    case PlayerAction::Ban:
      return "banaddr {ip}";
    case PlayerAction::Tell:
      return "tell {slot} {text}";
  }
  return {};
}

std::string actionTemplate(PlayerAction action, const ServerOptions* options) {
  if (options != nullptr) {
    const auto found = options->find(actionKey(action));
    if (found != options->end() && !found->second.empty()) return found->second;
  }
  return std::string(defaultTemplate(action));
}

std::optional<std::string> fillTemplate(std::string_view pattern, const PlayerRow& player,
                                        std::string_view text) {
  std::string command;
  while (!pattern.empty()) {
    const std::size_t open = pattern.find('{');
    const std::size_t close = pattern.find('}', open);
    if (open == std::string_view::npos || close == std::string_view::npos) break;
    command.append(pattern.substr(0, open));
    const std::string_view name = pattern.substr(open + 1, close - open - 1);
    std::optional<std::string> value;
    if (name == "slot") {
      if (player.slot) value = std::to_string(*player.slot);
    } else if (name == "ip") {
      value = player.ip();
    } else if (name == "name") {
      value = '"' + player.name + '"';
    } else if (name == "text") {
      value = '"' + std::string(text) + '"';
    } else {
      value = std::string(pattern.substr(open, close - open + 1));  // not ours: kept
    }
    if (!value) return std::nullopt;
    command += *value;
    pattern.remove_prefix(close + 1);
  }
  command.append(pattern);
  return command;
}

std::string tellTextProblem(std::string_view text) {
  if (text.find_first_of("\r\n") != std::string_view::npos) {
    return "The text may not hold a line break: the server would run the rest as a command.";
  }
  if (text.find(';') != std::string_view::npos) {
    return "The text may not hold a semicolon: the server would run the rest as a command.";
  }
  if (text.find('"') != std::string_view::npos) {
    return "The text may not hold a double quotation mark: it would end the quoted text and "
           "the server could run the rest as a command.";
  }
  if (text.empty()) return "Type the text to send.";
  return {};
}

}  // namespace rcon
