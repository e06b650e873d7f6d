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
  ASSERT_TRUE(options.accept());
  EXPECT_EQ(f.files["messaging.txt"], "\r\n");
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
  EXPECT_FALSE(options.saveAs());
  EXPECT_EQ(f.dialogs, std::vector<std::string>{"save, ask to replace"});
  EXPECT_EQ(f.files.size(), 2u);
  f.chosen = "y.txt";
  EXPECT_TRUE(options.saveAs());
  EXPECT_EQ(std::tuple(f.files["y.txt"], settings.file, f.file),
            std::tuple("C\r\n", "y.txt", "y.txt"));
}

}  // namespace
