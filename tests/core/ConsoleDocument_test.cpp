// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ConsoleDocument.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "core/PrintLayout.h"

namespace {

using rcon::MsgAnswer;
using Name = std::optional<std::string>;
using V = std::vector<std::string>;

// Prompts give `answer`; the save and open dialogs give saveAs and openAs (nullopt: cancelled).
struct Fake final : rcon::MessageBoxService, rcon::FileDialogService, rcon::FileStore {
  MsgAnswer show(const rcon::MessageBoxRequest& r) override {
    shown.push_back(r);
    return r.buttons == rcon::MsgButtons::Ok ? MsgAnswer::Ok : answer;
  }
  Name showOpen(const rcon::FileDialogRequest& r) override { return Ask(r, "open:", openAs); }
  Name showSave(const rcon::FileDialogRequest& r) override { return Ask(r, "save:", saveAs); }
  Name Ask(const rcon::FileDialogRequest& r, const std::string& kind, const Name& name) {
    asked.push_back(kind + r.fileName + (r.overwritePrompt && r.pathMustExist ? "!" : ""));
    whileOpen();  // the dialog's event loop lets replies in
    return name;
  }
  rcon::ReadResult read(const std::string& path, std::uint64_t) override {
    return {rcon::ReadResult::Status::Ok, files.at(path), {}};
  }
  rcon::WriteResult write(const std::string& path, std::string_view bytes) override {
    whileWriting();
    if (path != failing) files[path] = bytes;
    return {path != failing, "disk full"};
  }
  MsgAnswer answer = MsgAnswer::Cancel;  // as a box closed without a button
  Name saveAs, openAs;
  std::vector<rcon::MessageBoxRequest> shown;
  std::vector<std::string> asked;
  std::map<std::string, std::string> files{{"old.txt", "old"}, {"new.txt", "new"}};
  std::string failing;
  std::function<void()> whileOpen = [] {}, whileWriting = [] {};
};

struct Doc : ::testing::Test {
  Fake f;
  rcon::Console console;
  rcon::ConsoleDocument doc{console, f, f, f};
  void Titled() {  // opened from old.txt, then changed
    f.openAs = "old.txt";
    ASSERT_TRUE(doc.open());
    console.append("+");
    f.openAs.reset();
  }
};

TEST_F(Doc, PromptsOnlyWhenChangedAndNeverTwice) {
  EXPECT_TRUE(doc.newDocument() && doc.queryClose() && f.shown.empty());
  console.append("x");
  f.whileOpen = [&] { EXPECT_FALSE(doc.newDocument() || doc.queryClose()); };
  f.answer = MsgAnswer::Yes;
  EXPECT_FALSE(doc.queryClose());  // untitled: the save dialog was cancelled
  EXPECT_EQ(f.shown.at(0).text, "Do you want to save the console first?");
  EXPECT_TRUE(f.shown.size() == 1 && f.shown[0].buttons == rcon::MsgButtons::YesNoCancel &&
              f.shown[0].defaultButton == MsgAnswer::Cancel && doc.lastAnswer() == 6);
}

// The save dialog's answer, if it is shown; goesOn: the console was replaced or may close.
using Row = std::tuple<bool, MsgAnswer, const char*, bool, bool>;
struct PromptTable : Doc, ::testing::WithParamInterface<std::tuple<Row, int>> {};

// Each row for New (0), Open (1) and closing the window (2).
TEST_P(PromptTable, OperationsHonourTheAnswer) {
  const auto [row, op] = GetParam();
  const auto [titled, answer, saveAs, writeFails, goesOn] = row;
  const std::string file = titled ? "old.txt" : "c.txt";
  const bool saved = answer == MsgAnswer::Yes && goesOn;
  if (titled) Titled();
  console.append("unsaved");
  const std::string before = console.buffer.text();
  f.answer = answer;
  if (saveAs) f.saveAs = saveAs;
  if (op == 1) f.openAs = "new.txt";
  if (writeFails) f.failing = file;
  const bool went = op == 0 ? doc.newDocument() : op == 1 ? doc.open() : doc.queryClose();
  EXPECT_EQ(went, goesOn);
  EXPECT_EQ(console.buffer.text(), op == 2 || !went ? before : op == 0 ? "" : "new");
  EXPECT_EQ(console.unsaved, op < 2 ? !went : !saved);
  EXPECT_EQ(f.files[file], saved ? before + "\r\n" : titled ? "old" : "");
  EXPECT_EQ(writeFails, f.shown.back().text.find("disk full") != std::string::npos);
  EXPECT_EQ(doc.fileName(), op < 2 && went ? (op ? "new.txt" : "") : titled || saveAs ? file : "");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PromptTable,
    ::testing::Combine(::testing::Values(Row(false, MsgAnswer::Cancel, nullptr, false, false),
                                         Row(true, MsgAnswer::Cancel, nullptr, false, false),
                                         Row(true, MsgAnswer::No, nullptr, false, true),
                                         Row(false, MsgAnswer::Yes, nullptr, false, false),
                                         Row(false, MsgAnswer::Yes, "c.txt", false, true),
                                         Row(true, MsgAnswer::Yes, nullptr, false, true),
                                         Row(true, MsgAnswer::Yes, nullptr, true, false),
                                         Row(false, MsgAnswer::Yes, "c.txt", true, false)),
                       ::testing::Values(0, 1, 2)));

TEST_F(Doc, DialogsStartWithTheRightNames) {
  Titled();
  f.answer = MsgAnswer::No;
  EXPECT_FALSE(doc.open());  // cancelled: the earlier name stays
  doc.saveAs();
  f.answer = MsgAnswer::Yes;  // an abandoned Save As does not stop a later silent save
  EXPECT_TRUE(doc.newDocument());
  EXPECT_EQ(f.files["old.txt"], "old+\r\n");
  doc.save();  // after New, Save asks for a name
  doc.open();
  EXPECT_EQ(f.asked, (V{"open:", "open:", "save:old.txt!", "save:!", "open:"}));
}

TEST_F(Doc, RepliesDuringDialogsAreNeverLostSilently) {
  f.whileOpen = [&] { console.append("reply\n"); };
  f.openAs = "new.txt";
  EXPECT_FALSE(doc.open());  // asked before the console is replaced
  f.saveAs = "out.txt";
  doc.saveAs();  // during the save dialog: written with the rest
  EXPECT_EQ(f.files["out.txt"], "reply\nreply\n\r\n");
  EXPECT_FALSE(console.unsaved);
  f.whileWriting = [&] { console.append("late"); };
  doc.save();  // after the text was taken: still unsaved
  EXPECT_TRUE(console.unsaved);
}

TEST(PrintLines, BreaksWrapsAndExpands) {
  EXPECT_EQ(rcon::printLines("a\r\nb\n\r\nc\td\ref\n", 10), (V{"a", "b", "", "c       d\r", "ef"}));
  EXPECT_EQ(rcon::printLines("ab", 0), (V{"a", "b"}));
}

}  // namespace
