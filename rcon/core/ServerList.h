// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The saved servers shared by the window and the command-line tool: each server's name, host,
// port and options, named groups of servers, the recent list and the program's options.
// Passwords are not here: they live in the desktop's secret store, keyed by the server's name.
// Text is UTF-8, as the servers file holds it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/HostAddress.h"

namespace rcon {

// Per-server options, by key: the players window's command templates ("kick", "ban", "tell"),
// the command-line tool's "password-command", ... Kept sorted by key, as the file reads back.
using ServerOptions = std::map<std::string, std::string, std::less<>>;

// Option keys of other parts of the program.
inline constexpr std::string_view kPasswordCommandOption{"password-command"};

// The target that names every saved server; no server or group may take it.
inline constexpr std::string_view kAllServers{"all"};

struct SavedServer {
  std::string name;
  std::string host;  // an IPv4 address, a host name, or an IPv6 literal in brackets
  std::uint16_t port = 20100;
  ServerOptions options;

  std::string address() const { return formatAddress(host, port); }
  bool operator==(const SavedServer&) const = default;
};

// Each gives an empty text when the value may be saved, else why not, as one sentence.
// A name is what a group lists and what `@NAME` names: not empty, no blanks around it, no
// comma (groups separate names with commas), no control characters, not "all".
std::string serverNameProblem(std::string_view name);
std::string optionKeyProblem(std::string_view key);    // not empty, no '/', '\\' or '='
std::string serverProblem(const SavedServer& server);  // name, host, port and option keys

struct ServerGroup {
  std::string name;
  std::vector<std::string> members;  // server names, in the order given
  bool operator==(const ServerGroup&) const = default;
};

// What the program remembers besides the servers.
struct ProgramOptions {
  bool openLastAtStart = false;  // open lastServer when the window starts
  bool colourCodes = false;
  std::string lastServer;  // the saved server last opened, by name; empty for none
  bool operator==(const ProgramOptions&) const = default;
};

class ServerList final {
 public:
  static constexpr std::size_t kRecentLimit = 8;

  // ---- servers, in the order they were added
  const std::vector<SavedServer>& servers() const { return servers_; }
  const SavedServer* find(std::string_view name) const;

  // Adds a server, or replaces the one named previousName. A rename carries the server's
  // place in groups, the recent list and lastServer along. Empty on success, else why not
  // (an invalid entry, a name already taken); the list is then unchanged.
  std::string save(SavedServer server, std::string_view previousName = {});

  // Also takes the server out of its groups, the recent list and lastServer. False when no
  // server has that name.
  bool remove(std::string_view name);

  // ---- groups
  const std::vector<ServerGroup>& groups() const { return groups_; }
  // Sets or replaces a group; no members removes it. Empty on success, else why not (a bad
  // name, a name a server has, an unknown member); the list is then unchanged.
  std::string setGroup(std::string_view name, std::vector<std::string> members);

  // The servers a target names: "all" (every server, in list order), a server's name, or a
  // group's (its members in the group's order, each once). Empty when it names nothing.
  std::vector<const SavedServer*> resolve(std::string_view target) const;

  // ---- recent list: labels, most recent first; a label is a saved server's name or an
  // unsaved "host:port".
  const std::vector<std::string>& recent() const { return recent_; }
  // Puts the label first, dropping an earlier copy and the entries past kRecentLimit.
  void noteUsed(std::string_view label);
  // What a recent label stands for: the saved server of that name, else an unsaved address
  // (a server with no name). Nothing when it is neither.
  std::optional<SavedServer> recentServer(std::string_view label) const;

  ProgramOptions options;

 private:
  std::vector<SavedServer> servers_;
  std::vector<ServerGroup> groups_;
  std::vector<std::string> recent_;
};

}  // namespace rcon
