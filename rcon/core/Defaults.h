// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program starts with: the server port it offers, and the messaging settings it uses
// until the options dialog changes them.
#include <cstdint>
#include <string_view>

namespace rcon {

inline constexpr std::uint16_t kDefaultServerPort = 20100;

// The message list's file, in the program's folder unless another is chosen.
inline constexpr std::string_view kMessagingFileName{"messaging.txt"};
inline constexpr std::int64_t kSecondsUnit = 1;
inline constexpr std::int64_t kMinutesUnit = 60;
// Two minutes: the interval as shown in its box, its unit, and the two together in seconds.
inline constexpr std::string_view kDefaultIntervalText{"2"};
inline constexpr std::int64_t kDefaultUnitSeconds = kMinutesUnit;
inline constexpr std::int64_t kDefaultIntervalSeconds = 2 * kMinutesUnit;

}  // namespace rcon
