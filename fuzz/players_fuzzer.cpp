// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the players window's reader of "status" output and of the status
// reply, checking that every line is read or kept, and that what is read comes from the input
// and reads back the same.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/ColourCodes.h"
#include "core/StatusTable.h"

namespace {

void check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

void checkRows(const rcon::StatusTable& table, std::string_view input) {
  for (const rcon::PlayerRow& row : table.players) {
    check(input.find(row.name) != std::string_view::npos, "a name not in the input");
    check(row.name.find('\n') == std::string::npos, "a name across lines");
    check(!row.address || input.find(*row.address) != std::string_view::npos,
          "an address not in the input");
    if (const auto ip = row.ip()) check(input.find(*ip) != std::string_view::npos, "an ip made up");
    std::string joined;
    for (const rcon::ColourSpan& span : rcon::splitColours(row.name)) joined += span.text;
    check(joined == rcon::plainText(row.name), "spans and plain text disagree");
    (void)row.pingValue();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const rcon::StatusTable table = rcon::parseStatusOutput(input);
  const auto lines = static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n')) + 1;
  check(table.players.size() + table.unread.size() <= lines, "more rows than lines");
  for (const std::string& line : table.unread) {
    check(input.find(line) != std::string_view::npos, "an unread line not kept as it came");
  }
  checkRows(table, input);

  // Each row written out again in the newer layout reads back the same.
  for (const rcon::PlayerRow& row : table.players) {
    if (!row.address) continue;
    const std::string line = std::to_string(*row.slot) + ' ' + std::to_string(row.score) + ' ' +
                             row.ping + ' ' + row.name + ' ' + *row.address + " 1\n";
    const rcon::StatusTable again =
        rcon::parseStatusOutput("cl score ping name address rate\n" + line);
    check(again.players.size() == 1 && again.unread.empty(), "a row does not read back");
    const rcon::PlayerRow& back = again.players[0];
    check(back.slot == row.slot && back.score == row.score && back.ping == row.ping &&
              back.name == row.name && back.address == row.address,
          "a row reads back different");
  }

  checkRows(rcon::playersFromStatusReply(input), input);
  return 0;
}
