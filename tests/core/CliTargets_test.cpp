// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CliTargets.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class FakeResolver final : public rcon::HostResolver {
 public:
  std::vector<std::string> addresses(const std::string& name) override {
    ++lookups[name];
    if (name == "dual") return {"::1", "127.0.0.1"};
    if (name == "six") return {"::1"};
    return {};  // nothing else resolves
  }
  std::map<std::string, int> lookups;
};

rcon::ServerList savedServers() {
  rcon::ServerList list;
  for (const rcon::SavedServer& server :
       {rcon::SavedServer{"east", "dual", 1, {}}, rcon::SavedServer{"west", "127.0.0.2", 20100, {}},
        rcon::SavedServer{"v6", "[::1]", 3, {}}}) {
    EXPECT_EQ(list.save(server), "");
  }
  EXPECT_EQ(list.setGroup("eu", {"east", "west"}), "");
  return list;
}

// Each target as "label address port", or the error.
std::string resolved(const std::vector<std::string>& texts, bool withBook = true) {
  FakeResolver resolver;
  const rcon::ServerList servers = savedServers();
  const rcon::ResolvedTargets r =
      rcon::resolveTargets(texts, resolver, withBook ? &servers : nullptr);
  if (!r.error.empty()) return "error: " + r.error;
  std::string out;
  for (const rcon::ResolvedTarget& t : r.targets) {
    out += t.label + ' ' + t.address + ' ' + std::to_string(t.port) + ';';
  }
  return out;
}

TEST(CliTargets, ResolvesNamesSavedServersAndGroups) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"dual:5", "six"}, "dual:5 127.0.0.1 5;six ::1 20100;"},  // IPv4 preferred
      {{"@east"}, "@east 127.0.0.1 1;"},
      {{"@eu"}, "@east 127.0.0.1 1;@west 127.0.0.2 20100;"},
      {{"@all"}, "@east 127.0.0.1 1;@west 127.0.0.2 20100;@v6 ::1 3;"},
      // the same server named twice is asked once
      {{"@eu", "127.0.0.1:1", "@east"}, "@east 127.0.0.1 1;@west 127.0.0.2 20100;"},
      {{"nowhere"}, "error: cannot find the address of nowhere"},
      {{"@nobody"}, "error: no saved server or group is called @nobody"},
      {{"1.2.3.999"},
       "error: not a valid IPv4 address (four numbers 0 to 255 joined by dots): "
       "1.2.3.999"},
  };
  for (const auto& [texts, expected] : cases) EXPECT_EQ(resolved(texts), expected);
  EXPECT_EQ(resolved({"@east"}, false), "error: no saved servers to look up @east in");

  FakeResolver resolver;
  rcon::resolveTargets({"dual:1", "dual:2", "dual:3"}, resolver, nullptr);
  EXPECT_EQ(resolver.lookups["dual"], 1);  // resolved once per run
}

}  // namespace
