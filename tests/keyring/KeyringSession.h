// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a test inside a real, unlocked Secret Service: the first run starts the keyring through
// with-keyring.sh and runs the same program again inside it.
#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <vector>

namespace fakes {

// Returns only inside the keyring session; otherwise replaces the process (125 if it cannot).
inline int enterKeyringSession(int argc, char* argv[]) {
  if (qEnvironmentVariable("RCON_IN_KEYRING_SESSION") == QLatin1String("1")) return 0;
  const QByteArray script = RCON_SOURCE_DIR "/tests/keyring/with-keyring.sh";
  std::vector<char*> arguments{const_cast<char*>(script.constData())};
  for (int i = 0; i < argc; ++i) arguments.push_back(argv[i]);
  arguments.push_back(nullptr);
  execv(script.constData(), arguments.data());
  return 125;
}

}  // namespace fakes
