// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The broadcast addresses of this machine's network interfaces, asked at every send: a request
// to one of them would carry the password to every machine on that network.
#include "core/Services.h"

namespace platform {

class LocalInterfaces final : public rcon::LocalNetwork {
 public:
  std::vector<std::string> broadcastAddresses() const override;
};

}  // namespace platform
