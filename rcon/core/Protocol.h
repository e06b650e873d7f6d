// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Request texts and the datagram layout spoken with the game server.
#include <string>
#include <string_view>

namespace rcon {

// Every datagram, in both directions, starts with these four bytes.
inline constexpr std::string_view kDatagramPrefix{"\xFF\xFF\xFF\xFF", 4};
// A reply's first ten bytes: the prefix and a six-byte word with its line feed ("print\n").
inline constexpr std::size_t kReplyHeaderLength = 10;
inline constexpr std::string_view kStatusRequest{"getstatus"};
inline constexpr std::string_view kCrLf{"\r\n"};

std::string makeDatagram(std::string_view request);

// The text after a reply's header; empty for a datagram too short to hold one.
std::string_view replyText(std::string_view datagram);

// "Bad rconpassword." or "No rconpassword set on the server.", with or without its line feed.
bool isPasswordRefusal(std::string_view text);

// "rcon " + password + " " + command: nothing trimmed, quoted or escaped.
std::string rconRequest(std::string_view password, std::string_view command);

// "rcon " + password + " say " + message, as the message scheduler sends it.
std::string sayRequest(std::string_view password, std::string_view message);

}  // namespace rcon
