// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ConsoleBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The lines of a buffer, "|" between them.
std::string Lines(const rcon::ConsoleBuffer& buffer) {
  std::string lines(buffer.line(0));
  for (std::size_t i = 1; i < buffer.lineCount(); ++i) (lines += '|') += buffer.line(i);
  return lines;
}

TEST(ConsoleBuffer, IndexesLinesWhateverThePiecesAndCountsOnlyReplacements) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"a\r\nb\n"}, "a|b|"},
      // A carriage return cut from its line feed belongs to the break once the line feed comes.
      {{"a\r", "\nb\r"}, "a|b\r"},
      {{"a\rb\r\r\n", "", "x", "", "y"}, "a\rb\r|xy"},
  };
  for (const auto& [pieces, lines] : cases) {
    rcon::ConsoleBuffer buffer;
    const auto start = buffer.generation();
    for (const std::string& piece : pieces) buffer.append(piece);
    EXPECT_EQ(Lines(buffer), lines);
    EXPECT_EQ(buffer.generation(), start);
    buffer.assign("two\r\nthree");
    EXPECT_EQ(Lines(buffer), "two|three");
    buffer.clear();
    EXPECT_EQ(Lines(buffer), "");
    EXPECT_EQ(buffer.generation(), start + 2);
  }
}

}  // namespace
