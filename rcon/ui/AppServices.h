// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real platform services of a running program, owned in one place, and a session with its
// own socket, messaging timer and clock for each main window.
#include <memory>

#include "core/ServerSession.h"
#include "platform/base/HostResolver.h"
#include "platform/base/LocalInterfaces.h"
#include "platform/base/QtFileStore.h"
#include "platform/base/SecretStore.h"
#include "platform/base/ServersFile.h"
#include "platform/base/SysInfoServices.h"
#include "platform/base/TickTimer.h"
#include "platform/base/UdpSocket.h"
#include "platform/gui/QtFileDialog.h"
#include "platform/gui/QtMessageBox.h"
#include "platform/gui/QtPrinter.h"
#include "platform/gui/SystemTrayIcon.h"
#include "ui/Services.h"

namespace ui {

// A session and the platform parts it runs on; they live and die together.
class SessionParts final {
 public:
  SessionParts(rcon::MessageBoxService& boxes, rcon::FileDialogService& dialog,
               rcon::FileStore& files, rcon::MessagingSettings* sharedMessaging = nullptr);
  rcon::ServerSession& session() { return session_; }

 private:
  platform::UdpSocket socket_;
  platform::TickTimer timer_;
  platform::SteadyClock clock_;
  platform::LocalInterfaces network_;
  rcon::ServerSession session_;
};

class AppServices final {
 public:
  AppServices();
  ~AppServices();
  const Services& services() const { return services_; }
  // Message boxes and dialogs centre on the main window once it exists.
  void setDialogParent(QWidget* window);
  std::unique_ptr<SessionParts> makeSession(rcon::MessagingSettings* sharedMessaging = nullptr);

 private:
  platform::QtMessageBox messageBox_;
  platform::QtFileDialog fileDialog_;
  platform::QtFileDialog msgFileDialog_;
  platform::QtFileStore files_;
  platform::SysInfoRegistry registry_;
  platform::QtFileProbe fileProbe_;
  platform::DetachedProcessStarter processes_;
  platform::QtPrinter printer_;
  platform::ServersFile serversFile_;
  platform::SecretStore passwords_;
  platform::HostResolver hostResolver_;
  Services services_;
};

}  // namespace ui
