#include "cli/SavedServers.h"

#include <QHostInfo>

namespace cli {

std::vector<std::string> QtHostResolver::addresses(const std::string& name) {
  const QHostInfo info = QHostInfo::fromName(QString::fromStdString(name));
  std::vector<std::string> found;
  for (const QHostAddress& address : info.addresses()) {
    found.push_back(address.toString().toStdString());
  }
  return found;
}

struct SavedServers::Parts {};

SavedServers::SavedServers() : parts_(std::make_unique<Parts>()) {}
SavedServers::~SavedServers() = default;

rcon::SavedServerBook* SavedServers::book() { return nullptr; }
SecretSource* SavedServers::secrets() { return nullptr; }

}  // namespace cli
