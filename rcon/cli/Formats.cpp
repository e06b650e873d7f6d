// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Formats.h"

#include <algorithm>

#include "cli/Output.h"
#include "core/CliArguments.h"

namespace cli {
namespace {

// Far inside the range a JSON number holds exactly.
constexpr std::int64_t kLargestNumber = 999999999999LL;

std::optional<std::int64_t> wholeNumber(std::string_view text) {
  const bool negative = text.starts_with('-');
  const std::optional<std::int64_t> value =
      rcon::parseWholeNumber(text.substr(negative ? 1 : 0), 0, kLargestNumber);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

Json number(std::string_view text) {
  const std::optional<std::int64_t> value = wholeNumber(text);
  return value ? Json(*value) : Json(nullptr);
}

std::string setting(const rcon::StatusReply& reply, std::string_view name) {
  std::string value;
  for (const auto& [key, text] : reply.settings) {
    if (key == name) value = text;
  }
  return value;
}

// A label value: backslash, quotation mark and line feed escaped.
std::string label(const std::string& utf8Text) {
  std::string escaped;
  for (char c : utf8Text) {
    if (c == '\\' || c == '"') escaped += '\\';
    escaped += c == '\n' ? std::string("\\n") : std::string(1, c);
  }
  return escaped;
}

}  // namespace

Json statusJson(const rcon::StatusReply& reply) {
  Json settings = Json::object();
  for (const auto& [name, value] : reply.settings) settings[utf8(name)] = utf8(value);
  Json players = Json::array();
  for (const rcon::StatusPlayer& player : reply.players) {
    players.push_back({{"score", number(player.score)},
                       {"ping", number(player.ping)},
                       {"team", player.team ? Json(utf8(*player.team)) : Json(nullptr)},
                       {"name", utf8(player.name)},
                       {"name_plain", plainUtf8(player.name)}});
  }
  return {{"settings", std::move(settings)}, {"players", std::move(players)}};
}

Json commandJson(const std::string& server, const std::string& command, const std::string& reply,
                 std::int64_t elapsedMs) {
  return {{"server", server},
          {"command", utf8(command)},
          {"reply", utf8(reply)},
          {"elapsed_ms", elapsedMs}};
}

std::string jsonLine(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace) + '\n';
}

std::string prometheusMetrics(const std::vector<ServerStatus>& servers) {
  std::string out;
  // Each metric once, with a line per server.
  const auto family = [&](const char* name, const char* help, const auto& valueOf) {
    out += std::string("# HELP ") + name + ' ' + help + "\n# TYPE " + name + " gauge\n";
    for (const ServerStatus& server : servers) {
      const std::string at = "server=\"" + label(server.server) + '"';
      if (const std::optional<std::string> line = valueOf(server, at)) out += name + *line + '\n';
    }
  };
  family("vortane_up", "Whether the server answered the status request.",
         [](const ServerStatus& s, const std::string& at) -> std::optional<std::string> {
           return '{' + at + "} " + (s.reply ? "1" : "0");
         });
  const auto count = [](bool bots) {
    return [bots](const ServerStatus& s, const std::string& at) -> std::optional<std::string> {
      if (!s.reply) return std::nullopt;
      const auto n =
          std::count_if(s.reply->players.begin(), s.reply->players.end(),
                        [bots](const rcon::StatusPlayer& p) { return (p.ping == "0") == bots; });
      return '{' + at + "} " + std::to_string(n);
    };
  };
  family("vortane_players", "Players on the server, bots left out.", count(false));
  family("vortane_bots", "Bots on the server (ping 0).", count(true));
  family("vortane_max_clients", "The most clients the server takes (sv_maxclients).",
         [](const ServerStatus& s, const std::string& at) -> std::optional<std::string> {
           if (!s.reply) return std::nullopt;
           const std::optional<std::int64_t> n = wholeNumber(setting(*s.reply, "sv_maxclients"));
           return '{' + at + "} " + (n ? std::to_string(*n) : std::string("NaN"));
         });
  family("vortane_map_info", "The map being played, as a label.",
         [](const ServerStatus& s, const std::string& at) -> std::optional<std::string> {
           if (!s.reply) return std::nullopt;
           return '{' + at + ",map=\"" + label(plainUtf8(setting(*s.reply, "mapname"))) + "\"} 1";
         });
  return out;
}

}  // namespace cli
