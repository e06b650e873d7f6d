// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Host names to IPv4 addresses through QHostInfo, without blocking: the answer comes later
// through the event loop. Lookups still pending when the resolver goes are abandoned.
#include <QObject>
#include <set>

#include "core/ServerServices.h"

namespace platform {

class HostResolver final : public QObject, public rcon::HostLookup {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(HostResolver)
 public:
  explicit HostResolver(QObject* parent = nullptr);
  ~HostResolver() override;

  // An IPv4 address answers as itself, with no look-up; an IPv6 literal is refused, since the
  // address fields take IPv4 only.
  void lookupIpv4(const std::string& host, Done done) override;

 private:
  std::set<int> pending_;  // look-up ids, aborted on destruction
};

}  // namespace platform
