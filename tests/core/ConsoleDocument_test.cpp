#include "core/ConsoleDocument.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>

#include "core/PrintLayout.h"

namespace {

using rcon::MsgAnswer;
using Answers = std::deque<std::optional<std::string>>;

struct Boxes final : rcon::MessageBoxService {
  MsgAnswer show(const rcon::MessageBoxRequest& request) override {
    shown.push_back(request);
    if (request.buttons == rcon::MsgButtons::Ok) return MsgAnswer::Ok;
    if (answers.empty()) return MsgAnswer::Cancel;  // as a box closed without a button
    const MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<rcon::MessageBoxRequest> shown;
  std::deque<MsgAnswer> answers;
};

struct Dialog final : rcon::FileDialogService {
  std::optional<std::string> showOpen(const rcon::FileDialogRequest& r) override {
    return next(r, true);
  }
  std::optional<std::string> showSave(const rcon::FileDialogRequest& r) override {
    return next(r, false);
  }
  std::optional<std::string> next(const rcon::FileDialogRequest& r, bool open) {
    requests.push_back(r);
    opens.push_back(open);
    if (whileOpen) whileOpen();  // the dialog's event loop lets replies in
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<rcon::FileDialogRequest> requests;
  std::vector<bool> opens;
  Answers answers;
  std::function<void()> whileOpen;
};

struct Store final : rcon::FileStore {
  rcon::ReadResult read(const std::string& path, std::uint64_t) override {
    const auto it = files.find(path);
    if (it == files.end()) return {rcon::ReadResult::Status::NotFound, {}, "missing"};
    return {rcon::ReadResult::Status::Ok, it->second, {}};
  }
  rcon::WriteResult write(const std::string& path, std::string_view bytes) override {
    if (whileWriting) whileWriting();
    if (path == failing) return {false, "disk full"};
    files[path] = std::string(bytes);
    return {true, {}};
  }
  std::map<std::string, std::string> files;
  std::string failing;
  std::function<void()> whileWriting;
};

struct Fixture : ::testing::Test {
  rcon::Console console;
  Boxes boxes;
  Dialog dialog;
  Store store;
  rcon::ConsoleDocument doc{console, boxes, dialog, store};

