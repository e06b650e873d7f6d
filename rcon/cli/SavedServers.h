#pragma once
// The window's saved servers and their passwords, for "@NAME", "@GROUP" and "@all"; and host
// names looked up through the system's resolver.
#include <memory>

#include "cli/Passwords.h"
#include "core/CliTargets.h"

namespace cli {

class QtHostResolver final : public rcon::HostResolver {
 public:
  std::vector<std::string> addresses(const std::string& name) override;
};

class SavedServers final {
 public:
  SavedServers();
  ~SavedServers();

  // Null when no servers file could be read.
  rcon::SavedServerBook* book();
  SecretSource* secrets();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace cli
