// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns arriving datagrams into reply pieces, and those into console text.
//
// Servers split long command output over several datagrams, each with its own header and cut
// anywhere, even mid-line, with nothing marking the last piece. So a reply text that ends in a
// line feed is shown without it and followed by CR LF; one that does not is appended as it
// stands and left open, so that the next piece continues the line. A piece from another sender,
// or one arriving more than kContinuationMs later, first ends the open line.
//
// The window shows the console pieces (onDatagram); vortane-rcon joins the reply pieces (read)
// itself, so both read a datagram the same way.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rcon {

struct ReplyPiece {
  enum class Kind {
    Empty,   // nothing after the header, or too short to hold one
    Text,    // command output
    Status,  // a status reply: the text begins with "Response"
  };
  Kind kind = Kind::Empty;
  std::string_view text;      // after the header; points into the datagram
  bool endsOpenLine = false;  // a line left open by an earlier piece ends before this one
};

class ReplyHandler final {
 public:
  static constexpr std::int64_t kContinuationMs = 250;

  // Reads one datagram and keeps track of the open line.
  ReplyPiece read(std::string_view datagram, std::string_view sender, std::int64_t nowMs);

  // Appends to out the console pieces for one datagram, in order.
  void onDatagram(std::string_view datagram, std::string_view sender, std::int64_t nowMs,
                  std::vector<std::string>& out);

  bool lineOpen() const { return lineOpen_; }

 private:
  bool lineOpen_ = false;
  std::string openSender_;
  std::int64_t openSinceMs_ = 0;
};

}  // namespace rcon