  // A titled document (opened from old.txt) with unsaved text, records cleared.
  void Titled() {
    store.files["old.txt"] = "old\r\n";
    dialog.answers = {"old.txt"};
    ASSERT_TRUE(doc.Open());
    console.append("more");
    boxes.shown.clear();
    dialog.requests.clear();
    dialog.opens.clear();
  }
};

TEST_F(Fixture, PromptAsksOnlyWhenChanged) {
  EXPECT_TRUE(doc.New());
  EXPECT_TRUE(doc.QueryUnload());
  EXPECT_TRUE(boxes.shown.empty());
  console.append("x");
  EXPECT_FALSE(doc.QueryUnload());  // closed box: Cancel
  ASSERT_EQ(boxes.shown.size(), 1u);
  const rcon::MessageBoxRequest& box = boxes.shown[0];
  EXPECT_EQ(box.text, "Do you want to save the console first?");
  EXPECT_EQ(box.title, "Vortane Rcon");
  EXPECT_EQ(box.buttons, rcon::MsgButtons::YesNoCancel);
  EXPECT_EQ(box.icon, rcon::MsgIcon::Exclamation);
  EXPECT_EQ(box.defaultButton, MsgAnswer::Cancel);
  EXPECT_EQ(doc.intAnswer(), 2);
}

// One row per path through the save-first prompt, for each operation that asks it.
struct Row {
  const char* name;
  bool titled;
  MsgAnswer answer;
  Answers dialog;     // save dialog, then (for Open) the open dialog
  bool writeFails;    // to the known name or the chosen one
  bool goesOn;        // the operation replaced the console or let the window close
  const char* saved;  // where the console was written, "" if nowhere
};

class PromptTable : public Fixture, public ::testing::WithParamInterface<Row> {};

TEST_P(PromptTable, EveryOperationHonoursTheAnswer) {
  const Row& row = GetParam();
  for (int op = 0; op < 3; ++op) {  // New, Open, closing the window
    SCOPED_TRACE(op);
    rcon::Console console;
    Boxes boxes;
    Dialog dialog;
    Store store;
    rcon::ConsoleDocument d{console, boxes, dialog, store};
    store.files["new.txt"] = "opened";
    if (row.titled) {
      store.files["old.txt"] = "old";
      dialog.answers = {"old.txt"};
      ASSERT_TRUE(d.Open());
    }
    console.append("unsaved");
    const std::string before = console.buffer.text();
    dialog.answers = row.dialog;
    if (op == 1) dialog.answers.push_back("new.txt");
    store.failing = row.writeFails ? (row.titled ? "old.txt" : "chosen.txt") : "";
    boxes.answers = {row.answer};
    const bool went = op == 0 ? d.New() : op == 1 ? d.Open() : d.QueryUnload();
    EXPECT_EQ(went, row.goesOn);
    const std::string saved = row.saved;
    const std::string text = op == 2 || !went ? before : op == 0 ? "" : "opened";
    EXPECT_EQ(console.buffer.text(), text);
    EXPECT_EQ(console.blnConsoleChanged, op < 2 ? !went : saved.empty());
    EXPECT_EQ(saved.empty() ? "" : store.files[saved], saved.empty() ? "" : before + "\r\n");
    EXPECT_EQ(row.writeFails, boxes.shown.back().text.find("disk full") != std::string::npos);
    if (!went && op < 2) {
      EXPECT_EQ(d.fileName(), row.titled ? "old.txt" : row.writeFails ? "chosen.txt" : "");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PromptTable,
    ::testing::Values(
        Row{"CancelStops", false, MsgAnswer::Cancel, {}, false, false, ""},
        Row{"ClosedBoxStops", true, MsgAnswer::Ok, {}, false, false, ""},
        Row{"NoGoesOnWithoutSaving", true, MsgAnswer::No, {}, false, true, ""},
        Row{"YesUntitledDialogCancelledStops",
            false,
            MsgAnswer::Yes,
            {std::nullopt},
            false,
            false,
            ""},
        Row{"YesUntitledSavesThroughDialog",
            false,
            MsgAnswer::Yes,
            {"chosen.txt"},
            false,
            true,
            "chosen.txt"},
        Row{"YesTitledSavesSilently", true, MsgAnswer::Yes, {}, false, true, "old.txt"},
        Row{"YesTitledWriteFailsStops", true, MsgAnswer::Yes, {}, true, false, ""},
        Row{"YesUntitledWriteFailsStops", false, MsgAnswer::Yes, {"chosen.txt"}, true, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Fixture, DialogsStartWithTheRightNamesAndFlags) {
  Titled();
  doc.SaveAs();
  EXPECT_EQ(dialog.requests.at(0).fileName, "old.txt");
  EXPECT_TRUE(dialog.requests[0].overwritePrompt && dialog.requests[0].pathMustExist);
  EXPECT_EQ(dialog.requests[0].filter, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
  EXPECT_TRUE(doc.blnSaveCancelled());
  // An abandoned Save As does not stop a later prompt from saving silently.
  boxes.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(doc.New());
  EXPECT_EQ(store.files["old.txt"], "old\r\nmore\r\n");
  EXPECT_FALSE(doc.blnSaveCancelled());
  // After New, Save asks for a name; Open starts with an empty one.
  doc.Save();
  EXPECT_EQ(dialog.requests.at(1).fileName, "");
  doc.Open();
  EXPECT_TRUE(dialog.opens.back());
  EXPECT_EQ(dialog.requests.back().fileName, "");
}

TEST_F(Fixture, CancelledOpenKeepsTheEarlierFile) {
  Titled();
  boxes.answers = {MsgAnswer::No};
  EXPECT_FALSE(doc.Open());
  EXPECT_EQ(console.buffer.text(), "old\r\nmore");
  EXPECT_TRUE(console.blnConsoleChanged && doc.blnHasFileName());
  doc.Save();
  EXPECT_EQ(store.files["old.txt"], "old\r\nmore\r\n");
  // Opening an empty file empties the console and makes that file the document.
  store.files["empty.txt"] = "";
  dialog.answers = {"empty.txt"};
  EXPECT_TRUE(doc.Open());
  EXPECT_EQ(console.buffer.text(), "");
  EXPECT_FALSE(console.blnConsoleChanged);
  EXPECT_EQ(doc.fileName(), "empty.txt");
}

TEST_F(Fixture, RepliesDuringDialogsAreNeverLostSilently) {
  // During the save dialog: written with the rest.
  console.append("a\n");
  dialog.whileOpen = [&] { console.append("reply\n"); };
  dialog.answers = {"out.txt"};
  doc.SaveAs();
  EXPECT_EQ(store.files["out.txt"], "a\nreply\n\r\n");
  EXPECT_FALSE(console.blnConsoleChanged);
  // After the text was taken: the console stays unsaved.
  dialog.whileOpen = nullptr;
  store.whileWriting = [&] { console.append("late"); };
  doc.Save();
  EXPECT_TRUE(console.blnConsoleChanged);
  // During the open dialog of an unchanged console: asked again before it is replaced.
  store.whileWriting = nullptr;
  doc.Save();
  dialog.whileOpen = [&] { console.append("reply\n"); };
  store.files["in.txt"] = "in";
  dialog.answers = {"in.txt"};
  EXPECT_FALSE(doc.Open());
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(doc.fileName(), "out.txt");
}

TEST_F(Fixture, NoSecondOperationWhileADialogIsUp) {
  console.append("x");
  dialog.whileOpen = [&] {
    EXPECT_FALSE(doc.New());
    EXPECT_FALSE(doc.QueryUnload());
  };
  boxes.answers = {MsgAnswer::Yes};
  EXPECT_FALSE(doc.QueryUnload());
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST(PrintLines, BreaksWrapsAndExpands) {
  using V = std::vector<std::string>;
  EXPECT_EQ(rcon::PrintLines("", 10), V{""});
  EXPECT_EQ(rcon::PrintLines("a\r\nb\nc", 10), (V{"a", "b", "c"}));
  EXPECT_EQ(rcon::PrintLines("a\r\n", 10), V{"a"});
  EXPECT_EQ(rcon::PrintLines("\r\n\r\n", 10), (V{"", ""}));
  EXPECT_EQ(rcon::PrintLines("abcdefg\n", 3), (V{"abc", "def", "g"}));
  EXPECT_EQ(rcon::PrintLines("a\tb\r", 20), V{"a       b\r"});
  EXPECT_EQ(rcon::PrintLines("ab", 0), (V{"a", "b"}));
}

}  // namespace
