// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary datagrams through the reply handler and the status report, checking what the
// console would receive.
//
// Input: optional control bytes, then one or more datagrams, each starting at a run of four
// 0xFF bytes. The i-th control byte sets the i-th datagram's sender (bit 0) and the time since
// the previous one (the other bits, times 4 ms); without one, sender "a" and 8 ms. So a plain
// reply, or several replies back to back, is a valid input as it stands.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/Protocol.h"
#include "core/ReplyHandler.h"
#include "core/StatusReport.h"

namespace {

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

bool EndsWithCrLf(std::string_view text) { return text.ends_with(rcon::kCrLf); }

void CheckReport(std::string_view text) {
  const rcon::StatusReply reply = rcon::parseStatusResponse(text);
  Check(reply.settingsTable == (text.size() > 10), "settings table iff text after the header");
  Check(reply.playerTable || reply.players.empty(), "players only under their heading");
  Check(reply.settingsTable || !reply.playerTable, "player heading only after settings heading");
  Check(!reply.complete || reply.playerTable, "a complete reply reaches the players");
  std::size_t fields = 0;
  for (const auto& [name, value] : reply.settings) fields += name.size() + value.size();
  for (const rcon::StatusPlayer& p : reply.players)
    fields += p.score.size() + p.ping.size() + (p.team ? p.team->size() : 0) + p.name.size();
  Check(fields <= text.size(), "fields come from the text");

  const std::vector<std::string> pieces = rcon::formatStatusReport(reply);
  Check(pieces == rcon::formatStatusResponse(text), "one parse, one report");
  Check(!pieces.empty() && pieces.back() == rcon::kCrLf, "the report closes with an empty line");
  std::size_t size = 0;
  for (const std::string& piece : pieces) {
    Check(EndsWithCrLf(piece), "every piece ends a line");
    size += piece.size();
  }
  Check(size <= 16 * text.size() + 512, "the report grows linearly");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t start = input.find(rcon::kDatagramPrefix);
  if (start == std::string_view::npos) return 0;
  const std::string_view control = input.substr(0, start);

  rcon::ReplyHandler handler;
  std::vector<std::string> out;
  std::string console;
  std::int64_t nowMs = 0;
  for (std::size_t i = 0; start < input.size(); ++i) {
    const std::size_t next = input.find(rcon::kDatagramPrefix, start + 4);
    const std::string_view datagram = input.substr(start, next - start);
    start = next == std::string_view::npos ? input.size() : next;

    const auto byte = i < control.size() ? static_cast<unsigned char>(control[i]) : 4u;
    const char* sender = (byte & 1) != 0 ? "b" : "a";
    nowMs += (byte >> 1) * 4;
    const bool wasOpen = handler.lineOpen();
    out.clear();
    handler.onDatagram(datagram, sender, nowMs, out);
    Check(!out.empty(), "every datagram shows something");
    for (const std::string& piece : out) {
      Check(!piece.empty(), "no empty appends");
      console += piece;
    }
    Check(handler.lineOpen() || EndsWithCrLf(console), "a closed line ends in CR LF");

    if (datagram.size() <= rcon::kReplyHeaderLength) continue;
    const std::string_view text = datagram.substr(rcon::kReplyHeaderLength);
    CheckReport(text);
    if (!text.starts_with("Response")) continue;
    std::vector<std::string> expected;
    if (wasOpen) expected.emplace_back(rcon::kCrLf);
    for (std::string& piece : rcon::formatStatusResponse(text)) expected.push_back(piece);
    Check(out == expected, "a status reply gives the report, on a line of its own");
    Check(!handler.lineOpen(), "no line is open after a report");
  }
  return 0;
}
