// SPDX-License-Identifier: GPL-3.0-or-later
// The messaging file loader and the scheduler's queue: a list file of any bytes is loaded by the
// options dialog and sent pass after pass. Checks that the messages going out are exactly the
// list's non-empty lines (ending at LF, a CR before it belonging to the line end), in order, and
// that saving an unedited list changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "core/MessageScheduler.h"
#include "core/MessagingOptions.h"

namespace {

struct Timer final : rcon::Timer {
  void setInterval(std::uint32_t) override {}
};
struct Store final : rcon::FileStore {
  std::string bytes;
  rcon::ReadResult read(const std::string&, std::uint64_t) override {
    return {rcon::ReadResult::Status::Ok, bytes, {}};
  }
  rcon::WriteResult write(const std::string&, std::string_view data) override {
    bytes.assign(data);
    return {true, {}};
  }
};
struct View final : rcon::MessagingOptionsView {
  std::string list, interval, file;
  std::int64_t unit = 0;
  std::string listText() const override { return list; }
  void showList(const std::string& bytes) override { list = bytes; }
  std::string intervalText() const override { return interval; }
  void showInterval(const std::string& text) override { interval = text; }
  void showFile(const std::string& path) override { file = path; }
  void showUnit(std::int64_t u) override { unit = u; }
};
struct Dialog final : rcon::FileDialogService {
  std::optional<std::string> showOpen(const rcon::FileDialogRequest&) override { return {}; }
  std::optional<std::string> showSave(const rcon::FileDialogRequest&) override { return {}; }
};
struct Boxes final : rcon::MessageBoxService {
  rcon::MsgAnswer show(const rcon::MessageBoxRequest&) override { return rcon::MsgAnswer::Ok; }
};

std::vector<std::string> ExpectedMessages(const std::string& list) {
  std::vector<std::string> messages;
  std::size_t from = 0;
  while (from <= list.size()) {
    std::size_t end = list.find('\n', from);
    std::string line = list.substr(from, end == std::string::npos ? end : end - from);
    if (end != std::string::npos && line.ends_with('\r')) line.pop_back();
    if (!line.empty()) messages.push_back(line);
    if (end == std::string::npos) break;
    from = end + 1;
  }
  return messages;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  rcon::MessagingSettings settings;
  settings.file = "messaging.txt";
  settings.intervalText = std::to_string(static_cast<int>(size % 200) - 20);
  settings.unitSeconds = size % 2 != 0 ? 1 : 60;
  Store store;
  store.bytes = input;
  View view;
  Dialog dialog;
  Boxes boxes;
  rcon::MessagingOptions options(settings, view, boxes, dialog, store);
  options.load();
  if (view.list != input) std::abort();
  if (!options.accept()) std::abort();
  // Unedited, the file keeps its bytes exactly.
  if (store.bytes != input || settings.text != input) std::abort();
  if (rcon::holdsMessage(input) != !ExpectedMessages(input).empty()) std::abort();
  if (settings.seconds < 1) std::abort();

  Timer timer;
  std::vector<std::string> sent;
  rcon::MessageScheduler scheduler(
      timer, [] { return std::string("pw"); },
      [&sent](const std::string& request) { sent.push_back(request); });
  scheduler.start(settings);
  const std::vector<std::string> expected = ExpectedMessages(settings.text);
  const std::size_t wanted = expected.empty() ? 3 : 2 * expected.size() + 1;
  for (std::size_t tick = 0; sent.size() < wanted && tick < wanted * 250; ++tick) scheduler.tick();
  if (sent.size() != wanted) std::abort();
  for (std::size_t i = 0; i < sent.size(); ++i) {
    const std::string message = expected.empty() ? "" : expected[i % expected.size()];
    if (sent[i] != "rcon pw say " + message) std::abort();
  }
  scheduler.stop();
  return 0;
}
