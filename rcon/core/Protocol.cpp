// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Protocol.h"

namespace rcon {

std::string makeDatagram(std::string_view request) {
  std::string datagram;
  datagram.reserve(kDatagramPrefix.size() + request.size());
  datagram.append(kDatagramPrefix);
  datagram.append(request);
  return datagram;
}

std::string_view replyText(std::string_view datagram) {
  return datagram.size() > kReplyHeaderLength ? datagram.substr(kReplyHeaderLength)
                                              : std::string_view{};
}

bool isPasswordRefusal(std::string_view text) {
  if (text.ends_with('\n')) text.remove_suffix(1);
  return text == "Bad rconpassword." || text == "No rconpassword set on the server.";
}

std::string rconRequest(std::string_view password, std::string_view command) {
  std::string request("rcon ");
  request.append(password);
  request.push_back(' ');
  request.append(command);
  return request;
}

std::string sayRequest(std::string_view password, std::string_view message) {
  std::string request("rcon ");
  request.append(password);
  request.append(" say ");
  request.append(message);
  return request;
}

}  // namespace rcon
