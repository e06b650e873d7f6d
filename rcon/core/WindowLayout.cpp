// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WindowLayout.h"

#include <algorithm>

namespace rcon {

MinimumSizeStep checkMinimumSize(int clientWidth, int clientHeight) {
  return {clientWidth < kDesignClientWidth, clientHeight < kDesignClientHeight};
}

MainLayout layoutMainWindow(int width, int height) {
  auto size = [](int value) { return std::max(0, value); };
  MainLayout l;
  l.console = {8, 8, size(width - 16), size(height - 113)};
  l.consoleFrame = {7, 7, size(width - 14), size(height - 111)};
  l.commandLabel = {8, height - 98, 105, 17};
  l.commandLine = {120, height - 100, size(width - 128), 19};
  l.commandFrame = {119, height - 101, size(width - 126), 21};
  l.addressLabel = {8, height - 74, 105, 17};
  const int octetLefts[] = {120, 147, 174, 201};
  for (std::size_t i = 0; i < l.octets.size(); ++i)
    l.octets[i] = {octetLefts[i], height - 76, 25, 19};
  l.addressFrame = {119, height - 77, 108, 21};
  const int dotLefts[] = {143, 170, 197};
  for (std::size_t i = 0; i < l.dots.size(); ++i) l.dots[i] = {dotLefts[i], height - 73, 5, 9};
  l.portLabel = {8, height - 50, 105, 17};
  l.port = {120, height - 52, 106, 19};
  l.portFrame = {119, height - 53, 108, 21};
  l.passwordLabel = {8, height - 26, 105, 17};
  l.password = {120, height - 28, 106, 19};
  l.passwordFrame = {119, height - 29, 108, 21};
  l.title = {240, height - 74, 369, 9};
  l.howTo = {240, height - 58, 369, 49};
  return l;
}

}  // namespace rcon
