// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process's memory as the kernel counts it, for the memory benchmarks.
#include <QByteArray>
#include <QFile>
#include <cstring>

// A field of /proc/self/status in MiB: "VmRSS:" now, "VmHWM:" the peak so far.
inline double residentMiB(const char* field = "VmRSS:") {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith(field)) {
      return line.mid(static_cast<qsizetype>(std::strlen(field))).trimmed().split(' ')[0].toDouble() /
             1024.0;
    }
  }
  return 0;
}
