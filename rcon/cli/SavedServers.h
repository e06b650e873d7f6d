// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's saved servers and their passwords, for "@NAME", "@GROUP" and "@all"; and host
// names looked up through the system's resolver.
#include <memory>
#include <optional>

#include "cli/Passwords.h"
#include "core/CliTargets.h"
#include "core/ServerList.h"

namespace cli {

class QtHostResolver final : public rcon::HostResolver {
 public:
  std::vector<std::string> addresses(const std::string& name) override;
};

class SavedServers final : public SecretSource {
 public:
  // The servers file, read at the first call; null when it cannot be read (said on standard
  // error). Entries the file holds broken are left out, with a note.
  const rcon::ServerList* list();

  // From the desktop's secret store; a store that does not answer is said once.
  std::optional<std::string> secret(const std::string& serverName) override;

 private:
  std::optional<rcon::ServerList> list_;
  bool read_ = false;
  bool storeNoted_ = false;
};

}  // namespace cli
