// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/base/LocalInterfaces.h"

#include <QNetworkInterface>

namespace platform {

std::vector<std::string> LocalInterfaces::broadcastAddresses() const {
  std::vector<std::string> addresses;
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      const QHostAddress broadcast = entry.broadcast();
      if (!broadcast.isNull()) addresses.push_back(broadcast.toString().toStdString());
    }
  }
  return addresses;
}

}  // namespace platform
