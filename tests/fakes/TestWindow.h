// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window and its session wired to fakes (socket, timer, clock, boxes, dialogs, tray) and
// real files, for widget tests. An end-to-end test puts a real socket or timer in before open().
#include <QAction>
#include <QTemporaryDir>
#include <memory>

#include "core/ServerSession.h"
#include "fakes/FakeHostLookup.h"
#include "fakes/FakeServerStores.h"
#include "fakes/FakeServices.h"
#include "fakes/FakeSideChannel.h"
#include "fakes/FakeTrayIcon.h"
#include "platform/base/QtFileStore.h"
#include "platform/gui/QtPrinter.h"
#include "ui/frmRcon/MainWindow.h"

namespace fakes {

struct TestWindow {
  TestWindow();
  ~TestWindow();

  QTemporaryDir programDir;
  FakeSocket socket;
  FakeTimer timer;
  FakeClock clock;
  FakeMessageBox messageBox;
  FakeFileDialog fileDialog;
  FakeFileDialog msgFileDialog;
  platform::QtFileStore files;
  FakeTrayIcon tray;
  platform::QtPrinter printer;  // prints into programDir/print.pdf
  FakeServersFile serversFile;
  FakePasswordStore passwords;
  FakeHostLookup hostLookup;
  ui::Services services;
  // The last side channel and timer a window made (the players window's), owned by it.
  FakeSideChannel* sideChannel = nullptr;
  FakeTimer* windowTimer = nullptr;
  // What the session runs on: the fakes above unless a test puts real ones in.
  rcon::DatagramSocket* sessionSocket = &socket;
  rcon::Timer* sessionTimer = &timer;
  std::unique_ptr<rcon::ServerSession> session;
  std::unique_ptr<ui::MainWindow> window;

  // Builds and shows the window (so that tests can set up the program folder first).
  ui::MainWindow& open();
  // Sets the address fields, port and password as a user would have typed them.
  void setServer(const QString& ip, quint16 port, const QString& password = {});
  // Points the fields at 127.0.0.1 and sends "getstatus", so that replies from there are taken.
  void contactServer();
  // Console text of record.
  std::string console() const;
  // The program-wide messaging settings the window works with.
  rcon::MessagingSettings& messaging() const;
  // The request texts sent through the fake socket, without the four 0xFF bytes.
  std::vector<std::string> requests() const;

  // Controls, menu items and windows by their objectName(), as tests and accessibility tools
  // find them; null when there is none.
  template <class T = QWidget>
  T* find(const QString& objectName) const {
    return window->findChild<T*>(objectName);
  }
  QAction* action(const QString& objectName) const { return find<QAction>(objectName); }
  QLineEdit* line(const QString& objectName) const { return find<QLineEdit>(objectName); }
};

}  // namespace fakes
