// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CliTargets.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/CliArguments.h"

namespace rcon {
namespace {

class Resolution final {
 public:
  Resolution(HostResolver& resolver, const ServerList* servers)
      : resolver_(resolver), servers_(servers) {}

  bool add(const std::string& text);
  ResolvedTargets result() { return {std::move(targets_), std::move(error_)}; }

 private:
  bool addSaved(const std::string& name);
  bool addServer(const std::string& label, const CliTarget& target,
                 std::optional<SavedServer> saved);
  bool fail(std::string error) {
    error_ = std::move(error);
    return false;
  }

  HostResolver& resolver_;
  const ServerList* servers_;
  std::map<std::string, std::string> resolved_;  // host name -> address
  std::set<std::string> taken_;                  // senderName of each target
  std::vector<ResolvedTarget> targets_;
  std::string error_;
};

bool Resolution::add(const std::string& text) {
  const CliTargetResult parsed = parseTarget(text);
  if (!parsed.target) return fail(parsed.error);
  if (parsed.target->kind == HostKind::Saved) return addSaved(parsed.target->host);
  return addServer(text, *parsed.target, std::nullopt);
}

bool Resolution::addSaved(const std::string& name) {
  if (servers_ == nullptr) return fail("no saved servers to look up @" + name + " in");
  const std::vector<const SavedServer*> named = servers_->resolve(name);
  if (named.empty()) {
    if (name == kAllServers) return fail("@all: no server is saved");
    return fail("no saved server or group is called @" + name);
  }
  for (const SavedServer* server : named) {
    const CliTargetResult parsed = parseTarget(server->host);
    if (!parsed.target || parsed.target->kind == HostKind::Saved) {
      return fail("@" + server->name + ": " + parsed.error);
    }
    CliTarget target = *parsed.target;
    target.port = server->port;
    if (!addServer('@' + server->name, target, *server)) return false;
  }
  return true;
}

bool Resolution::addServer(const std::string& label, const CliTarget& target,
                           std::optional<SavedServer> saved) {
  std::string address = target.host;
  if (target.kind == HostKind::Name) {
    auto found = resolved_.find(target.host);
    if (found == resolved_.end()) {
      const std::vector<std::string> all = resolver_.addresses(target.host);
      if (all.empty()) return fail("cannot find the address of " + target.host);
      // IPv4 first: game servers seldom listen on IPv6 only.
      const auto ipv4 = std::find_if(all.begin(), all.end(), [](const std::string& a) {
        return a.find(':') == std::string::npos;
      });
      found = resolved_.emplace(target.host, ipv4 != all.end() ? *ipv4 : all.front()).first;
    }
    address = found->second;
  }
  if (!taken_.insert(senderName(address, target.port)).second) return true;  // named twice
  targets_.push_back({label, address, target.port, std::move(saved)});
  return true;
}

}  // namespace

ResolvedTargets resolveTargets(const std::vector<std::string>& texts, HostResolver& resolver,
                               const ServerList* servers) {
  Resolution resolution(resolver, servers);
  for (const std::string& text : texts) {
    if (!resolution.add(text)) break;
  }
  return resolution.result();
}

}  // namespace rcon
