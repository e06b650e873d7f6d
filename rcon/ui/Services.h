// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform services a window works with, handed in so that tests can put fakes in their
// place. Production builds take them from AppServices. A window's session brings its own
// socket, timer and clock.
#include <QString>
#include <functional>
#include <memory>

#include "core/ServerServices.h"
#include "core/Services.h"
#include "core/SideChannel.h"

namespace platform {
class TrayIcon;
class Printer;
}  // namespace platform

namespace ui {

struct Services {
  rcon::MessageBoxService* messageBox = nullptr;
  rcon::FileDialogService* fileDialog = nullptr;     // the main window's
  rcon::FileDialogService* msgFileDialog = nullptr;  // the options dialog's own
  rcon::FileStore* files = nullptr;
  platform::TrayIcon* tray = nullptr;
  platform::Printer* printer = nullptr;
  rcon::Registry* registry = nullptr;
  rcon::FileProbe* fileProbe = nullptr;
  rcon::ProcessStarter* processes = nullptr;
  // The saved servers, their passwords in the desktop's secret store, and host name look-ups.
  rcon::ServersFileService* serversFile = nullptr;
  rcon::PasswordStore* passwords = nullptr;
  rcon::HostLookup* hostLookup = nullptr;
  QString programDir;  // the executable's folder
  // Background requests (the players list) on a socket of their own, and their timers; empty:
  // real UDP and real timers.
  std::function<std::unique_ptr<rcon::RequestChannel>()> sideChannels;
  std::function<std::unique_ptr<rcon::Timer>()> timers;
};

}  // namespace ui
