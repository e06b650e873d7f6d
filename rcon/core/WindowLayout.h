// SPDX-License-Identifier: GPL-3.0-or-later
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

// Each box comes with its label and with the frame drawn just outside it.
struct MainLayout {
  Rect console, consoleFrame;
  Rect commandLabel, commandLine, commandFrame;
  Rect addressLabel;
  std::array<Rect, 4> octets;
  Rect addressFrame;
  std::array<Rect, 3> dots;  // between the octets
  Rect portLabel, port, portFrame;
  Rect passwordLabel, password, passwordFrame;
  Rect title, howTo;
};

// Design positions are in twips, 1440 to the inch: 15 to the pixel at the 96 dots per inch the
// windows were drawn at. Every window is placed in pixels at that scale.
inline constexpr int kTwipsPerPixel = 15;
constexpr int pixelsFromTwips(int twips) { return twips / kTwipsPerPixel; }
constexpr Rect rectFromTwips(int left, int top, int width, int height) {
  return {pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
          pixelsFromTwips(height)};
}

// The main window's client area at its design size (9255 by 4950 twips).
inline constexpr int kDesignClientWidth = 617;
inline constexpr int kDesignClientHeight = 330;

// The minimum-size step: a client area narrower or lower than the design size is raised to it
// before the layout (a client of exactly the design size is left alone).
struct MinimumSizeStep {
  bool raiseWidth = false;
  bool raiseHeight = false;
};
MinimumSizeStep checkMinimumSize(int clientWidth, int clientHeight);

// The rectangles for a client area; sizes never go below 0, however small the area.
MainLayout layoutMainWindow(int clientWidth, int clientHeight);

}  // namespace rcon
