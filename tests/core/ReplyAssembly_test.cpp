#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ReplyHandler.h"

namespace {

const std::string kPrint("\xFF\xFF\xFF\xFFprint\n", 10);

// Console text for a sequence of datagrams from one sender, 10 ms apart.
std::string Show(const std::vector<std::string>& texts, const char* sender = "a") {
  rcon::ReplyHandler handler;
  std::vector<std::string> out;
  std::int64_t now = 0;
  for (const std::string& text : texts) handler.onDatagram(kPrint + text, sender, now += 10, out);
  std::string console;
  for (const std::string& piece : out) console += piece;
  return console;
}

TEST(ReplyHandler, ShowsEachReplyAsTheConsoleExpects) {
  struct Case {
    std::vector<std::string> replies;
    std::string console;
  } cases[] = {
      {{""}, "\r\n"},                          // nothing after the header
      {{"x\n"}, "x\r\n"},                      // one character and its line feed
      {{"\n"}, "\r\n"},                        // a bare line feed
      {{"0\n"}, "0\r\n"},                      // the short reply keeps its text
      {{"map changed\n"}, "map changed\r\n"},  // one line
      {{"a\nb\nc\n"}, "a\nb\nc\r\n"},          // inner line feeds stay bare
      {{"a\r\n"}, "a\r\r\n"},                  // only the final line feed is replaced
      {{"no end"}, "no end"},                  // left open for a continuation
      {{"one\n", "two\n"}, "one\r\ntwo\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Show(c.replies), c.console);
}

TEST(ReplyHandler, SplitOutputJoinsIntoOneText) {
  EXPECT_EQ(Show({"first line\nsecond li", "ne goes on and o", "n\nlast\n"}),
            "first line\nsecond line goes on and on\nlast\r\n");
}

TEST(ReplyHandler, AnOpenLineEndsForAnotherSenderOrAfterAPause) {
  rcon::ReplyHandler handler;
  std::vector<std::string> out;
  handler.onDatagram(kPrint + "open", "a", 0, out);
  handler.onDatagram(kPrint + "other\n", "b", 1, out);
  handler.onDatagram(kPrint + "again", "b", 2, out);
  handler.onDatagram(kPrint + "late\n", "b", 2 + rcon::ReplyHandler::kContinuationMs + 1, out);
  handler.onDatagram(kPrint + "open", "b", 1000, out);
  handler.onDatagram(kPrint + "-same\n", "b", 1000 + rcon::ReplyHandler::kContinuationMs, out);
  std::string console;
  for (const std::string& piece : out) console += piece;
  EXPECT_EQ(console, "open\r\nother\r\nagain\r\nlate\r\nopen-same\r\n");
}

TEST(ReplyHandler, ShortAndHostileDatagramsNeverFail) {
  rcon::ReplyHandler handler;
  std::vector<std::string> out;
  handler.onDatagram("", "a", 0, out);
  handler.onDatagram("\xFF\xFF", "a", 0, out);
  handler.onDatagram(std::string(9, '\0'), "a", 0, out);
  EXPECT_EQ(out, std::vector<std::string>(3, "\r\n"));
  // A reply far beyond 16-bit lengths is shown whole.
  out.clear();
  handler.onDatagram(kPrint + std::string(65000, 'x') + "\n", "a", 0, out);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].size(), 65002u);
}

}  // namespace
