// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SysInfo.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using rcon::RegistryValue;
using Value = std::optional<RegistryValue>;

Value Str(const std::string& text) { return RegistryValue{1, text + '\0'}; }
const std::string kTool = "/usr/bin/hardinfo", kMsInfo = "/opt/tools/MSINFO32.EXE";

// Answers the two look-ups with first and second, and nothing else. Only kMsInfo exists; only
// it and kTool can be started.
struct Fake final : rcon::Registry, rcon::FileProbe, rcon::ProcessStarter, rcon::MessageBoxService {
  Value query(std::uint32_t root, const std::string& key, const std::string& name) override {
    if (root != rcon::kHkeyLocalMachine) return std::nullopt;
    if (key == rcon::kMsInfoKey && name == rcon::kMsInfoValue) return first;
    return key == rcon::kSharedToolsKey && name == rcon::kSharedToolsValue ? second : std::nullopt;
  }
  bool isRegularFile(const std::string& path) override { return path == kMsInfo; }
  bool startDetached(const std::string& path) override {
    started += path;
    return path == kTool || path == kMsInfo;
  }
  rcon::MsgAnswer show(const rcon::MessageBoxRequest& r) override {
    const bool plain =
        r.title.empty() && r.buttons == rcon::MsgButtons::Ok && r.icon == rcon::MsgIcon::None;
    shown += (plain ? "" : "(not plain) ") + r.text;  // an empty title: the application's own
    return rcon::MsgAnswer::Ok;
  }
  Value first, second;
  std::string started, shown;
};

// The first value names the program, the second its folder; a failed start or none at all is
// told in a box.
TEST(StartSysInfo, StartsTheToolOrSaysItIsUnavailable) {
  const std::string full(1024, 'a');
  const Value folder = Str("/opt/tools");
  const std::tuple<Value, Value, std::string> rows[] = {
      {Str(kTool), {}, kTool},
      {Str("/gone"), folder, "/gone"},  // started unchecked, and fails
      {{}, folder, kMsInfo},
      {{}, Str("/empty"), ""},
      {{}, {}, ""},
      {RegistryValue{2, kTool}, folder, ""},  // another type: an empty path
      {RegistryValue{1, ""}, folder, ""},     // holds nothing: the look-up stops
      {RegistryValue{1, "no terminator"}, {}, "no terminator"},
      {RegistryValue{1, std::string("cut\0here\0", 9)}, {}, "cut"},
      {RegistryValue{1, full}, {}, full},
      {RegistryValue{1, full + 'a'}, folder, kMsInfo},  // longer than the buffer: not found
      {RegistryValue{4, std::string("\x01\x10\x00\x00", 4)}, {}, "4097"},
      {RegistryValue{4, std::string("\xff\x00\x00\x80", 4)}, {}, "2147483903"},
  };
  for (const auto& [first, second, started] : rows) {
    Fake f;
    f.first = first;
    f.second = second;
    rcon::startSysInfo({f, f, f, f});
    EXPECT_EQ(f.started, started);
    const bool ok = started == kTool || started == kMsInfo;
    EXPECT_EQ(f.shown, ok ? "" : "System Information Is Unavailable At This Time") << started;
  }
}

}  // namespace
