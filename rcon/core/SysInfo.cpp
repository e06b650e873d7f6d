#include "core/SysInfo.h"

#include <optional>

namespace rcon {
namespace {

// A 32-bit number is stored least significant byte first.
std::uint32_t NumberOf(std::string_view stored) {
  std::uint32_t number = 0;
  const std::size_t width = stored.size() < 4 ? stored.size() : 4;
  for (std::size_t i = width; i-- > 0;) {
    number = (number << 8) | static_cast<unsigned char>(stored[i]);
  }
  return number;
}

bool Start(const SysInfoServices& services, const std::string& path) {
  // An empty path names no program at all.
  return !path.empty() && services.processes.startDetached(path);
}

void TellUnavailable(const SysInfoServices& services) {
  MessageBoxRequest request;
  request.text = std::string(kSysInfoUnavailable);
  request.buttons = MsgButtons::Ok;
  request.icon = MsgIcon::None;
  services.messageBox.show(request);
}

}  // namespace

KeyLookup GetKeyValue(Registry& registry, std::uint32_t keyRoot, std::string_view keyName,
                      std::string_view subKeyRef, std::string& keyVal) {
  const std::optional<RegistryValue> value =
      registry.query(keyRoot, std::string(keyName), std::string(subKeyRef));
  if (!value || value->bytes.size() > kKeyValueBufferBytes) {
    keyVal.clear();
    return KeyLookup::NotFound;
  }
  const std::string_view stored(value->bytes);
  if (stored.empty()) return KeyLookup::Unusable;
  switch (value->type) {
    case kRegString:
      // The text ends at its terminator, as the system reads it when the path is used.
      keyVal.assign(stored.substr(0, stored.find('\0')));
      break;
    case kRegNumber:
      keyVal = std::to_string(NumberOf(stored));
      break;
    default:
      break;  // other types leave keyVal as it came
  }
  return KeyLookup::Read;
}

void StartSysInfo(const SysInfoServices& services, char pathSeparator) {
  std::string sysInfoPath;
  switch (
      GetKeyValue(services.registry, kHkeyLocalMachine, kMsInfoKey, kMsInfoValue, sysInfoPath)) {
    case KeyLookup::Read:
      // The first value names the program itself: start it without looking for it first.
      if (!Start(services, sysInfoPath)) TellUnavailable(services);
      return;
    case KeyLookup::Unusable:
      TellUnavailable(services);
      return;
    case KeyLookup::NotFound:
      break;
  }
  // The second names the folder the program is in.
  if (GetKeyValue(services.registry, kHkeyLocalMachine, kSharedToolsKey, kSharedToolsValue,
                  sysInfoPath) == KeyLookup::Read &&
      !sysInfoPath.empty()) {
    const std::string program = sysInfoPath + pathSeparator + std::string(kMsInfoProgram);
    if (services.files.isRegularFile(program) && Start(services, program)) return;
  }
  TellUnavailable(services);
}

}  // namespace rcon
