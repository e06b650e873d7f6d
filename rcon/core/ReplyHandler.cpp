#include "core/ReplyHandler.h"

#include "core/Protocol.h"
#include "core/StatusReport.h"

namespace rcon {

void ReplyHandler::onDatagram(std::string_view datagram, std::string_view sender,
                              std::int64_t nowMs, std::vector<std::string>& out) {
  if (lineOpen_ && (sender != openSender_ || nowMs - openSinceMs_ > kContinuationMs)) {
    out.emplace_back(kCrLf);
    lineOpen_ = false;
  }
  if (datagram.size() <= kReplyHeaderLength) {
    out.emplace_back(kCrLf);
    lineOpen_ = false;
    return;
  }
  const std::string_view text = datagram.substr(kReplyHeaderLength);
  if (text.starts_with("Response")) {
    // A report always starts on a line of its own.
    if (lineOpen_) out.emplace_back(kCrLf);
    lineOpen_ = false;
    for (std::string& piece : formatStatusResponse(text)) out.push_back(std::move(piece));
    return;
  }
  if (text.back() == '\n') {
    std::string line(text.substr(0, text.size() - 1));
    line.append(kCrLf);
    out.push_back(std::move(line));
    lineOpen_ = false;
    return;
  }
  out.emplace_back(text);
  lineOpen_ = true;
  openSender_ = std::string(sender);
  openSinceMs_ = nowMs;
}

}  // namespace rcon
