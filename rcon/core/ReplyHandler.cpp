// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReplyHandler.h"

#include "core/Protocol.h"
#include "core/StatusReport.h"

namespace rcon {

ReplyPiece ReplyHandler::read(std::string_view datagram, std::string_view sender,
                              std::int64_t nowMs) {
  ReplyPiece piece;
  piece.endsOpenLine =
      lineOpen_ && (sender != openSender_ || nowMs - openSinceMs_ > kContinuationMs);
  if (datagram.size() <= kReplyHeaderLength) {
    lineOpen_ = false;  // the console ends the line for an empty reply anyway
    return piece;
  }
  piece.text = datagram.substr(kReplyHeaderLength);
  if (piece.text.starts_with("Response")) {
    // A report always starts on a line of its own.
    piece.kind = ReplyPiece::Kind::Status;
    piece.endsOpenLine = lineOpen_;
    lineOpen_ = false;
    return piece;
  }
  piece.kind = ReplyPiece::Kind::Text;
  lineOpen_ = piece.text.back() != '\n';
  if (lineOpen_) {
    openSender_ = std::string(sender);
    openSinceMs_ = nowMs;
  }
  return piece;
}

void ReplyHandler::onDatagram(std::string_view datagram, std::string_view sender,
                              std::int64_t nowMs, std::vector<std::string>& out) {
  const ReplyPiece piece = read(datagram, sender, nowMs);
  if (piece.endsOpenLine) out.emplace_back(kCrLf);
  switch (piece.kind) {
    case ReplyPiece::Kind::Empty:
      out.emplace_back(kCrLf);
      return;
    case ReplyPiece::Kind::Status:
      for (std::string& line : formatStatusResponse(piece.text)) out.push_back(std::move(line));
      return;
    case ReplyPiece::Kind::Text:
      if (piece.text.back() == '\n') {
        std::string line(piece.text.substr(0, piece.text.size() - 1));
        line.append(kCrLf);
        out.push_back(std::move(line));
      } else {
        out.emplace_back(piece.text);
      }
      return;
  }
}

}  // namespace rcon
