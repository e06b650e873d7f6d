// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MessagingOptions.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace {

using rcon::MsgAnswer;

TEST(AcceptInterval, StoresAPositiveInterval) {
  // Typed, unit, text stored, seconds. A fraction left in the box is kept as typed and its whole
  // part counts; beyond the 32-bit range the seconds stop at its end.
  const std::tuple<const char*, std::int64_t, const char*, std::int64_t> rows[] = {
      {"", 1, "1", 1},
      {"0", 60, "1", 60},
      {"-5", 1, "5", 5},
      {"3", 60, "3", 180},
      {"-3.5", 1, "4", 4},
      {"2.5", 60, "2.5", 120},
      {"40000000", 60, "40000000", 2147483647},
      {"9e99", 1, "9e99", 2147483647},
      {"-9e99", 1, "9223372036854775807", 2147483647}};
  for (const auto& [typed, unit, text, seconds] : rows) {
    const rcon::AcceptedInterval a = rcon::acceptInterval(typed, unit);
    EXPECT_EQ(std::pair(a.text, a.seconds), std::pair(std::string(text), seconds)) << typed;
  }
}

TEST(TidyInterval, LeavesTheWholePart) {
  const std::pair<const char*, const char*> rows[] = {
      {"2.9", "2"}, {"-3.5", "-4"}, {" 1 2 ", "12"}, {"x", "0"}};
  for (const auto& [typed, tidy] : rows) EXPECT_EQ(rcon::tidyInterval(typed), tidy);
}

// The dialog's controls, the boxes, the file dialog and the files, all in one record.
struct Fakes final : rcon::MessagingOptionsView,
                     rcon::MessageBoxService,
                     rcon::FileDialogService,
                     rcon::FileStore {
  std::string listText() const override { return list; }
  void showList(const std::string& bytes) override { list = bytes; }
  std::string intervalText() const override { return interval; }
  void showInterval(const std::string& text) override { interval = text; }
  void showFile(const std::string& path) override { file = path; }
  void showUnit(std::int64_t shown) override { unit = shown; }

  MsgAnswer show(const rcon::MessageBoxRequest& r) override {
    boxes.push_back(r.text);
    return r.buttons == rcon::MsgButtons::Ok ? MsgAnswer::Ok : answer;
  }
  std::optional<std::string> showOpen(const rcon::FileDialogRequest&) override {
    dialogs.emplace_back("open");
    return chosen;
  }
  std::optional<std::string> showSave(const rcon::FileDialogRequest& r) override {
    dialogs.push_back(r.overwritePrompt ? "save, ask to replace" : "save");
    return chosen;
  }
  rcon::ReadResult read(const std::string& path, std::uint64_t) override {
    if (path == tooLarge) return {rcon::ReadResult::Status::TooLarge, {}, {}};
    const auto found = files.find(path);
    if (found == files.end()) return {rcon::ReadResult::Status::NotFound, {}, {}};
    return {rcon::ReadResult::Status::Ok, found->second, {}};
  }
  rcon::WriteResult write(const std::string& path, std::string_view bytes) override {
    if (path.starts_with("missing/")) return {false, "no such folder"};
    files[path] = bytes;
    return {true, {}};
  }

  std::string list, interval, file;
  std::int64_t unit = 0;
  std::vector<std::string> boxes, dialogs;
  MsgAnswer answer = MsgAnswer::Cancel;
  std::optional<std::string> chosen;
  std::map<std::string, std::string> files{{"messaging.txt", "A\r\nB\r\n"}, {"x.txt", "X\r\n"}};
  std::string tooLarge;
};

struct Options : ::testing::Test {
  Fakes f;
  rcon::MessagingSettings settings{"messaging.txt", "A\r\nB\r\n", "2", 120, 60};
  rcon::MessagingOptions options{settings, f, f, f, f};
  void SetUp() override { options.load(); }
};

