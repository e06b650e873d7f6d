// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/base/ServersFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/base/TextCodec.h"

// The file's text is UTF-8 (QSettings writes it so), and so is the core's: names, hosts and
// options pass as UTF-8, not through the 8-bit map of the server's text.

namespace platform {
namespace {

std::string utf8(const QString& text) { return text.toStdString(); }
QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

// A hand-written value with a comma reads as a list: give it back as typed (near enough).
QString valueText(const QVariant& value) {
  if (value.userType() == QMetaType::QStringList)
    return value.toStringList().join(QStringLiteral(", "));
  return value.toString();
}

std::optional<bool> parseBool(const QString& text) {
  const QString word = text.trimmed().toLower();
  if (word == QLatin1String("true") || word == QLatin1String("1")) return true;
  if (word == QLatin1String("false") || word == QLatin1String("0")) return false;
  return std::nullopt;
}

class ProblemLog {
 public:
  void add(const QString& where, const std::string& why) {
    lines_.push_back(utf8(where) + ": " + why);
  }
  std::string text(const QString& path) const {
    if (lines_.empty()) return {};
    std::string all = "Some entries of the servers file " + PathFromQString(path) +
                      " could not be read and were left out:";
    for (const std::string& line : lines_) all += "\n" + line;
    return all;
  }

 private:
  std::vector<std::string> lines_;
};

std::vector<QString> numberedGroups(QSettings& settings, ProblemLog& problems) {
  std::vector<std::pair<int, QString>> numbered;
  for (const QString& group : settings.childGroups()) {
    bool isNumber = false;
    const int number = group.toInt(&isNumber);
    if (isNumber) {
      numbered.emplace_back(number, group);
    } else {
      problems.add(QStringLiteral("servers/") + group,
                   "An entry's label must be a number, as in 1\\name=ctf-east.");
    }
  }
  std::sort(numbered.begin(), numbered.end());
  std::vector<QString> groups;
  groups.reserve(numbered.size());
  for (auto& [number, group] : numbered) groups.push_back(group);
  return groups;
}

void readServers(QSettings& settings, rcon::ServerList& list, ProblemLog& problems) {
  settings.beginGroup(QStringLiteral("servers"));
  for (const QString& entry : numberedGroups(settings, problems)) {
    settings.beginGroup(entry);
    rcon::SavedServer server;
    server.name = utf8(valueText(settings.value(QStringLiteral("name"))).trimmed());
    server.host = utf8(valueText(settings.value(QStringLiteral("host"))).trimmed());
    const QString portText =
        valueText(settings.value(QStringLiteral("port"), QStringLiteral("20100")));
    const std::optional<std::uint16_t> port = rcon::parsePort(utf8(portText.trimmed()));
    settings.beginGroup(QStringLiteral("options"));
    for (const QString& key : settings.childKeys())
      server.options[utf8(key)] = utf8(valueText(settings.value(key)));
    settings.endGroup();
    settings.endGroup();

    const QString where =
        QStringLiteral("servers/") + entry +
        (server.name.empty() ? QString() : QStringLiteral(" (") + fromUtf8(server.name) + u')');
    if (!port) {
      problems.add(where, "The port must be a number from 1 to 65535.");
      continue;
    }
    server.port = *port;
    if (std::string problem = list.save(std::move(server)); !problem.empty())
      problems.add(where, problem);
  }
  settings.endGroup();
}

void readGroups(QSettings& settings, rcon::ServerList& list, ProblemLog& problems) {
  settings.beginGroup(QStringLiteral("groups"));
  for (const QString& key : settings.childKeys()) {
    std::vector<std::string> members;
    for (const QString& member : settings.value(key).toStringList()) {
      const std::string name = utf8(member.trimmed());
      if (name.empty()) continue;
      if (list.find(name) == nullptr) {
        problems.add(QStringLiteral("groups/") + key, "No saved server is named \"" + name + "\".");
      } else if (std::find(members.begin(), members.end(), name) == members.end()) {
        members.push_back(name);
      }
    }
    if (members.empty()) continue;  // nothing left to send to
    if (std::string problem = list.setGroup(utf8(key), std::move(members)); !problem.empty())
      problems.add(QStringLiteral("groups/") + key, problem);
  }
  settings.endGroup();
}

void readOptions(QSettings& settings, rcon::ServerList& list, ProblemLog& problems) {
  settings.beginGroup(QStringLiteral("options"));
  rcon::ProgramOptions& options = list.options;
  for (auto [key, flag] : {std::pair{"openLastAtStart", &options.openLastAtStart},
                           std::pair{"colourCodes", &options.colourCodes}}) {
    const QString name = QString::fromLatin1(key);
    if (!settings.contains(name)) continue;
    const std::optional<bool> value = parseBool(valueText(settings.value(name)));
    if (value) {
      *flag = *value;
    } else {
      problems.add(QStringLiteral("options/") + name, "The value must be true or false.");
    }
  }
  const std::string last = utf8(valueText(settings.value(QStringLiteral("lastServer"))).trimmed());
  if (!last.empty() && list.find(last) == nullptr) {
    problems.add(QStringLiteral("options/lastServer"),
                 "No saved server is named \"" + last + "\".");
  } else {
    options.lastServer = last;
  }
  const QStringList recent = settings.value(QStringLiteral("recent")).toStringList();
  // Oldest first, so that the newest ends up in front.
  for (qsizetype i = recent.size(); i-- > 0;) {
    const std::string label = utf8(recent[i].trimmed());
    if (label.empty()) continue;
    if (list.recentServer(label)) {
      list.noteUsed(label);
    } else {
      problems.add(QStringLiteral("options/recent"),
                   "\"" + label + "\" is neither a saved server nor an address with its port.");
    }
  }
  settings.endGroup();
}

QString statusText(QSettings::Status status) {
  return status == QSettings::AccessError ? QStringLiteral("it could not be read or written")
                                          : QStringLiteral("it is not a valid INI file");
}

}  // namespace

QString ServersFile::defaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/VortaneRcon/servers.ini");
}

