#include "core/ConsoleRows.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using rcon::ConsoleBuffer;
using rcon::ConsoleRows;

// The layout the slow, obvious way: every line cut into cells, every row a slice of cells.
struct Expected {
  struct Cell {
    std::size_t offset;
    char shown;
    bool first;  // the first cell of its byte
  };
  std::vector<std::vector<Cell>> rows;
  std::vector<std::size_t> rowLine;

  Expected(const std::string& text, std::size_t columns) {
    std::size_t start = 0;
    for (;;) {
      std::size_t end = text.find('\n', start);
      const bool last = end == std::string::npos;
      if (last) end = text.size();
      std::size_t content = end;
      if (!last && content > start && text[content - 1] == '\r') --content;
      std::vector<Cell> cells;
      for (std::size_t p = start; p < content; ++p) {
        const auto b = static_cast<unsigned char>(text[p]);
        if (b == '\t') {
          cells.push_back({p, ' ', true});
          while (cells.size() % 8 != 0) cells.push_back({p, ' ', false});
        } else if (!rcon::IsHiddenByte(b)) {
          cells.push_back({p, text[p], true});
        }
      }
      std::size_t at = 0;
      do {
        const std::size_t n = std::min(columns, cells.size() - at);
        rows.emplace_back(cells.begin() + static_cast<long>(at),
                          cells.begin() + static_cast<long>(at + n));
        rowLine.push_back(lineCount);
        at += n;
      } while (at < cells.size());
      ++lineCount;
      if (last) break;
      start = end + 1;
    }
  }
  std::size_t lineCount = 0;
};

void ExpectLayout(const ConsoleBuffer& buffer, const ConsoleRows& rows, const std::string& why,
                  bool carets = true) {
  const Expected expected(buffer.text(), rows.columns());
  ASSERT_EQ(rows.rowCount(), expected.rows.size()) << why;
  for (std::size_t r = 0; r < expected.rows.size(); ++r) {
    std::string shown;
    for (const auto& cell : expected.rows[r]) shown.push_back(cell.shown);
    const rcon::RowCells cells = rows.cellsOf(r);
    ASSERT_EQ(cells.cells, shown) << why << " row " << r;
    ASSERT_EQ(rows.rowAt(r).line, expected.rowLine[r]) << why << " row " << r;
    if (r == 0 || expected.rowLine[r] != expected.rowLine[r - 1]) {
      ASSERT_EQ(rows.firstRowOf(expected.rowLine[r]), r) << why;
    }
    // A click on a cell's left edge puts the caret before that cell's byte.
    for (std::size_t c = 0; carets && c < expected.rows[r].size(); ++c) {
      if (!expected.rows[r][c].first) continue;
      ASSERT_EQ(rows.caretAt(r, c), expected.rows[r][c].offset)
          << why << " row " << r << " column " << c;
    }
  }
}

TEST(ConsoleRows, WrapsTabsAndHidesControlBytes) {
  struct Case {
    const char* text;
    std::uint64_t columns;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {"", 10, {""}},
      {"abc\r\n", 10, {"abc", ""}},
      {"abcdefghijklmnopqrstuvwxy", 10, {"abcdefghij", "klmnopqrst", "uvwxy"}},
      {"abcdefghij\n", 10, {"abcdefghij", ""}},
      {"a\tb\n\tc", 80, {"a       b", "        c"}},
      // A tab running over the edge of a row goes on at the start of the next.
      {"abcdefgh\tX", 10, {"abcdefgh  ", "      X"}},
      // A lone carriage return, and other control bytes, show as nothing.
      {"a\rb\x01"
       "c\x7F\x81\r\r\nd",
       80,
       {"abc", "d"}},
      {"\x80\x9F\xFF", 80, {"\x80\x9F\xFF"}},
  };
  for (const Case& c : cases) {
    ConsoleBuffer buffer;
    buffer.append(c.text);
    const ConsoleRows rows(buffer, c.columns);
    std::vector<std::string> shown;
    for (std::uint64_t r = 0; r < rows.rowCount(); ++r) shown.push_back(rows.cellsOf(r).cells);
    EXPECT_EQ(shown, c.rows) << c.text;
  }
}

TEST(ConsoleRows, CaretStaysWithinLinesAndPicksTheNearerSideOfATab) {
  ConsoleBuffer buffer;
  buffer.append("ab\tc\r\nxyz");
  const ConsoleRows rows(buffer, 80);
  EXPECT_EQ(rows.caretAt(0, 3), 2u);   // near the tab's start
  EXPECT_EQ(rows.caretAt(0, 6), 3u);   // near its end
  EXPECT_EQ(rows.caretAt(0, 50), 4u);  // past the end: before the line break
  EXPECT_EQ(rows.caretAt(1, 50), buffer.size());
  EXPECT_EQ(rows.caretAt(9, 0), 6u);  // past the last row: the last row
}

TEST(ConsoleRows, SelectionCoversItsCellsAndTheLineBreak) {
  ConsoleBuffer buffer;
  buffer.append("one\r\ntwo\r\n");
  const ConsoleRows rows(buffer, 80);
  const rcon::RowCells first = rows.cellsOf(0, 1, 7);
  EXPECT_EQ(first.selectedFrom, 1u);
  EXPECT_EQ(first.selectedTo, 3u);
  EXPECT_TRUE(first.breakSelected);
  const rcon::RowCells second = rows.cellsOf(1, 1, 7);
  EXPECT_EQ(second.selectedFrom, 0u);
  EXPECT_EQ(second.selectedTo, 2u);
  EXPECT_FALSE(second.breakSelected);
}

// Appends in pieces cut anywhere (inside CR LF, inside long lines with tabs), and at several
// widths, must give exactly the layout of the whole text laid out at once.
TEST(ConsoleRows, FollowsAppendsAndResizesExactly) {
  std::mt19937 random(7);
  const char alphabet[] = {'a', 'b', ' ', '\t', '\r', '\n', '\x01', '\x81', '\xE9'};
  ConsoleBuffer buffer;
  ConsoleRows rows(buffer, 13);
  for (int round = 0; round < 60; ++round) {
    std::string piece;
    const bool longLine = round % 10 == 9;
    const std::size_t length = longLine ? 5000 : random() % 40;
    for (std::size_t i = 0; i < length; ++i) {
      piece.push_back(longLine && i % 100 != 0 ? 'x' : alphabet[random() % sizeof alphabet]);
    }
    buffer.append(piece);
    rows.sync();
    ExpectLayout(buffer, rows, "round " + std::to_string(round), round % 10 == 9);
  }
  for (const std::uint64_t columns : {3u, 80u, 13u}) {
    rows.setColumns(columns);
    ExpectLayout(buffer, rows, "columns " + std::to_string(columns));
  }
  buffer.assign("replaced\r\nby\tOpen");
  rows.sync();
  ExpectLayout(buffer, rows, "after assign");
  buffer.clear();
  rows.sync();
  EXPECT_EQ(rows.rowCount(), 1u);
}

TEST(ConsoleRows, CopiesWithPlainLineFeedsAndNoHiddenBytes) {
  EXPECT_EQ(rcon::CopyText("a\tb\r\nc\nd\r"), "a\tb\nc\nd");
  EXPECT_EQ(rcon::CopyText(std::string("x\0\x81y\x80", 5)), "xy\x80");
}

}  // namespace
