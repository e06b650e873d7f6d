#pragma once
// The program-wide messaging settings: edited by the options dialog, used by the scheduler.
#include <cstdint>
#include <string>
#include <string_view>

namespace rcon {

struct MessagingSettings {
  std::string file;                // path of the messaging file
  std::string text;                // the messages, one per CR LF line
  std::string intervalText = "2";  // the interval as typed, in the chosen unit
  std::int64_t seconds = 120;      // the interval in seconds
  std::int64_t unitSeconds = 60;   // seconds per unit: 60 minutes, 1 seconds
};

inline constexpr std::string_view kMessagingFileName{"messaging.txt"};

}  // namespace rcon
