// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/StatusTable.h"

#include <algorithm>
#include <charconv>

#include "core/ColourCodes.h"

namespace rcon {
namespace {

struct Token {
  std::string_view text;
  std::size_t begin = 0;
  std::size_t end = 0;
};

// What a column after the name must hold.
enum class Column { Number, Address, Any };
using Layout = std::vector<Column>;

const Layout kNewerLayout{Column::Address, Column::Number};
const Layout kOlderLayout{Column::Number, Column::Address, Column::Number, Column::Number};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<Token> split(std::string_view line) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && isBlank(line[i])) ++i;
    const std::size_t begin = i;
    while (i < line.size() && !isBlank(line[i])) ++i;
    if (i > begin) tokens.push_back({line.substr(begin, i - begin), begin, i});
  }
  return tokens;
}

template <typename Number>
std::optional<Number> number(std::string_view text, bool negative) {
  if (text.empty() || (!negative && text.front() == '-')) return std::nullopt;
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool isDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A client's state instead of its ping: CNCT while connecting, ZMBI after leaving.
bool isPingWord(std::string_view text) {
  return !text.empty() && text.size() <= 8 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

bool isPort(std::string_view text) {
  const auto port = number<unsigned>(text, false);
  return isDigits(text) && port && *port <= 65535;
}

bool isIpv4(std::string_view text) {
  for (int group = 0; group < 4; ++group) {
    const std::size_t dot = group < 3 ? text.find('.') : text.size();
    if (dot == std::string_view::npos) return false;
    const std::string_view part = text.substr(0, dot);
    const auto value = number<unsigned>(part, false);
    if (!isDigits(part) || part.size() > 3 || !value || *value > 255) return false;
    text.remove_prefix(group < 3 ? dot + 1 : dot);
  }
  return true;
}

bool isIpv6(std::string_view text) {
  return text.find(':') != std::string_view::npos &&
         std::all_of(text.begin(), text.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') ||
                  c == ':' || c == '.';
         });
}

// Colour codes in front of an address ("^7bot"); one further in makes it no address.
std::string_view withoutLeadingCodes(std::string_view text) {
  while (isColourEscape(text, 0)) text.remove_prefix(2);
  return text;
}

// bot, loopback, IPv4 or bracketed IPv6 with an optional port; a colour code may lead.
bool isAddress(std::string_view raw) {
  const std::string_view text = withoutLeadingCodes(raw);
  if (text == "bot" || text == "loopback" || text == "localhost") return true;
  std::string_view host = text;
  std::string_view port;
  if (text.starts_with('[')) {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return false;
    host = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty() && (!rest.starts_with(':') || !isPort(rest.substr(1)))) return false;
    return isIpv6(host);
  }
  const std::size_t colon = text.find(':');
  if (colon != std::string_view::npos) {
    host = text.substr(0, colon);
    port = text.substr(colon + 1);
    if (!isPort(port)) return false;
  }
  return isIpv4(host);
}

bool fits(std::string_view text, Column column) {
  switch (column) {
    case Column::Number:
      return number<long>(text, true).has_value();
    case Column::Address:
      return isAddress(text);
    case Column::Any:
      return true;
  }
  return false;
}

// The columns after the name in a heading line, or nothing when line is not one.
std::optional<Layout> headingLayout(const std::vector<Token>& tokens) {
  if (tokens.size() < 4 || (tokens[0].text != "cl" && tokens[0].text != "num") ||
      tokens[1].text != "score" || tokens[2].text != "ping" || tokens[3].text != "name") {
    return std::nullopt;
  }
  Layout layout;
  for (std::size_t i = 4; i < tokens.size(); ++i) {
    const std::string_view name = tokens[i].text;
    layout.push_back(name == "address"                                        ? Column::Address
                     : name == "lastmsg" || name == "qport" || name == "rate" ? Column::Number
                                                                              : Column::Any);
  }
  return layout;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<PlayerRow> readRow(std::string_view line, const std::vector<Token>& tokens,
                                 const Layout& layout) {
  if (tokens.size() < 3 + layout.size()) return std::nullopt;
  const auto slot = number<int>(tokens[0].text, false);
  const auto score = number<long>(tokens[1].text, true);
  const std::string_view ping = tokens[2].text;
  if (!slot || !score || !(isDigits(ping) || isPingWord(ping))) return std::nullopt;
  const std::size_t right = tokens.size() - layout.size();
  PlayerRow row{*slot, *score, std::string(ping), {}, {}};
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const std::string_view text = tokens[right + i].text;
    if (!fits(text, layout[i])) return std::nullopt;
    if (layout[i] == Column::Address && !row.address) row.address = std::string(text);
  }
  // A heading with no column after the name leaves the name the rest of the line.
  const std::size_t nameBegin = tokens[2].end;
  const std::size_t nameEnd = right < tokens.size() ? tokens[right].begin : line.size();
  row.name = std::string(trimmed(line.substr(nameBegin, nameEnd - nameBegin)));
  return row;
}

}  // namespace

std::optional<std::string> PlayerRow::ip() const {
  if (!address) return std::nullopt;
  const std::string_view plain = withoutLeadingCodes(*address);
  if (plain.starts_with('[')) return std::string(plain.substr(1, plain.find(']') - 1));
  const std::string_view host = plain.substr(0, plain.find(':'));
  if (!isIpv4(host)) return std::nullopt;  // bot, loopback
  return std::string(host);
}

long PlayerRow::pingValue() const {
  const auto value = number<long>(ping, false);
  return value && isDigits(ping) ? *value : 1'000'000;
}

StatusTable parseStatusOutput(std::string_view text) {
  StatusTable table;
  std::optional<Layout> layout;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::vector<Token> tokens = split(line);
    if (tokens.empty()) continue;
    if (tokens[0].text == "map:") {
      table.map = std::string(trimmed(line.substr(tokens[0].end)));
      continue;
    }
    if (std::optional<Layout> heading = headingLayout(tokens)) {
      layout = std::move(heading);
      continue;
    }
    if (line.find_first_not_of(" -") == std::string_view::npos) continue;  // the dashes
    std::optional<PlayerRow> row;
    if (layout) {
      row = readRow(line, tokens, *layout);
    } else {  // the heading never came: either layout will do
      row = readRow(line, tokens, kOlderLayout);
      if (!row) row = readRow(line, tokens, kNewerLayout);
    }
    if (row) {
      table.players.push_back(std::move(*row));
    } else {
      table.unread.emplace_back(line);
    }
  }
  return table;
}

StatusTable playersFromStatusReply(std::string_view text) {
  const StatusReply reply = parseStatusResponse(text);
  StatusTable table;
  for (const auto& [name, value] : reply.settings) {
    if (name == "mapname") table.map = value;
  }
  for (const StatusPlayer& player : reply.players) {
    table.players.push_back(
        {std::nullopt, number<long>(player.score, true).value_or(0), player.ping, player.name, {}});
  }
  return table;
}

}  // namespace rcon
