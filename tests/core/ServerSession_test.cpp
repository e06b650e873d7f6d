// SPDX-License-Identifier: GPL-3.0-or-later
// The server session on fakes: what leaves for the server, what reaches the console, and what
// the view is told, with a virtual clock and a hand-driven timer.
#include "core/ServerSession.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

#include "fakes/FakeServices.h"

namespace {

using rcon::Datagram;

class FakeFiles final : public rcon::FileStore {
 public:
  rcon::ReadResult read(const std::string& path, std::uint64_t) override {
    const auto found = stored.find(path);
    if (found == stored.end()) return {rcon::ReadResult::Status::NotFound, {}, {}};
    return {rcon::ReadResult::Status::Ok, found->second, {}};
  }
  rcon::WriteResult write(const std::string& path, std::string_view bytes) override {
    stored[path] = std::string(bytes);
    return {true, {}};
  }
  rcon::WriteResult append(const std::string& path, std::string_view bytes) override {
    stored[path] += bytes;
    return {true, {}};
  }
  std::map<std::string, std::string> stored;
};

struct RecordedEvents final : rcon::SessionEvents {
  void consoleAppended() override { ++appended; }
  void consoleReset() override { ++reset; }
  void messagingChanged() override { ++messaging; }
  void refused(rcon::TargetField field) override { refusals.push_back(field); }
  int appended = 0, reset = 0, messaging = 0;
  std::vector<rcon::TargetField> refusals;
};

struct Rig {
  Rig() {
    session.setEvents(&events);
    session.setOctet(0, "127");
    session.setOctet(3, "1");
    session.setPassword("pw");
  }
  std::vector<std::string> requests() const {
    std::vector<std::string> texts;
    for (const auto& sent : socket.sent) texts.push_back(sent.bytes.substr(4));
    return texts;
  }
  const std::string& console() const { return session.console().buffer.text(); }

