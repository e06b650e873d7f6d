// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WindowLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using rcon::Rect;

// Console and frame, then the command line's label, box and frame, then the block below it.
std::vector<Rect> All(const rcon::MainLayout& l) {
  std::vector<Rect> all = {l.console, l.consoleFrame, l.commandLabel, l.commandLine,  l.commandFrame,
                           l.addressLabel,      l.addressFrame,      l.portLabel, l.port,  l.portFrame,
                           l.passwordLabel,    l.password,    l.passwordFrame, l.title, l.howTo};
  all.insert(all.end(), l.octets.begin(), l.octets.end());
  all.insert(all.end(), l.dots.begin(), l.dots.end());
  return all;
}

const std::vector<Rect> kDesign = {
    {8, 8, 601, 217},    {7, 7, 603, 219},    {8, 232, 105, 17},   {120, 230, 489, 19},
    {119, 229, 491, 21}, {8, 256, 105, 17},   {119, 253, 108, 21}, {8, 280, 105, 17},
    {120, 278, 106, 19}, {119, 277, 108, 21}, {8, 304, 105, 17},   {120, 302, 106, 19},
    {119, 301, 108, 21}, {240, 256, 369, 9},  {240, 272, 369, 49}, {120, 254, 25, 19},
    {147, 254, 25, 19},  {174, 254, 25, 19},  {201, 254, 25, 19},  {143, 257, 5, 9},
    {170, 257, 5, 9},    {197, 257, 5, 9}};

TEST(WindowLayout, DesignSizeAndALargerOne) {
  EXPECT_EQ(All(rcon::layoutMainWindow(617, 330)), kDesign);
  // The console and the command line stretch; the block below them keeps its distance.
  std::vector<Rect> expected = kDesign;
  for (Rect& r : expected) r.top += 170;
  expected[0] = {8, 8, 784, 387};
  expected[1] = {7, 7, 786, 389};
  expected[3] = {120, 400, 672, 19};
  expected[4] = {119, 399, 674, 21};
  EXPECT_EQ(All(rcon::layoutMainWindow(800, 500)), expected);
}

TEST(WindowLayout, MinimumSizeStepIsStrict) {
  for (const int w : {0, 616, 617, 1920}) {
    for (const int h : {0, 329, 330, 1080}) {
      const rcon::MinimumSizeStep step = rcon::checkMinimumSize(w, h);
      EXPECT_TRUE(step.raiseWidth == (w < 617) && step.raiseHeight == (h < 330)) << w << 'x' << h;
    }
  }
}

TEST(WindowLayout, TinyClientClampsSizesAtZero) {
  for (const int size : {127, 112, 0, -5})
    for (const Rect& r : All(rcon::layoutMainWindow(size, size)))
      EXPECT_TRUE(r.width >= 0 && r.height >= 0) << size;
  EXPECT_EQ(All(rcon::layoutMainWindow(100, 100))[0], (Rect{8, 8, 84, 0}));
}

}  // namespace
