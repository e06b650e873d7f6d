#include "core/TextFile.h"

namespace rcon {

std::string textFileBytes(std::string_view text) {
  std::string bytes(text);
  if (!bytes.ends_with("\r\n")) bytes.append("\r\n");
  return bytes;
}

}  // namespace rcon