ServersFile::ServersFile(QString path) : path_(std::move(path)) {}

rcon::ServersLoad ServersFile::load() {
  rcon::ServersLoad loaded;
  if (!QFileInfo::exists(path_)) return loaded;
  if (!QFileInfo(path_).isFile()) {
    loaded.problems = "The servers file " + PathFromQString(path_) + " is not a regular file.";
    return loaded;
  }
  QSettings settings(path_, QSettings::IniFormat);
  ProblemLog problems;
  if (settings.status() != QSettings::NoError)
    problems.add(QStringLiteral("file"),
                 utf8(statusText(settings.status())) + "; what could be read is kept.");
  readServers(settings, loaded.servers, problems);
  readGroups(settings, loaded.servers, problems);
  readOptions(settings, loaded.servers, problems);
  loaded.problems = problems.text(path_);
  return loaded;
}

std::string ServersFile::save(const rcon::ServerList& list) {
  QSettings settings(path_, QSettings::IniFormat);
  // Sections of other programs or later versions stay; ours are written afresh.
  for (const char* section : {"servers", "groups", "options"})
    settings.remove(QString::fromLatin1(section));

  settings.beginGroup(QStringLiteral("servers"));
  int number = 0;
  for (const rcon::SavedServer& server : list.servers()) {
    settings.beginGroup(QString::number(++number));
    settings.setValue(QStringLiteral("name"), fromUtf8(server.name));
    settings.setValue(QStringLiteral("host"), fromUtf8(server.host));
    settings.setValue(QStringLiteral("port"), int(server.port));
    for (const auto& [key, value] : server.options)
      settings.setValue(QStringLiteral("options/") + fromUtf8(key), fromUtf8(value));
    settings.endGroup();
  }
  settings.endGroup();

  settings.beginGroup(QStringLiteral("groups"));
  for (const rcon::ServerGroup& group : list.groups()) {
    QStringList members;
    for (const std::string& member : group.members) members << fromUtf8(member);
    settings.setValue(fromUtf8(group.name), members);
  }
  settings.endGroup();

  settings.beginGroup(QStringLiteral("options"));
  settings.setValue(QStringLiteral("openLastAtStart"), list.options.openLastAtStart);
  settings.setValue(QStringLiteral("colourCodes"), list.options.colourCodes);
  if (!list.options.lastServer.empty())
    settings.setValue(QStringLiteral("lastServer"), fromUtf8(list.options.lastServer));
  QStringList recent;
  for (const std::string& label : list.recent()) recent << fromUtf8(label);
  if (!recent.isEmpty()) settings.setValue(QStringLiteral("recent"), recent);
  settings.endGroup();

  settings.sync();
  if (settings.status() == QSettings::NoError) return {};
  return "The servers file " + PathFromQString(path_) +
         " could not be saved: " + utf8(statusText(settings.status())) + ".";
}

}  // namespace platform
