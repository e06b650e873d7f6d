#include "core/WindowLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using rcon::LayoutMainWindow;
using rcon::MainLayout;
using rcon::Rect;

std::vector<Rect> All(const MainLayout& l) {
  std::vector<Rect> all = {l.txtReceive, l.shpReceive, l.lblSend, l.txtSend,  l.shpSend,
                           l.lblIP,      l.shpIP,      l.lblPort, l.txtPort,  l.shpPort,
                           l.lblPass,    l.txtPass,    l.shpPass, l.lblTitle, l.lblHowTo};
  all.insert(all.end(), l.txtIP.begin(), l.txtIP.end());
  all.insert(all.end(), l.lblDot.begin(), l.lblDot.end());
  return all;
}

TEST(WindowLayout, DesignSizeGivesEveryDesignRectangle) {
  const MainLayout l = LayoutMainWindow(617, 330);
  EXPECT_EQ(l.txtReceive, (Rect{8, 8, 601, 217}));
  EXPECT_EQ(l.shpReceive, (Rect{7, 7, 603, 219}));
  EXPECT_EQ(l.lblSend, (Rect{8, 232, 105, 17}));
  EXPECT_EQ(l.txtSend, (Rect{120, 230, 489, 19}));
  EXPECT_EQ(l.shpSend, (Rect{119, 229, 491, 21}));
  EXPECT_EQ(l.lblIP, (Rect{8, 256, 105, 17}));
  const int octetLefts[] = {120, 147, 174, 201};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(l.txtIP[i], (Rect{octetLefts[i], 254, 25, 19})) << i;
  EXPECT_EQ(l.shpIP, (Rect{119, 253, 108, 21}));
  const int dotLefts[] = {143, 170, 197};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(l.lblDot[i], (Rect{dotLefts[i], 257, 5, 9})) << i;
  EXPECT_EQ(l.lblPort, (Rect{8, 280, 105, 17}));
  EXPECT_EQ(l.txtPort, (Rect{120, 278, 106, 19}));
  EXPECT_EQ(l.shpPort, (Rect{119, 277, 108, 21}));
  EXPECT_EQ(l.lblPass, (Rect{8, 304, 105, 17}));
  EXPECT_EQ(l.txtPass, (Rect{120, 302, 106, 19}));
  EXPECT_EQ(l.shpPass, (Rect{119, 301, 108, 21}));
  EXPECT_EQ(l.lblTitle, (Rect{240, 256, 369, 9}));
  EXPECT_EQ(l.lblHowTo, (Rect{240, 272, 369, 49}));
}

TEST(WindowLayout, LargerClientStretchesConsoleAndCommandLineAndDropsTheBlock) {
  const MainLayout l = LayoutMainWindow(800, 500);
  EXPECT_EQ(l.txtReceive, (Rect{8, 8, 784, 387}));
  EXPECT_EQ(l.txtSend, (Rect{120, 400, 672, 19}));
  for (const Rect& octet : l.txtIP) EXPECT_EQ(octet.top, 424);
  EXPECT_EQ(l.txtPort, (Rect{120, 448, 106, 19}));
  EXPECT_EQ(l.txtPass, (Rect{120, 472, 106, 19}));
  // Every frame stays one pixel outside its box.
  const std::pair<Rect, Rect> framed[] = {{l.shpReceive, l.txtReceive},
                                          {l.shpSend, l.txtSend},
                                          {l.shpPort, l.txtPort},
                                          {l.shpPass, l.txtPass}};
  for (const auto& [frame, box] : framed) {
    EXPECT_EQ(frame, (Rect{box.left - 1, box.top - 1, box.width + 2, box.height + 2}));
  }
  // The block under the command line keeps its distance from the bottom and its width.
  const MainLayout design = LayoutMainWindow(617, 330);
  const std::vector<Rect> now = All(l), before = All(design);
  for (std::size_t i = 2; i < now.size(); ++i) {
    if (i == 3 || i == 4) continue;  // the command line and its frame stretch
    EXPECT_EQ(now[i].left, before[i].left) << i;
    EXPECT_EQ(now[i].top - before[i].top, 170) << i;
    EXPECT_EQ(now[i].width, before[i].width) << i;
    EXPECT_EQ(now[i].height, before[i].height) << i;
  }
}

TEST(WindowLayout, MinimumSizeStepIsStrict) {
  struct Case {
    int width, height;
    bool raiseWidth, raiseHeight;
  };
  const Case cases[] = {{617, 330, false, false},   {617, 329, false, true},
                        {616, 330, true, false},    {616, 329, true, true},
                        {1920, 1080, false, false}, {0, 0, true, true}};
  for (const Case& c : cases) {
    const rcon::MinimumSizeStep step = rcon::CheckMinimumSize(c.width, c.height);
    EXPECT_EQ(step.raiseWidth, c.raiseWidth) << c.width << 'x' << c.height;
    EXPECT_EQ(step.raiseHeight, c.raiseHeight) << c.width << 'x' << c.height;
  }
}

TEST(WindowLayout, TinyClientClampsSizesAtZero) {
  for (const auto& [w, h] : {std::pair{127, 112}, std::pair{0, 0}, std::pair{-5, -5}}) {
    for (const Rect& r : All(LayoutMainWindow(w, h))) {
      EXPECT_GE(r.width, 0) << w << 'x' << h;
      EXPECT_GE(r.height, 0) << w << 'x' << h;
    }
  }
  const MainLayout l = LayoutMainWindow(100, 100);
  EXPECT_EQ(l.txtReceive, (Rect{8, 8, 84, 0}));
  EXPECT_EQ(l.shpReceive, (Rect{7, 7, 86, 0}));
  EXPECT_EQ(l.txtSend.width, 0);
  EXPECT_EQ(l.shpSend.width, 0);
}

}  // namespace
