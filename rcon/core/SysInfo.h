// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding and starting the system-information tool from the About box. The tool's location
// comes from two registry values; the platform layer decides what the "registry" holds.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Services.h"

namespace rcon {

inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002;
inline constexpr std::string_view kMsInfoKey{"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"};
inline constexpr std::string_view kMsInfoValue{"PATH"};
inline constexpr std::string_view kSharedToolsKey{"SOFTWARE\\Microsoft\\Shared Tools Location"};
inline constexpr std::string_view kSharedToolsValue{"MSINFO"};
inline constexpr std::string_view kMsInfoProgram{"MSINFO32.EXE"};
inline constexpr std::string_view kSysInfoUnavailable{
    "System Information Is Unavailable At This Time"};

// Values longer than this do not fit the reading buffer and count as not found.
inline constexpr std::size_t kKeyValueBufferBytes = 1024;

inline constexpr std::uint32_t kRegString = 1;
inline constexpr std::uint32_t kRegNumber = 4;  // 32 bits, least significant byte first

enum class KeyLookup {
  Read,      // text holds the value (or, for a type we cannot show, what it held before)
  NotFound,  // text is empty
  Unusable,  // the value exists but holds nothing at all: the look-up cannot go on
};

// Reads a string value as its text and a 32-bit number as its decimal digits.
KeyLookup getKeyValue(Registry& registry, std::uint32_t keyRoot, std::string_view keyName,
                      std::string_view valueName, std::string& text);

struct SysInfoServices {
  Registry& registry;
  FileProbe& files;
  ProcessStarter& processes;
  MessageBoxService& messageBox;
};

// Starts the tool the registry names, or tells the user that there is none.
void startSysInfo(const SysInfoServices& services, char pathSeparator = '/');

}  // namespace rcon
