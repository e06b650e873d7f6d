#pragma once
// A main window wired to fakes (real socket, real files) for widget tests.
#include <QAction>
#include <QTemporaryDir>
#include <memory>

#include "fakes/FakeServices.h"
#include "fakes/FakeTrayIcon.h"
#include "platform/base/QtFileStore.h"
#include "platform/base/UdpSocket.h"
#include "platform/gui/QtPrinter.h"
#include "ui/frmRcon/frmRcon.h"

namespace fakes {

struct TestWindow {
  TestWindow();
  ~TestWindow();

  QTemporaryDir programDir;
  platform::UdpSocket socket{nullptr, 0};
  FakeMessageBox messageBox;
  FakeFileDialog fileDialog;
  FakeFileDialog msgFileDialog;
  platform::QtFileStore files;
  FakeTimer timer;
  FakeTrayIcon tray;
  platform::QtPrinter printer;  // prints into programDir/print.pdf
  ui::Services services;
  std::unique_ptr<ui::frmRcon> window;

  // Builds and shows the window (so that tests can set up the program folder first).
  ui::frmRcon& open();
  // Sets the address fields, port and password as a user would have typed them.
  void setServer(const QString& ip, quint16 port, const QString& password = {});
  // Console text of record.
  std::string console() const;
  // The program-wide messaging settings the window works with.
  rcon::MessagingSettings& messaging() const;

  // Controls, menu items and windows by their objectName(), as tests and accessibility tools
  // find them; null when there is none.
  template <class T = QWidget>
  T* find(const QString& objectName) const {
    return window->findChild<T*>(objectName);
  }
  QAction* action(const QString& objectName) const { return find<QAction>(objectName); }
};

}  // namespace fakes
