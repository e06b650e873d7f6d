// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console: its text and whether it changed since it was last cleared, opened or saved.
#include <string_view>

#include "core/ConsoleBuffer.h"

namespace rcon {

struct Console {
  ConsoleBuffer buffer;
  bool unsaved = false;

  // Every change of the console marks it as unsaved, appends by the program included.
  void append(std::string_view bytes) {
    buffer.append(bytes);
    unsaved = true;
  }
};

}  // namespace rcon
