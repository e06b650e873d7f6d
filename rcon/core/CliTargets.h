#pragma once
// Where vortane-rcon sends: the servers named on the command line, host names resolved (once
// per run), saved servers and groups expanded, each server taken once.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rcon {

class HostResolver {
 public:
  virtual ~HostResolver() = default;
  // The numeric addresses of a host name; none when it does not resolve.
  virtual std::vector<std::string> addresses(const std::string& name) = 0;
};

struct SavedServer {
  std::string name;
  std::string host;  // a name, a dotted IPv4 address or an IPv6 literal
  std::uint16_t port = 0;
  std::string passwordCommand;  // run without a shell when the secret store has no password
};

class SavedServerBook {
 public:
  virtual ~SavedServerBook() = default;
  virtual std::optional<SavedServer> server(const std::string& name) = 0;
  // The names of a group; nothing when there is no such group.
  virtual std::optional<std::vector<std::string>> group(const std::string& name) = 0;
  // Every saved server's name, in the file's order.
  virtual std::vector<std::string> names() = 0;
};

struct ResolvedTarget {
  std::string label;    // as named: "@ctf-east", "localhost:20100"
  std::string address;  // numeric
  std::uint16_t port = 0;
  std::optional<SavedServer> saved;
};

struct ResolvedTargets {
  std::vector<ResolvedTarget> targets;
  std::string error;  // one line; the run ends with a usage error
};

// book may be null when no servers file could be read; "@..." is then an error.
ResolvedTargets resolveTargets(const std::vector<std::string>& texts, HostResolver& resolver,
                               SavedServerBook* book);

}  // namespace rcon
