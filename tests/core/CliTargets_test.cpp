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

class FakeBook final : public rcon::SavedServerBook {
 public:
  std::optional<rcon::SavedServer> server(const std::string& name) override {
    for (const rcon::SavedServer& s : servers) {
      if (s.name == name) return s;
    }
    return std::nullopt;
  }
  std::optional<std::vector<std::string>> group(const std::string& name) override {
    if (name == "eu") return std::vector<std::string>{"east", "west"};
    if (name == "broken") return std::vector<std::string>{"east", "gone"};
    return std::nullopt;
  }
  std::vector<std::string> names() override { return {"east", "west", "v6"}; }
  std::vector<rcon::SavedServer> servers{
      {"east", "dual", 1, ""}, {"west", "127.0.0.2", 0, "pass x"}, {"v6", "::1", 3, ""}};
};

// Each target as "label address port", or the error.
std::string resolved(const std::vector<std::string>& texts, bool withBook = true) {
  FakeResolver resolver;
  FakeBook book;
  const rcon::ResolvedTargets r = rcon::resolveTargets(texts, resolver, withBook ? &book : nullptr);
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
      {{"@broken"}, "error: the group @broken names gone, which is not saved"},
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
