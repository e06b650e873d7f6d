// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the About box's system-information button needs from this platform. There is no system
// registry here, so a small one of our own answers the one look-up that names the tool: the
// first system-information program found on the search path.
#include <QStringList>

#include "core/Services.h"

namespace platform {

class SysInfoRegistry final : public rcon::Registry {
 public:
  // The programs looked for, best first.
  static const QStringList& candidates();

  std::optional<rcon::RegistryValue> query(std::uint32_t root, const std::string& key,
                                           const std::string& valueName) override;
};

class QtFileProbe final : public rcon::FileProbe {
 public:
  bool isRegularFile(const std::string& path) override;
};

class DetachedProcessStarter final : public rcon::ProcessStarter {
 public:
  bool startDetached(const std::string& path) override;
};

}  // namespace platform
