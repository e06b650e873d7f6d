// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ConsoleRows.h"

#include "core/ColourCodes.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(ConsoleRows, PlacesCaretsAndSelects) {
  rcon::ConsoleBuffer buffer;
  buffer.append("ab\tc\r\nxyz");
  const rcon::ConsoleRows rows(buffer, 80);
  EXPECT_EQ(rows.caretAt(0, 3), 2u);   // near the tab's start
  EXPECT_EQ(rows.caretAt(0, 6), 3u);   // near its end
  EXPECT_EQ(rows.caretAt(0, 50), 4u);  // past the end: before the line break
  EXPECT_EQ(rows.caretAt(1, 50), buffer.size());
  EXPECT_EQ(rows.caretAt(9, 0), 6u);  // past the last row: the last row
  // Bytes 1 to 7 ("b", tab, "c", CR LF, "x"): columns 1 to 9 and the break, then column 0.
  const rcon::RowCells first = rows.cellsOf(0, 1, 7), second = rows.cellsOf(1, 1, 7);
  EXPECT_EQ(std::tuple(first.selectedFrom, first.selectedTo, first.breakSelected),
            std::tuple(1u, 9u, true));
  EXPECT_EQ(std::tuple(second.selectedFrom, second.selectedTo, second.breakSelected),
            std::tuple(0u, 1u, false));
}

// Appends cut anywhere (inside CR LF, inside long lines with tabs, between a caret and its
// code) and new widths give exactly the layout worked out the slow way: each line cut into
// cells, each row a slice of them; with colour codes on, escapes take no cell and each cell
// has the colour of the last escape before it on its line.
class ConsoleRowsLayout : public testing::TestWithParam<bool> {};

TEST_P(ConsoleRowsLayout, FollowsAppendsAndResizesExactly) {
  const bool colourCodes = GetParam();
  std::mt19937 random(7);
  const char alphabet[] = {'a',    'b',    ' ', '\t', '\r', '\n', '\x01',
                           '\x81', '\xE9', '^', '1',  'Z',  '^'};
  rcon::ConsoleBuffer buffer;
  rcon::ConsoleRows rows(buffer, 13);
  rows.setColourCodes(colourCodes);
  const auto check = [&](bool carets) {
    const std::string& text = buffer.text();
    const std::uint64_t columns = rows.columns();
    std::uint64_t r = 0;
    for (std::size_t line = 0, start = 0; start <= text.size(); ++line) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      std::string shown;                                        // the line's cells
      std::vector<signed char> colours;                         // and their colours
      std::vector<std::pair<std::size_t, std::size_t>> firsts;  // each byte's first cell
      int colour = rcon::kDefaultColour;
      for (std::size_t p = start; p < end; ++p) {
        if (colourCodes && text[p] == '^' && p + 1 < end &&
            std::isalnum(static_cast<unsigned char>(text[p + 1]))) {
          colour = (text[++p] - '0') & 7;
          continue;
        }
        const bool tab = text[p] == '\t';
        if (!tab && rcon::isHiddenByte(static_cast<unsigned char>(text[p]))) continue;
        if (carets) firsts.emplace_back(shown.size(), p);
        shown.push_back(tab ? ' ' : text[p]);
        while (tab && shown.size() % 8 != 0) shown.push_back(' ');
        colours.resize(shown.size(), static_cast<signed char>(colour));
      }
      ASSERT_EQ(rows.firstRowOf(line), r) << "line " << line;
      // A click on the left edge of a byte's first cell puts the caret before that byte.
      // And the byte's place is that cell.
      for (const auto& [cell, byte] : firsts) {
        ASSERT_EQ(rows.caretAt(r + cell / columns, cell % columns), byte) << "cell " << cell;
        const rcon::ConsoleRows::Place place = rows.placeOf(byte);
        ASSERT_EQ(std::pair(place.row, place.column),
                  std::pair(r + cell / columns, cell % columns));
      }
      for (std::size_t c = 0; c == 0 || c < shown.size(); c += columns, ++r) {
        const rcon::RowCells cells = rows.cellsOf(r);
        ASSERT_EQ(cells.cells, shown.substr(c, columns)) << "row " << r;
        if (colourCodes) {
          const auto from = colours.begin() + static_cast<std::ptrdiff_t>(c);
          const auto to = from + static_cast<std::ptrdiff_t>(cells.cells.size());
          ASSERT_EQ(cells.colours, std::vector<signed char>(from, to)) << "row " << r;
        }
        ASSERT_EQ(rows.rowAt(r).line, line) << "row " << r;
      }
      start = end + 1;
    }
    ASSERT_EQ(rows.rowCount(), r);
  };
  for (int round = 0; round < 60; ++round) {
    const bool longLine = round % 10 == 9;
    std::string piece;
    for (std::size_t i = 0, n = longLine ? 5000 : random() % 40; i < n; ++i)
      piece.push_back(longLine && i % 100 != 0 ? 'x' : alphabet[random() % sizeof alphabet]);
    if (round == 30) buffer.assign("replaced\r\nby\tOpen");
    buffer.append(piece);
    rows.sync();
    if (round % 15 == 14) rows.setColumns(1 + random() % 80);
    SCOPED_TRACE("round " + std::to_string(round) + ", columns " + std::to_string(rows.columns()));
    check(longLine || round % 15 == 14);
  }
}

INSTANTIATE_TEST_SUITE_P(ColourCodes, ConsoleRowsLayout, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "On" : "Off");
                         });

}  // namespace
