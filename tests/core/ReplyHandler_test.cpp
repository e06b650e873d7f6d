// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReplyHandler.h"

#include <gtest/gtest.h>

#include "core/StatusReport.h"

namespace {

using Pieces = std::vector<std::string>;
const std::string kStatusText = "Response\n\\a\\1\n5 50 1 \"A\"\n";
const std::string kStatus = "\xFF\xFF\xFF\xFFstatus" + kStatusText;
const std::string kPrint("\xFF\xFF\xFF\xFFprint\n", 10);
const Pieces kReport = rcon::formatStatusResponse(kStatusText);

// The console pieces for one datagram.
Pieces Feed(rcon::ReplyHandler& h, const std::string& d, const char* from = "a", int ms = 0) {
  Pieces out;
  h.onDatagram(d, from, ms, out);
  return out;
}

// Only the text after the header counts: a print reply beginning "Response" is a report too.
TEST(ReplyHandlerStatus, StatusRepliesGoToTheReport) {
  rcon::ReplyHandler h;
  EXPECT_EQ(Feed(h, kStatus), kReport);
  EXPECT_EQ(Feed(h, kPrint + kStatusText), kReport);
  EXPECT_EQ(Feed(h, kPrint + "Response"), Pieces{"\r\n"});  // nothing to report: the closing line
  EXPECT_EQ(Feed(h, kPrint + "response\n"), Pieces{"response\r\n"});
  // A report first ends a line left open, whoever sends it and however late (the open line
  // continues for 250 ms); what follows starts a line of its own.
  Pieces ended = kReport;
  ended.insert(ended.begin(), "\r\n");
  for (const auto& [sender, ms] : {std::pair{"a", 10}, std::pair{"b", 10}, std::pair{"a", 251}}) {
    rcon::ReplyHandler open;
    EXPECT_EQ(Feed(open, kPrint + "half a li"), Pieces{"half a li"});
    EXPECT_EQ(Feed(open, kStatus, sender, ms), ended) << sender << ms;
    EXPECT_EQ(Feed(open, kPrint + "ne\n", "a", ms + 1), Pieces{"ne\r\n"});
  }
}

}  // namespace
