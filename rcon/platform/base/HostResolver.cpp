// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/base/HostResolver.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QTimer>

#include "core/HostAddress.h"

namespace platform {
namespace {

rcon::LookupResult resultOf(const std::string& host, const QHostInfo& info) {
  if (info.error() != QHostInfo::NoError)
    return {
        {},
        "The host name " + host + " could not be resolved: " + info.errorString().toStdString()};
  for (const QHostAddress& address : info.addresses())
    if (address.protocol() == QAbstractSocket::IPv4Protocol)
      return {address.toString().toStdString(), {}};
  return {{}, "The host name " + host + " has no IPv4 address."};
}

}  // namespace

HostResolver::HostResolver(QObject* parent) : QObject(parent) {}

HostResolver::~HostResolver() {
  for (int id : pending_) QHostInfo::abortHostLookup(id);
}

void HostResolver::lookupIpv4(const std::string& host, Done done) {
  // Answers that need no look-up still come later, as the interface promises.
  auto later = [this, done](rcon::LookupResult result) {
    QTimer::singleShot(0, this, [done, result = std::move(result)] { done(result); });
  };
  if (rcon::isIpv4Address(host)) return later({host, {}});
  if (rcon::isBracketedIpv6(host))
    return later({{}, host + " is an IPv6 address; the address fields take IPv4 only."});
  if (!rcon::isHostName(host)) return later({{}, rcon::hostProblem(host)});

  // The id is known only after the call; the answer never comes inside it.
  auto id = std::make_shared<int>(-1);
  *id = QHostInfo::lookupHost(QString::fromStdString(host), this,
                              [this, host, done, id](const QHostInfo& info) {
                                pending_.erase(*id);
                                done(resultOf(host, info));
                              });
  pending_.insert(*id);
}

}  // namespace platform
