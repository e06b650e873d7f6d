// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextFile.h"

namespace rcon {

std::string_view lineEndOf(std::string_view bytes) {
  const std::size_t lf = bytes.find('\n');
  if (lf == std::string_view::npos || (lf > 0 && bytes[lf - 1] == '\r')) return kCrLf;
  return kLf;
}

std::string textFileBytes(std::string_view text, std::string_view lineEnd) {
  std::string bytes(text);
  if (!bytes.ends_with(lineEnd)) bytes.append(lineEnd);
  return bytes;
}

}  // namespace rcon
