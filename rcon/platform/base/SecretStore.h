// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Server passwords in the desktop's secret store (Secret Service or KWallet, through
// QtKeychain), under the service "VortaneRcon" and keyed by the server's name. Nothing is
// ever written to a plain file: QtKeychain's insecure fallback stays off.
#include <QObject>
#include <string>

#include "core/ServerServices.h"

namespace platform {

class SecretStore final : public QObject, public rcon::PasswordStore {
  Q_OBJECT
 public:
  static constexpr int kDefaultTimeoutMs = 20000;
  static inline const QString kService = QStringLiteral("VortaneRcon");

  // An operation the store does not answer within timeoutMs answers NoStore. A locked store
  // may ask the user to unlock it, which takes a while: keep it generous for the window.
  explicit SecretStore(int timeoutMs = kDefaultTimeoutMs, QObject* parent = nullptr);

  // rcon::PasswordStore: answers come through the event loop of the calling thread. Pending
  // answers are dropped when the store is destroyed.
  void readPassword(const std::string& serverName, Done done) override;
  void writePassword(const std::string& serverName, const std::string& password,
                     Done done) override;
  void deletePassword(const std::string& serverName, Done done) override;

  // The same, waiting in a local event loop up to timeoutMs: for the command-line tool, never
  // for a window. Needs a QCoreApplication.
  rcon::SecretResult readPasswordBlocking(const std::string& serverName, int timeoutMs);
  rcon::SecretResult writePasswordBlocking(const std::string& serverName,
                                           const std::string& password, int timeoutMs);
  rcon::SecretResult deletePasswordBlocking(const std::string& serverName, int timeoutMs);

 private:
  enum class Operation { Read, Write, Delete };
  void start(Operation operation, const std::string& serverName, const std::string& password,
             int timeoutMs, Done done);
  rcon::SecretResult wait(Operation operation, const std::string& serverName,
                          const std::string& password, int timeoutMs);

  int timeoutMs_;
};

}  // namespace platform
