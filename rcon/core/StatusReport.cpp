// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/StatusReport.h"

#include <algorithm>
#include <initializer_list>

#include "core/Protocol.h"

namespace rcon {

namespace {

// "Response", its line feed and the backslash that opens the settings.
constexpr std::size_t kStatusHeaderLength = 10;
constexpr std::size_t kNameCellWidth = 20;
constexpr std::size_t kShortCellWidth = 3;
constexpr std::string_view kNoTeam = "         ";

// Cuts the field before the first blank off the front of line; nullopt when there is no blank.
std::optional<std::string_view> takeField(std::string_view& line) {
  const std::size_t blank = line.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  const std::string_view field = line.substr(0, blank);
  line.remove_prefix(blank + 1);
  return field;
}

// score, blank, ping, blank, [team code, blank,] quoted name.
std::optional<StatusPlayer> parsePlayerLine(std::string_view line) {
  const std::optional<std::string_view> score = takeField(line);
  if (!score) return std::nullopt;
  const std::optional<std::string_view> ping = takeField(line);
  if (!ping) return std::nullopt;
  StatusPlayer player{std::string(*score), std::string(*ping), std::nullopt, {}};
  // Some servers leave the team code out: the name's quotation mark follows the ping.
  if (!line.starts_with('"')) {
    const std::optional<std::string_view> team = takeField(line);
    if (!team) return std::nullopt;
    player.team = std::string(*team);
  }
  if (line.size() < 2) return std::nullopt;
  player.name = std::string(line.substr(1, line.size() - 2));
  return player;
}

// Right-aligned in 20 characters; a longer name keeps its first 20.
std::string nameCell(std::string_view name) {
  if (name.size() >= kNameCellWidth) return std::string(name.substr(0, kNameCellWidth));
  std::string cell(kNameCellWidth - name.size(), ' ');
  cell.append(name);
  return cell;
}

// Left-aligned in 3 characters; a longer field keeps its first 3.
std::string shortCell(std::string_view field) {
  std::string cell(field.substr(0, kShortCellWidth));
  cell.resize(kShortCellWidth, ' ');
  return cell;
}

std::string_view teamText(const std::optional<std::string>& team) {
  if (!team) return kNoTeam;
  if (*team == "1") return "Red      ";
  if (*team == "2") return "Blue     ";
  if (*team == "3") return "Spectator";
  return *team;
}

}  // namespace

StatusReply parseStatusResponse(std::string_view text) {
  StatusReply reply;
  if (text.size() <= kStatusHeaderLength) return reply;
  reply.settingsTable = true;
  text.remove_prefix(kStatusHeaderLength);
  const std::string_view body = text;

  // The settings are the first line; a backslash further on belongs to a player's name.
  const std::size_t settingsEnd = std::min(text.find('\n'), text.size());
  std::string_view settings = text.substr(0, settingsEnd);
  text.remove_prefix(settingsEnd);  // text now starts at the line feed, if any
  // Sized up front: a full reply holds thousands of entries.
  reply.settings.reserve(
      static_cast<std::size_t>(std::count(settings.begin(), settings.end(), '\\')) / 2 + 1);
  reply.players.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
  bool lastSetting = false;
  std::string_view name;
  for (;;) {
    // Settings that end in a backslash leave no last value and no line feed.
    if (settings.empty() && text.empty()) return reply;
    const std::size_t nameEnd = settings.find('\\');
    if (nameEnd == std::string_view::npos) break;  // no last setting: on to the players
    name = settings.substr(0, nameEnd);
    settings.remove_prefix(nameEnd + 1);
    const std::size_t valueEnd = settings.find('\\');
    if (valueEnd == std::string_view::npos) {
      lastSetting = true;
      break;
    }
    reply.settings.emplace_back(name, settings.substr(0, valueEnd));
    settings.remove_prefix(valueEnd + 1);
  }
  if (lastSetting) {
    // The last value runs up to the line feed, whatever its characters.
    reply.settings.emplace_back(name, settings);
    if (text.empty()) return reply;  // cut short: no line feed ends the settings
    text.remove_prefix(1);
  } else {
    // Whatever is left of the settings line is read as the first player line.
    text = body.substr(body.size() - settings.size() - text.size());
  }

  reply.playerTable = true;
  while (!text.empty()) {
    const std::size_t lineEnd = text.find('\n');
    if (lineEnd == std::string_view::npos) return reply;
    std::optional<StatusPlayer> player = parsePlayerLine(text.substr(0, lineEnd));
    if (!player) return reply;
    reply.players.push_back(std::move(*player));
    text.remove_prefix(lineEnd + 1);
  }
  reply.complete = true;
  return reply;
}

std::vector<std::string> formatStatusReport(const StatusReply& reply) {
  std::vector<std::string> pieces;
  pieces.reserve(reply.settings.size() + reply.players.size() + 4);
  const auto line = [&pieces](std::initializer_list<std::string_view> parts) {
    std::string& piece = pieces.emplace_back();
    for (std::string_view part : parts) piece.append(part);
    piece.append(kCrLf);
  };
  if (reply.settingsTable) {
    pieces.push_back(nameCell("Cvar") +
                     "  Value\r\n--------------------  --------------------\r\n");
  }
  for (const auto& [name, value] : reply.settings) line({nameCell(name), "  ", value});
  if (reply.playerTable) {
    pieces.emplace_back("\r\n   Player List\r\n   ------ ----\r\n");
    pieces.emplace_back(
        "Score Ping    Team    Players\r\n----- ----- --------- --------------------\r\n");
  }
  for (const StatusPlayer& p : reply.players) {
    line({" ", shortCell(p.score), "   ", shortCell(p.ping), "  ", teamText(p.team), " ", p.name});
  }
  pieces.emplace_back(kCrLf);
  return pieces;
}

std::vector<std::string> formatStatusResponse(std::string_view text) {
  return formatStatusReport(parseStatusResponse(text));
}

}  // namespace rcon
