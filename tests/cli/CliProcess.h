// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// vortane-rcon run as a separate process against the fake game server. Every wait has a timeout.
#include <QProcess>

#include "fakes/FakeGameServer.h"

namespace clitest {

inline const QByteArray kPrefix("\xFF\xFF\xFF\xFF", 4);

inline QString Target(const fakes::FakeGameServer& server) {
  return QStringLiteral("127.0.0.1:%1").arg(server.port());
}

// The program with no password in its environment, unless one is given.
inline void Start(QProcess& process, const QStringList& arguments,
                  const QString& environmentPassword = {}) {
  const QString variable = QStringLiteral("VORTANE_RCON_PASSWORD");
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(variable);
  if (!environmentPassword.isNull()) environment.insert(variable, environmentPassword);
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(RCON_BINARY_DIR "/vortane-rcon"), arguments);
}

// False when the program had to be killed.
inline bool Finish(QProcess& process, int timeoutMs = 10000) {
  if (process.state() == QProcess::NotRunning || process.waitForFinished(timeoutMs)) return true;
  process.kill();
  process.waitForFinished(2000);
  return false;
}

}  // namespace clitest
