// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SavedServers.h"

#include <QHostInfo>

#include "cli/Output.h"
#include "platform/base/SecretStore.h"
#include "platform/base/ServersFile.h"

namespace cli {
namespace {
// Long enough for a store that starts on demand, short enough for a script.
constexpr int kSecretTimeoutMs = 10000;
}  // namespace

std::vector<std::string> QtHostResolver::addresses(const std::string& name) {
  const QHostInfo info = QHostInfo::fromName(QString::fromStdString(name));
  std::vector<std::string> found;
  for (const QHostAddress& address : info.addresses()) {
    found.push_back(address.toString().toStdString());
  }
  return found;
}

const rcon::ServerList* SavedServers::list() {
  if (!read_) {
    read_ = true;
    platform::ServersFile file;
    rcon::ServersLoad load = file.load();
    if (!load.problems.empty()) note(file.path().toStdString() + ": " + load.problems);
    list_ = std::move(load.servers);
  }
  return list_ ? &*list_ : nullptr;
}

std::optional<std::string> SavedServers::secret(const std::string& serverName) {
  platform::SecretStore store(kSecretTimeoutMs);
  const rcon::SecretResult result = store.readPasswordBlocking(serverName, kSecretTimeoutMs);
  if (result.ok()) return result.password;
  if (result.status != rcon::SecretResult::Status::NotFound && !storeNoted_) {
    storeNoted_ = true;
    note("the secret store gave no password for @" + serverName + ": " + result.error);
  }
  return std::nullopt;
}

}  // namespace cli