TEST_F(Options, LoadShowsTheSettingsAndOkStoresThem) {
  EXPECT_EQ(std::tuple(f.list, f.interval, f.file, f.unit),
            std::tuple("A\r\nB\r\n", "2", "messaging.txt", 60));
  options.unitChosen(0);
  f.interval = "-5";
  f.list = "C";
  options.listEdited();
  ASSERT_TRUE(options.accept());
  EXPECT_EQ(f.interval, "5");  // the box shows what was stored
  EXPECT_EQ(
      std::tuple(settings.intervalText, settings.seconds, settings.unitSeconds, settings.text),
      std::tuple("5", 5, 1, "C"));
  EXPECT_EQ(f.files["messaging.txt"], "C\r\n");
  // A file that cannot be written keeps the dialog open and the settings as they were.
  options.fileEdited("missing/list.txt");
  f.interval = "9";
  EXPECT_FALSE(options.accept());
  EXPECT_EQ(f.boxes, std::vector<std::string>{std::string(rcon::kInvalidFilename)});
  EXPECT_EQ(settings.seconds, 5);
}

TEST_F(Options, AFileLoadCouldNotReadIsNotWrittenOverUnlessEdited) {
  f.tooLarge = "messaging.txt";
  options.load();
  EXPECT_EQ(f.list, "");
  ASSERT_TRUE(options.accept());
  EXPECT_EQ(f.files["messaging.txt"], "A\r\nB\r\n");
  options.listEdited();
  f.answer = MsgAnswer::Yes;  // the file holds what the dialog never showed: asked first
  ASSERT_TRUE(options.accept());
  EXPECT_EQ(f.files["messaging.txt"], "\r\n");
  EXPECT_EQ(f.boxes.size(), 1u);
}

TEST_F(Options, SaveFirstPromptBeforeNewAndOpen) {
  // Edited or not, the answer, whether that save fails; then whether New or Open went on and
  // what the messaging file holds.
  struct Row {
    bool edited;
    MsgAnswer answer;
    bool saveFails;
    bool goesOn;
    const char* saved;
  };
  const Row rows[] = {{false, MsgAnswer::Cancel, false, true, "A\r\nB\r\n"},
                      {true, MsgAnswer::Yes, false, true, "C\r\n"},
                      {true, MsgAnswer::No, false, true, "A\r\nB\r\n"},
                      {true, MsgAnswer::Cancel, false, false, "A\r\nB\r\n"},
                      {true, MsgAnswer::Yes, true, false, "A\r\nB\r\n"}};
  for (const bool viaOpen : {false, true}) {
    for (const Row& row : rows) {
      f = {};
      settings.file = "messaging.txt";
      options.load();
      if (row.saveFails) options.fileEdited("missing/list.txt");
      if (row.edited) {
        f.list = "C";
        options.listEdited();
      }
      f.answer = row.answer;
      f.chosen = "x.txt";
      viaOpen ? options.open() : options.newList();
      const std::string which = viaOpen ? "Open " : "New ";
      SCOPED_TRACE(which + std::to_string(int(row.answer)) + (row.saveFails ? " fails" : ""));
      EXPECT_EQ(f.boxes.size(), std::size_t(row.edited) + row.saveFails);
      EXPECT_EQ(f.files["messaging.txt"], row.saved);
      EXPECT_EQ(f.dialogs.size(), std::size_t(row.goesOn));
      if (row.goesOn) {
        EXPECT_EQ(settings.file, "x.txt");
        EXPECT_EQ(f.list, viaOpen ? "X\r\n" : "");
      }
    }
  }
}

TEST_F(Options, SaveAsCancelledWritesNothing) {
  f.list = "C";
  options.listEdited();
  EXPECT_FALSE(options.saveAs());
  EXPECT_EQ(f.dialogs, std::vector<std::string>{"save, ask to replace"});
  EXPECT_EQ(f.files.size(), 2u);
  f.chosen = "y.txt";
  EXPECT_TRUE(options.saveAs());
  EXPECT_EQ(std::tuple(f.files["y.txt"], settings.file, f.file),
            std::tuple("C\r\n", "y.txt", "y.txt"));
}

