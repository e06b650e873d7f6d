// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where vortane-rcon sends: the servers named on the command line, host names resolved (once
// per run), saved servers and groups expanded, each server taken once.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ServerList.h"

namespace rcon {

class HostResolver {
 public:
  virtual ~HostResolver() = default;
  // The numeric addresses of a host name; none when it does not resolve.
  virtual std::vector<std::string> addresses(const std::string& name) = 0;
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

// servers may be null when no servers file could be read; "@..." is then an error.
ResolvedTargets resolveTargets(const std::vector<std::string>& texts, HostResolver& resolver,
                               const ServerList* servers);

}  // namespace rcon
