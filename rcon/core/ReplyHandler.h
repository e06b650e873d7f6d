#pragma once
// Turns arriving datagrams into console text.
//
// Servers split long command output over several datagrams, each with its own header and cut
// anywhere, even mid-line, with nothing marking the last piece. So a reply text that ends in a
// line feed is shown without it and followed by CR LF; one that does not is appended as it
// stands and left open, so that the next piece continues the line. A piece from another sender,
// or one arriving more than kContinuationMs later, first ends the open line.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rcon {

class ReplyHandler final {
 public:
  static constexpr std::int64_t kContinuationMs = 250;

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
