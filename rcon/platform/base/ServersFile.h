// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The servers file, shared by the window and the command-line tool: an INI file read and
// written through QSettings.
//
//   [options]
//   openLastAtStart=false
//   colourCodes=false
//   lastServer=ctf-east
//   recent=ctf-east, 10.0.0.7:20100
//   [servers]
//   1\name=ctf-east
//   1\host=ctf.example.org
//   1\port=20100
//   1\options\kick=clientkick %1
//   [groups]
//   eu=ctf-east, ctf-west
//
// A hand-edited file with broken entries loses only those entries; the load reports them as
// one message. Passwords are never written here.
#include <QString>

#include "core/ServerServices.h"

namespace platform {

class ServersFile final : public rcon::ServersFileService {
 public:
  // $XDG_CONFIG_HOME/VortaneRcon/servers.ini, else ~/.config/VortaneRcon/servers.ini.
  static QString defaultPath();

  explicit ServersFile(QString path = defaultPath());

  rcon::ServersLoad load() override;
  std::string save(const rcon::ServerList& servers) override;

  const QString& path() const { return path_; }

 private:
  QString path_;
};

}  // namespace platform
