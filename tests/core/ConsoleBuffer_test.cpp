#include "core/ConsoleBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const rcon::ConsoleBuffer& buffer) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < buffer.lineCount(); ++i) lines.emplace_back(buffer.line(i));
  return lines;
}

TEST(ConsoleBuffer, IndexesLinesWhateverThePiecesAppended) {
  struct Case {
    std::vector<std::string> pieces;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {{}, {""}},
      {{"a\r\nb"}, {"a", "b"}},
      {{"a\nb\n"}, {"a", "b", ""}},
      // A carriage return cut from its line feed still belongs to the break once it arrives.
      {{"a\r", "\nb"}, {"a", "b"}},
      {{"a\r"}, {"a\r"}},
      {{"a\rb\r\r\n"}, {"a\rb\r", ""}},
      {{"", "x", "", "y"}, {"xy"}},
  };
  for (const Case& c : cases) {
    rcon::ConsoleBuffer buffer;
    for (const std::string& piece : c.pieces) buffer.append(piece);
    EXPECT_EQ(Lines(buffer), c.lines);
  }
}

TEST(ConsoleBuffer, GenerationMarksReplacementsNotAppends) {
  rcon::ConsoleBuffer buffer;
  const auto start = buffer.generation();
  buffer.append("one\r\n");
  EXPECT_EQ(buffer.generation(), start);
  buffer.assign("two\r\nthree");
  EXPECT_EQ(buffer.generation(), start + 1);
  EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"two", "three"}));
  buffer.clear();
  EXPECT_EQ(buffer.generation(), start + 2);
  EXPECT_EQ(Lines(buffer), std::vector<std::string>{""});
}

}  // namespace
