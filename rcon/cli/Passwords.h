// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the rcon password comes from, first found wins:
//   1. -p or --password-file (not both);
//   2. VORTANE_RCON_PASSWORD, when not empty;
//   3. the saved server's entry in the secret store;
//   4. the saved server's password command, run without a shell.
#include <QString>
#include <optional>
#include <string>

#include "core/CliTargets.h"

namespace cli {

class SecretSource {
 public:
  virtual ~SecretSource() = default;
  // The saved server's password from the secret store; nothing when there is none.
  virtual std::optional<std::string> secret(const std::string& serverName) = 0;
};

struct PasswordChoice {
  std::optional<QString> typed;  // -p
  std::optional<QString> file;   // --password-file
};

struct PasswordResult {
  std::optional<std::string> password;  // 8-bit, as sent
  std::string error;                    // when there is none: why, one line
};

// The password given for every server (1 and 2); nothing when neither gives one. Warns on
// standard error about -p on a terminal and a password file that others can read.
PasswordResult sharedPassword(const PasswordChoice& choice);

// The password of one server when no shared one is given (3 and 4).
PasswordResult serverPassword(const rcon::ResolvedTarget& target, SecretSource* secrets);

}  // namespace cli
