#include "core/SysInfo.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using rcon::KeyLookup;
using rcon::RegistryValue;
using Value = std::optional<RegistryValue>;

// Answers the two look-ups the About box makes, and only those.
struct FakeSystem final : rcon::Registry,
                          rcon::FileProbe,
                          rcon::ProcessStarter,
                          rcon::MessageBoxService {
  std::optional<RegistryValue> query(std::uint32_t root, const std::string& key,
                                     const std::string& name) override {
    asked.push_back(name);
    if (root != rcon::kHkeyLocalMachine) return std::nullopt;
    if (key == rcon::kMsInfoKey && name == rcon::kMsInfoValue) return first;
    if (key == rcon::kSharedToolsKey && name == rcon::kSharedToolsValue) return second;
    return std::nullopt;
  }
  bool isRegularFile(const std::string& path) override { return path == "/opt/tools/MSINFO32.EXE"; }
  bool startDetached(const std::string& path) override {
    started.push_back(path);
    return path == "/usr/bin/hardinfo" || path == "/opt/tools/MSINFO32.EXE";
  }
  rcon::MsgAnswer show(const rcon::MessageBoxRequest& request) override {
    shown.push_back(request);
    return rcon::MsgAnswer::Ok;
  }
  Value first, second;
  std::vector<std::string> asked, started;
  std::vector<rcon::MessageBoxRequest> shown;
};

Value String(const std::string& text) { return RegistryValue{1, text + '\0'}; }

struct Case {
  const char* name;
  Value first, second;
  std::vector<std::string> started;  // empty: the user is told the tool is unavailable
  std::size_t asked;                 // look-ups made
  bool startFails = false;
};

class StartSysInfoTable : public ::testing::TestWithParam<Case> {};

TEST_P(StartSysInfoTable, StartsTheToolOrSaysItIsUnavailable) {
  const Case& c = GetParam();
  FakeSystem system;
  system.first = c.first;
  system.second = c.second;
  rcon::StartSysInfo({system, system, system, system});

  EXPECT_EQ(system.started, c.started);
  EXPECT_EQ(system.asked.size(), c.asked);
  const bool unavailable = c.started.empty() || c.startFails;
  ASSERT_EQ(system.shown.size(), unavailable ? 1u : 0u);
  if (unavailable) {
    const rcon::MessageBoxRequest& box = system.shown.front();
    EXPECT_EQ(box.text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(box.title, "");  // the application's own title
    EXPECT_EQ(box.buttons, rcon::MsgButtons::Ok);
    EXPECT_EQ(box.icon, rcon::MsgIcon::None);
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryRoad, StartSysInfoTable,
    ::testing::Values(
        Case{"FirstValue", String("/usr/bin/hardinfo"), {}, {"/usr/bin/hardinfo"}, 1},
        // Named by the first value, the program is started without a look for it first.
        Case{"FirstValueNoProgram", String("/gone"), String("/opt/tools"), {"/gone"}, 1, true},
        Case{"SecondValue", {}, String("/opt/tools"), {"/opt/tools/MSINFO32.EXE"}, 2},
        Case{"SecondValueNoProgram", {}, String("/empty"), {}, 2}, Case{"Neither", {}, {}, {}, 2},
        Case{"FirstValueOtherType", RegistryValue{2, "/usr/bin/hardinfo"}, {}, {}, 1},
        Case{"FirstValueEmpty", RegistryValue{1, ""}, String("/opt/tools"), {}, 1},
        Case{"SecondValueNoFolder", {}, String(""), {}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GetKeyValue, ReadsStringsAndNumbers) {
  struct Row {
    std::uint32_t type;
    std::string bytes;
    KeyLookup lookup;
    std::string keyVal;
  };
  const std::string full(1024, 'a');
  const Row rows[] = {
      {1, std::string("C:\\tool") + '\0', KeyLookup::Read, "C:\\tool"},
      {1, "no terminator", KeyLookup::Read, "no terminator"},
      {1, std::string("cut\0here\0", 9), KeyLookup::Read, "cut"},
      {1, full, KeyLookup::Read, full},
      {1, full + 'a', KeyLookup::NotFound, ""},  // longer than the buffer
      {4, std::string("\x01\x10\x00\x00", 4), KeyLookup::Read, "4097"},
      {4, "\xff\xff\xff\xff", KeyLookup::Read, "4294967295"},
      {2, std::string("%SystemRoot%") + '\0', KeyLookup::Read, "as it came"},
      {1, "", KeyLookup::Unusable, "as it came"},
  };
  for (const Row& row : rows) {
    FakeSystem system;
    system.first = RegistryValue{row.type, row.bytes};
    std::string keyVal = "as it came";
    EXPECT_EQ(rcon::GetKeyValue(system, rcon::kHkeyLocalMachine, rcon::kMsInfoKey,
                                rcon::kMsInfoValue, keyVal),
              row.lookup)
        << row.type << ' ' << row.bytes.substr(0, 20);
    EXPECT_EQ(keyVal, row.keyVal);
  }
  FakeSystem none;
  std::string keyVal = "old";
  EXPECT_EQ(rcon::GetKeyValue(none, rcon::kHkeyLocalMachine, rcon::kMsInfoKey, rcon::kMsInfoValue,
                              keyVal),
            KeyLookup::NotFound);
  EXPECT_EQ(keyVal, "");
}

}  // namespace