  fakes::FakeSocket socket;
  fakes::FakeTimer timer;
  fakes::FakeClock clock;
  fakes::FakeMessageBox boxes;
  fakes::FakeFileDialog dialog;
  FakeFiles files;
  rcon::ServerSession session{{socket, timer, clock, boxes, dialog, files}};
  RecordedEvents events;
};

TEST(ServerSession, CommandsReadTheTargetAtEverySend) {
  Rig r;
  r.session.sendCommand("status");
  r.session.setPortText("27960");
  r.session.setPassword("new pw");
  r.session.sendCommand("map ctf1");
  r.session.requestStatus();
  EXPECT_EQ(r.requests(),
            (std::vector<std::string>{"rcon pw status", "rcon new pw map ctf1", "getstatus"}));
  ASSERT_EQ(r.socket.sent.size(), 3u);
  EXPECT_EQ(r.socket.sent[0].host, "127.0.0.1");
  EXPECT_EQ(r.socket.sent[0].port, 20100);
  EXPECT_EQ(r.socket.sent[1].port, 27960);
  EXPECT_EQ(r.socket.sent[0].bytes.substr(0, 4), "\xFF\xFF\xFF\xFF");
}

TEST(ServerSession, RefusalsShowOneBoxAndNameTheField) {
  Rig r;
  r.session.setOctet(0, "0");
  r.session.setOctet(3, "0");
  r.session.sendCommand("status");
  r.session.setOctet(3, "1");
  r.session.setPortText("70000");
  r.session.requestStatus();
  EXPECT_TRUE(r.socket.sent.empty());
  ASSERT_EQ(r.boxes.shown.size(), 2u);
  EXPECT_EQ(r.boxes.shown[0].text, "Please enter a valid IP address.");
  EXPECT_EQ(r.boxes.shown[1].text, "Please enter a valid server port.");
  EXPECT_EQ(r.events.refusals, (std::vector{rcon::TargetField::Address, rcon::TargetField::Port}));
  // While a box is up, further refusals count as shown.
  r.boxes.onShow = [&r](const rcon::MessageBoxRequest&) { r.session.requestStatus(); };
  r.session.requestStatus();
  EXPECT_EQ(r.boxes.shown.size(), 3u);
}

TEST(ServerSession, RepliesJoinSplitLinesWithinTheContinuationTime) {
  Rig r;
  r.session.requestStatus();
  const auto reply = [&r](std::string text, std::uint16_t port = 20100) {
    r.socket.arrive({Datagram{"\xFF\xFF\xFF\xFFprint\n" + text, "127.0.0.1", port}});
  };
  reply("one ");
  r.clock.now += 250;
  reply("line\n");
  reply("cut");
  r.clock.now += 251;  // too late to continue the line
  reply("next");
  reply(" other sender\n", 20101);
  // A batch is one append, however many datagrams it holds.
  r.socket.arrive({Datagram{"\xFF\xFF\xFF\xFFprint\na\n", "127.0.0.1", 20100},
                   Datagram{"\xFF\xFF\xFF\xFFprint\nb\n", "127.0.0.1", 20100}});
  EXPECT_EQ(r.console(), "one line\r\ncut\r\nnext\r\n other sender\r\na\r\nb\r\n");
  EXPECT_EQ(r.events.appended, 6);
  EXPECT_TRUE(r.session.console().unsaved);
}

TEST(ServerSession, AStatusReplyBecomesTheReport) {
  Rig r;
  r.session.requestStatus();
  r.socket.arrive(
      {Datagram{"\xFF\xFF\xFF\xFFstatusResponse\n\\mode\\ctf\n3 40 \"Al\"\n", "127.0.0.1", 20100}});
  EXPECT_NE(r.console().find("                mode  ctf\r\n"), std::string::npos);
  EXPECT_NE(r.console().find(" 3     40             Al\r\n"), std::string::npos) << r.console();
}

TEST(ServerSession, MessagingTicksOnTheTimer) {
  Rig r;
  r.session.messaging().text = "A\r\nB\r\n";
  r.session.messaging().seconds = 90;  // a minute, then the remaining 30 s
  r.session.startMessaging();
  EXPECT_EQ(r.events.messaging, 1);
  EXPECT_FALSE(r.session.messagingMenus().start);
  EXPECT_EQ(r.timer.current, 60000u);
  r.timer.fire();
  EXPECT_EQ(r.timer.current, 30000u);
  EXPECT_TRUE(r.socket.sent.empty());
  r.timer.fire();
  r.timer.fire();
  r.timer.fire();
  EXPECT_EQ(r.requests(), (std::vector<std::string>{"rcon pw say A", "rcon pw say B"}));
  r.session.stopMessaging();
  r.timer.fire();  // a tick already on its way
  EXPECT_EQ(r.socket.sent.size(), 2u);
  EXPECT_EQ(r.timer.current, 0u);
  EXPECT_TRUE(r.session.messagingMenus().start);
}

TEST(ServerSession, NewAndOpenResetTheView) {
  Rig r;
  r.session.appendToConsole("text\r\n");
  r.files.stored["in.txt"] = "opened\r\n";
  r.boxes.answers = {rcon::MsgAnswer::No};
  r.dialog.answers = {std::string("in.txt")};
  r.session.openDocument();
  EXPECT_EQ(r.console(), "opened\r\n");
  r.session.newDocument();
  EXPECT_EQ(r.console(), "");
  EXPECT_EQ(r.events.reset, 2);
}

TEST(ServerSession, TheMessageListIsReadFromItsFile) {
  Rig r;
  r.session.messaging().file = "messaging.txt";
  r.session.loadMessagingList();
  EXPECT_EQ(r.session.messaging().text, "");
  r.files.stored["messaging.txt"] = "hello\r\n";
  r.session.loadMessagingList();
  EXPECT_EQ(r.session.messaging().text, "hello\r\n");
}

// Only addresses sent to may write into the console: a stranger's text, or a forged status
// report, never shows; the first stranger is named once.
TEST(ServerSession, StrangersStayOutOfTheConsole) {
  Rig r;
  r.socket.reply("before any send\n", "127.0.0.1");
  r.session.requestStatus();
  r.socket.reply("forged\n", "127.0.0.2");
  r.socket.arrive({Datagram{"\xFF\xFF\xFF\xFFstatusResponse\n\\x\\1\n", "10.0.0.9", 20100}});
  r.socket.reply("from any port of the server\n", "127.0.0.1", 5555);
  EXPECT_EQ(r.session.strangersDropped(), 3u);
  EXPECT_EQ(r.console(),
            "*** Ignored a datagram from 127.0.0.1, an address this window has not sent to. "
            "Further ones are ignored without a word.\r\nfrom any port of the server\r\n");
}

struct FakeNetwork final : rcon::LocalNetwork {
  std::vector<std::string> broadcastAddresses() const override { return {"192.168.1.255"}; }
};

TEST(ServerSession, BroadcastAndMulticastAddressesAreRefused) {
  for (const std::array<const char*, 4> octets :
       {std::array{"255", "255", "255", "255"}, std::array{"224", "0", "0", "1"},
        std::array{"239", "1", "2", "3"}, std::array{"192", "168", "1", "255"}}) {
    Rig r;
    FakeNetwork network;
    rcon::ServerSession session{{r.socket, r.timer, r.clock, r.boxes, r.dialog, r.files, &network}};
    for (std::size_t i = 0; i < 4; ++i) session.setOctet(i, octets[i]);
    session.sendCommand("status");
    EXPECT_TRUE(r.socket.sent.empty()) << octets[0];
    ASSERT_EQ(r.boxes.shown.size(), 1u);
    EXPECT_NE(r.boxes.shown[0].text.find("broadcast or multicast"), std::string::npos);
  }
}

TEST(ServerSession, ARefusedPasswordStopsMessagingWithOneBox) {
  for (const char* refusal : {"Bad rconpassword.\n", "No rconpassword set on the server.\n"}) {
    Rig r;
    r.session.messaging().text = "A\r\nB\r\n";
    r.session.messaging().seconds = 5;
    r.session.startMessaging();
    r.timer.fire();
    r.socket.reply(refusal);
    EXPECT_TRUE(r.session.messagingMenus().start);
    EXPECT_EQ(r.timer.current, 0u);
    r.timer.fire();
    r.socket.reply(refusal);
    EXPECT_EQ(r.socket.sent.size(), 1u);
    EXPECT_EQ(r.boxes.shown.size(), 1u);
    EXPECT_NE(r.console().find("rconpassword"), std::string::npos);  // the reply still shows
  }
}

// A failed send while another box is up waits for it, and one report counts them all.
TEST(ServerSession, FailedSendsAreReportedOnceTheBoxOnScreenCloses) {
  Rig r;
  r.socket.result = {false, "Network is unreachable"};
  r.boxes.onShow = [&r](const rcon::MessageBoxRequest&) {
    r.boxes.onShow = nullptr;
    r.session.sendCommand("a");
    r.session.sendCommand("b");
  };
  r.session.messageBoxes().show({"something else", "Vortane Rcon"});
  ASSERT_EQ(r.boxes.shown.size(), 2u);
  EXPECT_EQ(r.boxes.shown[1].text,
            "Could not send to 127.0.0.1 port 20100: Network is unreachable\n(2 sends failed "
            "while another message was up.)");
}

TEST(ServerSession, AFullConsoleKeepsItsOldestLinesInTheOverflowFile) {
  Rig r;
  r.session.setOverflowFile("overflow.txt");
  r.session.requestStatus();
  const std::string line(1023, 'x');
  std::string all;
  for (std::size_t i = 0; all.size() <= rcon::ServerSession::kConsoleLimit + 4096; ++i) {
    const std::string text = std::to_string(i) + line + "\r\n";
    all += text;
    r.session.appendToConsole(text);
  }
  EXPECT_LE(r.console().size(), rcon::ServerSession::kConsoleLimit);
  const std::string& kept = r.files.stored["overflow.txt"];
  const std::string notice =
      "*** The console is full; its oldest lines are kept in overflow.txt\r\n";
  // Nothing is lost: what left, then what stays, is everything that came, in order.
  const std::size_t at = r.console().find(notice);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(kept + r.console().substr(0, at) + r.console().substr(at + notice.size()), all);
  EXPECT_EQ(kept.back(), '\n');  // whole lines only
}

TEST(ServerSession, NewAsksAgainWhenRepliesCameDuringItsPrompt) {
  Rig r;
  r.session.requestStatus();
  r.session.appendToConsole("unsaved\r\n");
  r.boxes.answers = {rcon::MsgAnswer::No, rcon::MsgAnswer::Cancel};
  r.boxes.onShow = [&r](const rcon::MessageBoxRequest&) {
    r.boxes.onShow = nullptr;
    r.socket.reply("arrived meanwhile\n");
  };
  r.session.newDocument();
  EXPECT_EQ(r.boxes.shown.size(), 2u);
  EXPECT_EQ(r.console(), "unsaved\r\narrived meanwhile\r\n");
  // An open line does not carry over into a cleared console.
  r.socket.reply("open");
  r.boxes.answers = {rcon::MsgAnswer::No};
  r.session.newDocument();
  r.clock.now += 10;
  r.socket.reply("fresh\n");
  EXPECT_EQ(r.console(), "fresh\r\n");
}

}  // namespace
