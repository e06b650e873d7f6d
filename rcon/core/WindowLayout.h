#pragma once
// Where the main window's controls stand for a given client size, in pixels. The console and
// the command line stretch; the block of fields below keeps its distance from the bottom edge.
#include <array>

namespace rcon {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

struct MainLayout {
  Rect txtReceive, shpReceive;
  Rect lblSend, txtSend, shpSend;
  Rect lblIP;
  std::array<Rect, 4> txtIP;
  Rect shpIP;
  std::array<Rect, 3> lblDot;
  Rect lblPort, txtPort, shpPort;
  Rect lblPass, txtPass, shpPass;
  Rect lblTitle, lblHowTo;
};

inline constexpr int kDesignClientWidth = 617;
inline constexpr int kDesignClientHeight = 330;

// The minimum-size step: a client area narrower or lower than the design size is raised to it
// before the layout (a client of exactly the design size is left alone).
struct MinimumSizeStep {
  bool raiseWidth = false;
  bool raiseHeight = false;
};
MinimumSizeStep CheckMinimumSize(int clientWidth, int clientHeight);

// The rectangles for a client area; sizes never go below 0, however small the area.
MainLayout LayoutMainWindow(int clientWidth, int clientHeight);

}  // namespace rcon
