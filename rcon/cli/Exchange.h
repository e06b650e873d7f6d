// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Requests sent and their replies waited for on the event loop, one server or many at once.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "cli/Network.h"
#include "core/CliReply.h"

namespace cli {

struct Ask {
  const Destination* to = nullptr;
  std::string request;    // the request text, without the datagram prefix
  bool status = false;    // "getstatus": only a status reply answers
  std::string endMarker;  // when not empty, "echo" of it follows the request
};

// Sends every request at once and waits until each reply has ended. ended(i, exchange) runs for
// each request in the order given, as soon as it and all before it have ended. Remarks go to
// standard error.
void exchangeAll(Network& network, const std::vector<Ask>& asks, const rcon::ExchangeLimits& limits,
                 const std::function<void(std::size_t, const rcon::ReplyExchange&)>& ended);

// The text of pieces that came from the server after its last reply had ended, so that they
// are not taken for the reply to the next request. Strangers' datagrams are dropped.
std::string takeLate(Network& network, const Destination& server);

// A marker no reply would contain by chance.
std::string newEndMarker();

}  // namespace cli
