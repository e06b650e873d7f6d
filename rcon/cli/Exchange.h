#pragma once
// One request sent and its reply waited for, on the socket's own event loop.
#include <string>

#include "core/CliArguments.h"
#include "core/CliReply.h"

namespace platform {
class UdpSocket;
}

namespace cli {

class Output;

struct ExchangeResult {
  bool sent = false;
  bool replied = false;
  bool status = false;
  std::string text;
};

// Prints the late pieces of an earlier reply that wait on the socket, so that they are not
// taken for the reply to the next request.
void PrintLate(platform::UdpSocket& socket, const rcon::CliTarget& target, Output& output);

// Sends request to the target and waits as ReplyExchange decides; remarks go to standard error.
ExchangeResult Exchange(platform::UdpSocket& socket, const rcon::CliTarget& target,
                        const std::string& request, const rcon::ExchangeLimits& limits,
                        bool statusRequest);

// "address:port", as the socket names a sender.
std::string SenderName(const rcon::CliTarget& target);

}  // namespace cli
