#include "core/WindowLayout.h"

#include <algorithm>

namespace rcon {

MinimumSizeStep CheckMinimumSize(int clientWidth, int clientHeight) {
  return {clientWidth < kDesignClientWidth, clientHeight < kDesignClientHeight};
}

MainLayout LayoutMainWindow(int sw, int sh) {
  auto size = [](int value) { return std::max(0, value); };
  MainLayout l;
  l.txtReceive = {8, 8, size(sw - 16), size(sh - 113)};
  l.shpReceive = {7, 7, size(sw - 14), size(sh - 111)};
  l.lblSend = {8, sh - 98, 105, 17};
  l.txtSend = {120, sh - 100, size(sw - 128), 19};
  l.shpSend = {119, sh - 101, size(sw - 126), 21};
  l.lblIP = {8, sh - 74, 105, 17};
  const int octetLefts[] = {120, 147, 174, 201};
  for (std::size_t i = 0; i < l.txtIP.size(); ++i) l.txtIP[i] = {octetLefts[i], sh - 76, 25, 19};
  l.shpIP = {119, sh - 77, 108, 21};
  const int dotLefts[] = {143, 170, 197};
  for (std::size_t i = 0; i < l.lblDot.size(); ++i) l.lblDot[i] = {dotLefts[i], sh - 73, 5, 9};
  l.lblPort = {8, sh - 50, 105, 17};
  l.txtPort = {120, sh - 52, 106, 19};
  l.shpPort = {119, sh - 53, 108, 21};
  l.lblPass = {8, sh - 26, 105, 17};
  l.txtPass = {120, sh - 28, 106, 19};
  l.shpPass = {119, sh - 29, 108, 21};
  l.lblTitle = {240, sh - 74, 369, 9};
  l.lblHowTo = {240, sh - 58, 369, 49};
  return l;
}

}  // namespace rcon
