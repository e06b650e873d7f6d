#include "core/ReplyHandler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/StatusReport.h"

namespace {

// Status replies in the reply handler.
const std::string kStatusText = "Response\n\\a\\1\n5 50 1 \"A\"\n";
const std::string kStatus = "\xFF\xFF\xFF\xFFstatus" + kStatusText;
const std::string kPrint("\xFF\xFF\xFF\xFFprint\n", 10);

std::vector<std::string> WithReport(std::vector<std::string> before) {
  for (std::string& piece : rcon::FormatStatusResponse(kStatusText)) before.push_back(piece);
  return before;
}

TEST(ReplyHandlerStatus, StatusRepliesGoToTheReport) {
  rcon::ReplyHandler handler;
  std::vector<std::string> out;
  handler.onDatagram(kStatus, "a", 0, out);
  EXPECT_EQ(out, WithReport({}));
  // Only the text after the header counts: a print reply beginning "Response" is a report too.
  out.clear();
  handler.onDatagram(kPrint + kStatusText, "a", 10, out);
  EXPECT_EQ(out, WithReport({}));
  out.clear();
  handler.onDatagram(kPrint + "Response", "a", 15, out);
  EXPECT_EQ(out, (std::vector<std::string>{"\r\n"}));  // nothing to report: just the closing line
  out.clear();
  handler.onDatagram(kPrint + "response\n", "a", 20, out);
  EXPECT_EQ(out, (std::vector<std::string>{"response\r\n"}));
  EXPECT_FALSE(handler.lineOpen());
}

TEST(ReplyHandlerStatus, AReportEndsAnOpenLineFirst) {
  struct Case {
    const char* sender;
    std::int64_t nowMs;
  } cases[] = {{"a", 10}, {"b", 10}, {"a", 10 + rcon::ReplyHandler::kContinuationMs + 1}};
  for (const Case& c : cases) {
    rcon::ReplyHandler handler;
    std::vector<std::string> out;
    handler.onDatagram(kPrint + "half a li", "a", 0, out);
    ASSERT_TRUE(handler.lineOpen());
    handler.onDatagram(kStatus, c.sender, c.nowMs, out);
    EXPECT_EQ(out, WithReport({"half a li", "\r\n"})) << c.sender << " " << c.nowMs;
    EXPECT_FALSE(handler.lineOpen());
    // What follows starts a new line of its own.
    out.clear();
    handler.onDatagram(kPrint + "ne\n", "a", c.nowMs + 1, out);
    EXPECT_EQ(out, (std::vector<std::string>{"ne\r\n"}));
  }
}

}  // namespace
