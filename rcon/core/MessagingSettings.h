// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program-wide messaging settings: edited by the options dialog, used by the scheduler.
#include <cstdint>
#include <string>

#include "core/Defaults.h"

namespace rcon {

struct MessagingSettings {
  std::string file;                                // path of the messaging file
  std::string text;                                // the messages, one a line (CR LF or LF)
  std::string intervalText{kDefaultIntervalText};  // as typed, in the chosen unit
  std::int64_t seconds = kDefaultIntervalSeconds;  // the interval in seconds
  std::int64_t unitSeconds = kDefaultUnitSeconds;  // seconds per unit
};

}  // namespace rcon
