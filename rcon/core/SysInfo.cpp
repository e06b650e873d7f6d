// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SysInfo.h"

#include <optional>

namespace rcon {
namespace {

// A 32-bit number is stored least significant byte first.
std::uint32_t numberOf(std::string_view stored) {
  std::uint32_t number = 0;
  const std::size_t width = stored.size() < 4 ? stored.size() : 4;
  for (std::size_t i = width; i-- > 0;) {
    number = (number << 8) | static_cast<unsigned char>(stored[i]);
  }
  return number;
}

bool startTool(const SysInfoServices& services, const std::string& path) {
  // An empty path names no program at all.
  return !path.empty() && services.processes.startDetached(path);
}

void tellUnavailable(const SysInfoServices& services) {
  MessageBoxRequest request;
  request.text = std::string(kSysInfoUnavailable);
  request.buttons = MsgButtons::Ok;
  request.icon = MsgIcon::None;
  services.messageBox.show(request);
}

}  // namespace

KeyLookup getKeyValue(Registry& registry, std::uint32_t keyRoot, std::string_view keyName,
                      std::string_view valueName, std::string& text) {
  const std::optional<RegistryValue> value =
      registry.query(keyRoot, std::string(keyName), std::string(valueName));
  if (!value || value->bytes.size() > kKeyValueBufferBytes) {
    text.clear();
    return KeyLookup::NotFound;
  }
  const std::string_view stored(value->bytes);
  if (stored.empty()) return KeyLookup::Unusable;
  switch (value->type) {
    case kRegString:
      // The text ends at its terminator, as the system reads it when the path is used.
      text.assign(stored.substr(0, stored.find('\0')));
      break;
    case kRegNumber:
      text = std::to_string(numberOf(stored));
      break;
    default:
      break;  // other types leave text as it came
  }
  return KeyLookup::Read;
}

void startSysInfo(const SysInfoServices& services, char pathSeparator) {
  std::string sysInfoPath;
  switch (
      getKeyValue(services.registry, kHkeyLocalMachine, kMsInfoKey, kMsInfoValue, sysInfoPath)) {
    case KeyLookup::Read:
      // The first value names the program itself: start it without looking for it first.
      if (!startTool(services, sysInfoPath)) tellUnavailable(services);
      return;
    case KeyLookup::Unusable:
      tellUnavailable(services);
      return;
    case KeyLookup::NotFound:
      break;
  }
  // The second names the folder the program is in.
  if (getKeyValue(services.registry, kHkeyLocalMachine, kSharedToolsKey, kSharedToolsValue,
                  sysInfoPath) == KeyLookup::Read &&
      !sysInfoPath.empty()) {
    const std::string program = sysInfoPath + pathSeparator + std::string(kMsInfoProgram);
    if (services.files.isRegularFile(program) && startTool(services, program)) return;
  }
  tellUnavailable(services);
}

}  // namespace rcon
