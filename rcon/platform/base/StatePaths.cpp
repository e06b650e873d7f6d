// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/base/StatePaths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <atomic>

namespace platform {

QString stateDirectory() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (state.isEmpty() || !QDir::isAbsolutePath(state)) {
    state = QDir::homePath() + QStringLiteral("/.local/state");
  }
  return state + QStringLiteral("/VortaneRcon");
}

QString newStateFile(const QString& prefix) {
  static std::atomic<int> counter{0};
  return QStringLiteral("%1/%2-%3-%4-%5.txt")
      .arg(stateDirectory(), prefix,
           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")))
      .arg(QCoreApplication::applicationPid())
      .arg(++counter);
}

}  // namespace platform
