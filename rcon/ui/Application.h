// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's windows: each main window with a session of its own (socket, timer, console,
// messaging) and a notification-area icon of its own, all sharing one message list. It also
// keeps what the desktop would otherwise lose: on logout the save-first prompt where the session
// manager allows it, and on SIGTERM or SIGHUP the unsaved consoles written to recovery files.
#include <QObject>
#include <memory>
#include <vector>

#include "core/MessagingSettings.h"
#include "platform/base/SignalPipe.h"

class QSessionManager;

namespace platform {
class SystemTrayIcon;
}
namespace rcon {
class ServerSession;
}

namespace ui {

class AppServices;
class MainWindow;
class SessionParts;

class Application final : public QObject {
  Q_OBJECT
 public:
  explicit Application(AppServices& services);
  ~Application() override;

  // A new main window with a session of its own, shown.
  MainWindow& openWindow();

  std::size_t windowCount() const { return windows_.size(); }
  rcon::ServerSession& session(std::size_t index);

  // Writes every unsaved console to a recovery file in the state folder.
  void rescueConsoles();

 private:
  struct OpenWindow;
  void windowClosed(MainWindow* window);
  void commitData(QSessionManager& manager);
  void takeSignal(int signalNumber);
  void announceRecovered(rcon::ServerSession& session);

  AppServices& services_;
  rcon::MessagingSettings sharedMessaging_;
  std::vector<std::unique_ptr<OpenWindow>> windows_;
  platform::SignalPipe signals_;
  bool firstWindow_ = true;
};

}  // namespace ui
