// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ServerList.h"

#include <algorithm>

namespace rcon {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

void renameIn(std::vector<std::string>& names, std::string_view from, const std::string& to) {
  for (std::string& name : names)
    if (name == from) name = to;
}

void eraseFrom(std::vector<std::string>& names, std::string_view name) { std::erase(names, name); }

}  // namespace

std::string serverNameProblem(std::string_view name) {
  if (name.empty()) return "The name is empty.";
  if (isBlank(name.front()) || isBlank(name.back()))
    return "The name may not begin or end with a blank.";
  if (name.find(',') != std::string_view::npos) return "The name may not hold a comma.";
  if (std::any_of(name.begin(), name.end(), isControl))
    return "The name may not hold control characters.";
  if (name == kAllServers) return "\"all\" names every server; choose another name.";
  return {};
}

std::string optionKeyProblem(std::string_view key) {
  if (key.empty()) return "An option's key is empty.";
  if (key.find_first_of("/\\=") != std::string_view::npos ||
      std::any_of(key.begin(), key.end(), isControl) || isBlank(key.front()) || isBlank(key.back()))
    return "The option key \"" + std::string(key) + "\" may not hold '/', '\\', '=' or controls.";
  return {};
}

std::string serverProblem(const SavedServer& server) {
  if (std::string problem = serverNameProblem(server.name); !problem.empty()) return problem;
  if (std::string problem = hostProblem(server.host); !problem.empty()) return problem;
  if (server.port == 0) return "The port must be a number from 1 to 65535.";
  for (const auto& [key, value] : server.options)
    if (std::string problem = optionKeyProblem(key); !problem.empty()) return problem;
  return {};
}

const SavedServer* ServerList::find(std::string_view name) const {
  const auto it = std::find_if(servers_.begin(), servers_.end(),
                               [&](const SavedServer& server) { return server.name == name; });
  return it == servers_.end() ? nullptr : &*it;
}

std::string ServerList::save(SavedServer server, std::string_view previousName) {
  if (std::string problem = serverProblem(server); !problem.empty()) return problem;
  const bool renaming = !previousName.empty() && previousName != server.name;
  const SavedServer* previous = previousName.empty() ? nullptr : find(previousName);
  if (!previousName.empty() && previous == nullptr)
    return "No saved server is named \"" + std::string(previousName) + "\".";
  if ((previous == nullptr || renaming) && find(server.name) != nullptr)
    return "A saved server is already named \"" + server.name + "\".";
  const auto group = std::find_if(groups_.begin(), groups_.end(),
                                  [&](const ServerGroup& g) { return g.name == server.name; });
  if (group != groups_.end()) return "A group is already named \"" + server.name + "\".";

  if (previous == nullptr) {
    servers_.push_back(std::move(server));
    return {};
  }
  if (renaming) {
    for (ServerGroup& g : groups_) renameIn(g.members, previousName, server.name);
    renameIn(recent_, previousName, server.name);
    if (options.lastServer == previousName) options.lastServer = server.name;
  }
  servers_[static_cast<std::size_t>(previous - servers_.data())] = std::move(server);
  return {};
}

bool ServerList::remove(std::string_view name) {
  const SavedServer* server = find(name);
  if (server == nullptr) return false;
  const std::string removed = server->name;
  servers_.erase(servers_.begin() + (server - servers_.data()));
  for (ServerGroup& g : groups_) eraseFrom(g.members, removed);
  std::erase_if(groups_, [](const ServerGroup& g) { return g.members.empty(); });
  eraseFrom(recent_, removed);
  if (options.lastServer == removed) options.lastServer.clear();
  return true;
}

std::string ServerList::setGroup(std::string_view name, std::vector<std::string> members) {
  if (std::string problem = serverNameProblem(name); !problem.empty()) return problem;
  if (find(name) != nullptr)
    return "A saved server is already named \"" + std::string(name) + "\".";
  for (const std::string& member : members)
    if (find(member) == nullptr) return "No saved server is named \"" + member + "\".";
  const auto group = std::find_if(groups_.begin(), groups_.end(),
                                  [&](const ServerGroup& g) { return g.name == name; });
  if (members.empty()) {
    if (group != groups_.end()) groups_.erase(group);
  } else if (group != groups_.end()) {
    group->members = std::move(members);
  } else {
    groups_.push_back({std::string(name), std::move(members)});
  }
  return {};
}

std::vector<const SavedServer*> ServerList::resolve(std::string_view target) const {
  std::vector<const SavedServer*> chosen;
  if (target == kAllServers) {
    for (const SavedServer& server : servers_) chosen.push_back(&server);
    return chosen;
  }
  if (const SavedServer* server = find(target)) return {server};
  for (const ServerGroup& group : groups_) {
    if (group.name != target) continue;
    for (const std::string& member : group.members) {
      const SavedServer* server = find(member);
      if (server && std::find(chosen.begin(), chosen.end(), server) == chosen.end())
        chosen.push_back(server);
    }
  }
  return chosen;
}

void ServerList::noteUsed(std::string_view label) {
  if (label.empty()) return;
  std::string entry(label);  // the label may be one of recent_'s own entries
  eraseFrom(recent_, entry);
  recent_.insert(recent_.begin(), std::move(entry));
  if (recent_.size() > kRecentLimit) recent_.resize(kRecentLimit);
}

std::optional<SavedServer> ServerList::recentServer(std::string_view label) const {
  if (const SavedServer* server = find(label)) return *server;
  const std::optional<Endpoint> address = parseAddress(label, 0);
  if (!address || address->port == 0) return std::nullopt;
  return SavedServer{{}, address->host, address->port, {}};
}

}  // namespace rcon
