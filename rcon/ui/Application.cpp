// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Application.h"

#include <QDir>
#include <QGuiApplication>
#include <QSessionManager>
#include <csignal>

#include "core/ServerSession.h"
#include "core/TextFile.h"
#include "platform/base/StatePaths.h"
#include "platform/base/TextCodec.h"
#include "platform/gui/SystemTrayIcon.h"
#include "ui/AppServices.h"
#include "ui/frmRcon/MainWindow.h"

namespace ui {

struct Application::OpenWindow {
  std::unique_ptr<SessionParts> parts;
  std::unique_ptr<platform::SystemTrayIcon> tray;
  std::unique_ptr<MainWindow> window;
};

namespace {
const QString kRecoveryPrefix = QStringLiteral("console-recovery");
const QString kRecoveredPrefix = QStringLiteral("console-recovered");
}  // namespace

Application::Application(AppServices& services)
    : services_(services), signals_({SIGTERM, SIGHUP, SIGINT}) {
  connect(&signals_, &platform::SignalPipe::caught, this, &Application::takeSignal);
  connect(qApp, &QGuiApplication::commitDataRequest, this, &Application::commitData,
          Qt::DirectConnection);
}

Application::~Application() {
  // Windows go before the sessions they show.
  for (auto& open : windows_) open->window.reset();
}

MainWindow& Application::openWindow() {
  auto open = std::make_unique<OpenWindow>();
  open->parts = services_.makeSession(&sharedMessaging_);
  open->parts->session().setOverflowFile(
      platform::PathFromQString(platform::newStateFile(QStringLiteral("console-overflow"))));
  open->tray = std::make_unique<platform::SystemTrayIcon>();
  Services services = services_.services();
  services.tray = open->tray.get();
  open->window = std::make_unique<MainWindow>(open->parts->session(), services);
  MainWindow* window = open->window.get();
  connect(window, &MainWindow::newWindowRequested, this, [this] { openWindow(); });
  connect(window, &MainWindow::closed, this, [this, window] { windowClosed(window); });
  if (firstWindow_) {
    services_.setDialogParent(window);
    announceRecovered(open->parts->session());
    firstWindow_ = false;
  }
  windows_.push_back(std::move(open));
  window->show();
  return *window;
}

rcon::ServerSession& Application::session(std::size_t index) {
  return windows_.at(index)->parts->session();
}

// The window is still inside its close event: it goes once the event loop is back.
void Application::windowClosed(MainWindow* window) {
  QMetaObject::invokeMethod(
      this,
      [this, window] {
        std::erase_if(windows_, [window](const std::unique_ptr<OpenWindow>& open) {
          return open->window.get() == window;
        });
      },
      Qt::QueuedConnection);
}

void Application::rescueConsoles() {
  for (const auto& open : windows_) {
    const rcon::Console& console = open->parts->session().console();
    if (!console.unsaved) continue;
    QDir().mkpath(platform::stateDirectory());
    const std::string path = platform::PathFromQString(platform::newStateFile(kRecoveryPrefix));
    services_.services().files->write(path, rcon::textFileBytes(console.buffer.text()));
  }
}

// Logging out: ask as closing the window would, where the session manager lets us; else keep
// the consoles in recovery files.
void Application::commitData(QSessionManager& manager) {
  for (const auto& open : windows_) {
    rcon::ServerSession& session = open->parts->session();
    if (!session.console().unsaved) continue;
    if (!manager.allowsInteraction()) {
      rescueConsoles();
      break;
    }
    const bool goOn = session.queryClose();
    if (!goOn) {
      manager.cancel();
      break;
    }
  }
  manager.release();
}

void Application::takeSignal(int /*signalNumber*/) {
  rescueConsoles();
  QCoreApplication::exit(0);
}

// A console rescued in an earlier run is named in the first window's console, once: the file
// is renamed as it is announced.
void Application::announceRecovered(rcon::ServerSession& session) {
  QDir state(platform::stateDirectory());
  const QStringList found =
      state.entryList({kRecoveryPrefix + QStringLiteral("-*.txt")}, QDir::Files, QDir::Name);
  for (const QString& name : found) {
    QString renamed = name;
    renamed.replace(0, kRecoveryPrefix.size(), kRecoveredPrefix);
    const QString path =
        state.rename(name, renamed) ? state.filePath(renamed) : state.filePath(name);
    session.appendToConsole(
        "*** The console of an earlier run, closed by the desktop, was kept in " +
        platform::PathFromQString(path) + "\r\n");
  }
}

}  // namespace ui
