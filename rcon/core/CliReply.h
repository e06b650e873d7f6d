// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One request and its reply, as vortane-rcon waits for it. The datagrams are read by the
// window's ReplyHandler and their texts joined in arrival order. Nothing in the protocol marks a
// reply's last piece, so a reply ends when one of these comes first:
// - a status reply, which is always one datagram;
// - the end marker: the answer to an "echo" sent right after the command, which the server
//   runs after it; a short grace then takes in a piece reordered on its way;
// - a quiet period with no new text (empty datagrams do not count);
// - the deadline, which bounds a reply that never stops trickling in.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Protocol.h"

#include "core/ReplyHandler.h"

namespace rcon {

struct ExchangeLimits {
  std::uint32_t timeoutMs = 3000;                        // for the first piece
  std::uint32_t quietMs = 250;                           // after the last piece
  std::uint32_t deadlineMs = 30000;                      // for the whole reply
  std::uint32_t graceMs = 20;                            // after the end marker
  std::size_t maxBytes = std::size_t{16} * 1024 * 1024;  // joined text; more is cut off
};

class ReplyExchange final {
 public:
  enum class State { Idle, Waiting, Receiving, Closing, Done };
  enum class Ending { None, Status, Marker, Quiet, Timeout, Deadline, Cut };

  // server is the sender replies must come from, as "address:port". statusRequest: the request
  // was "getstatus", and only a status reply answers it. endMarker: the text an "echo" sent
  // after the command answers with; empty when none was sent.
  ReplyExchange(std::string server, ExchangeLimits limits, bool statusRequest,
                std::string endMarker = {});

  void sent(std::int64_t nowMs);
  // The request could not be sent: the exchange ends with no reply.
  void abandon(std::int64_t nowMs) { finish(Ending::None, nowMs); }
  void datagram(std::string_view datagram, std::string_view sender, std::int64_t nowMs);
  void timerDue(std::int64_t nowMs);
  // When timerDue is next wanted; nothing once done.
  std::optional<std::int64_t> dueAtMs() const;

  State state() const { return state_; }
  bool done() const { return state_ == State::Done; }
  Ending ending() const { return ending_; }
  const std::string& server() const { return server_; }
  // Some answer came: text, an empty piece or the end marker.
  bool replied() const { return heard_; }
  const std::string& text() const { return text_; }
  // An end marker was sent but the reply ended without it.
  bool markerMissed() const { return !endMarker_.empty() && ending_ == Ending::Quiet; }
  std::int64_t elapsedMs() const { return endMs_ - sentMs_; }
  // Remarks for standard error, oldest first.
  std::vector<std::string> takeNotes();

 private:
  void finish(Ending ending, std::int64_t nowMs);
  bool takeMarker(std::string_view& text) const;

  std::string server_;
  ExchangeLimits limits_;
  bool statusRequest_;
  std::string endMarker_;
  ReplyHandler reader_;
  State state_ = State::Idle;
  Ending ending_ = Ending::None;
  std::int64_t sentMs_ = 0;
  std::int64_t lastTextMs_ = 0;
  std::int64_t markerMs_ = 0;
  std::int64_t endMs_ = 0;
  bool heard_ = false;
  std::string text_;
  std::vector<std::string> notes_;
};

// Counts datagrams from senders nobody waits for: a flood gets a few lines, not one each.
class StrangerLog final {
 public:
  void add(std::string_view sender, std::vector<std::string>& notes);
  // The closing count, when more came than were noted one by one.
  std::optional<std::string> summary() const;

 private:
  std::size_t count_ = 0;
};

}  // namespace rcon