TEST_F(Options, SavesKeepTheFilesOwnLineEnds) {
  // The file as read, the list box's text after an edit (none: unedited), what OK writes. An
  // unedited list goes back byte for byte; an edit keeps the file's line ends and adds one only
  // where the text has none at its end.
  const std::tuple<const char*, std::optional<const char*>, const char*> rows[] = {
      {"A\nB\n", {}, "A\nB\n"},
      {"A\nB", {}, "A\nB"},
      {"A\r\nB", {}, "A\r\nB"},
      {"A\nB\r\r\nC", {}, "A\nB\r\r\nC"},
      {"", {}, ""},
      {"A\nB\n", "A\r\nC", "A\nC\n"},
      {"A\nB\n", "C\r\n", "C\n"},
      {"A\nB\n", "C", "C\n"},
      {"A\r\nB\r\n", "C\r\nD", "C\r\nD\r\n"},
      {"A\r\nB\r\n", "C\r\n", "C\r\n"},
      {"A", "C", "C\r\n"}};
  for (const auto& [file, edited, saved] : rows) {
    SCOPED_TRACE(::testing::PrintToString(std::string(file)));
    f.files["messaging.txt"] = file;
    options.load();
    if (edited) {
      f.list = *edited;
      options.listEdited();
    }
    ASSERT_TRUE(options.accept());
    EXPECT_EQ(f.files["messaging.txt"], saved);
    // The scheduler gets what the file holds.
    if (!edited) {
      EXPECT_EQ(settings.text, file);
    }
  }
  EXPECT_TRUE(f.boxes.empty());
}

TEST_F(Options, AFileTheDialogDidNotLoadIsReplacedOnlyWhenTheUserSaysSo) {
  // The file OK names, the answer; whether it was asked, whether OK closed the dialog.
  struct Row {
    const char* path;
    MsgAnswer answer;
    bool asked;
    bool closes;
  };
  const Row rows[] = {{"x.txt", MsgAnswer::Yes, true, true},
                      {"x.txt", MsgAnswer::No, true, false},
                      {"new.txt", MsgAnswer::No, false, true},
                      {"messaging.txt", MsgAnswer::No, false, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.path) + ' ' + std::to_string(int(row.answer)));
    f = {};
    settings.file = "messaging.txt";
    options.load();
    options.fileEdited(row.path);
    f.answer = row.answer;
    EXPECT_EQ(options.accept(), row.closes);
    ASSERT_EQ(f.boxes.size(), std::size_t(row.asked));
    if (row.asked) {
      EXPECT_EQ(f.boxes[0], row.path + std::string(rcon::kReplaceFile));
    }
    EXPECT_EQ(f.files[row.path], row.closes ? "A\r\nB\r\n" : "X\r\n");
    // Once written, the file is the dialog's own: another OK does not ask again.
    if (row.closes) {
      EXPECT_TRUE(options.accept() && f.boxes.size() == std::size_t(row.asked));
    }
  }
}

TEST_F(Options, NewThenACancelledSaveAsDoesNotEmptyTheLoadedFileUnasked) {
  for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
    f = {};
    options.load();
    options.newList();  // the Save As dialog is cancelled
    EXPECT_EQ(std::tuple(f.list, settings.file), std::tuple("", "messaging.txt"));
    f.answer = answer;
    EXPECT_EQ(options.accept(), answer == MsgAnswer::Yes);
    EXPECT_EQ(f.boxes, std::vector<std::string>{"messaging.txt" + std::string(rcon::kReplaceFile)});
    EXPECT_EQ(f.files["messaging.txt"], answer == MsgAnswer::Yes ? "\r\n" : "A\r\nB\r\n");
  }
}

}  // namespace
