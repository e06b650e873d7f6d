// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/base/SysInfoServices.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "core/SysInfo.h"
#include "platform/base/TextCodec.h"

namespace platform {

const QStringList& SysInfoRegistry::candidates() {
  static const QStringList names{QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                 QStringLiteral("kinfocenter"),
                                 QStringLiteral("gnome-system-monitor")};
  return names;
}

std::optional<rcon::RegistryValue> SysInfoRegistry::query(std::uint32_t root,
                                                          const std::string& key,
                                                          const std::string& valueName) {
  // Key and value names are case-blind, as a registry's are.
  auto same = [](const std::string& asked, std::string_view name) {
    return QString::fromLatin1(asked).compare(
               QLatin1String(name.data(), static_cast<qsizetype>(name.size())),
               Qt::CaseInsensitive) == 0;
  };
  if (root != rcon::kHkeyLocalMachine || !same(key, rcon::kMsInfoKey) ||
      !same(valueName, rcon::kMsInfoValue)) {
    return std::nullopt;
  }
  // Looked up afresh each time: a tool installed while the program runs is found.
  for (const QString& name : candidates()) {
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty()) continue;
    std::string bytes = PathFromQString(path);
    bytes.push_back('\0');  // stored with its terminator, as string values are
    return rcon::RegistryValue{rcon::kRegString, std::move(bytes)};
  }
  return std::nullopt;
}

bool QtFileProbe::isRegularFile(const std::string& path) {
  return QFileInfo(PathToQString(path)).isFile();
}

bool DetachedProcessStarter::startDetached(const std::string& path) {
  return QProcess::startDetached(PathToQString(path), {});
}

}  // namespace platform
