// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/TestWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace fakes {

TestWindow::TestWindow() {
  services.messageBox = &messageBox;
  services.fileDialog = &fileDialog;
  services.msgFileDialog = &msgFileDialog;
  services.files = &files;
  services.tray = &tray;
  printer.setPdfOutput(programDir.filePath(QStringLiteral("print.pdf")));
  services.printer = &printer;
  services.serversFile = &serversFile;
  services.passwords = &passwords;
  services.hostLookup = &hostLookup;
  services.programDir = programDir.path();
  services.sideChannels = [this] {
    auto channel = std::make_unique<FakeSideChannel>(clock);
    sideChannel = channel.get();
    return channel;
  };
  services.timers = [this] {
    auto timer = std::make_unique<FakeTimer>();
    windowTimer = timer.get();
    return timer;
  };
}

TestWindow::~TestWindow() {
  window.reset();
  session.reset();
}

ui::MainWindow& TestWindow::open() {
  session = std::make_unique<rcon::ServerSession>(
      rcon::SessionServices{*sessionSocket, *sessionTimer, clock, messageBox, fileDialog, files});
  window = std::make_unique<ui::MainWindow>(*session, services);
  window->show();
  QApplication::setActiveWindow(window.get());
  (void)QTest::qWaitForWindowActive(window.get(), 5000);
  return *window;
}

void TestWindow::setServer(const QString& ip, quint16 port, const QString& password) {
  const QStringList octets = ip.split('.');
  for (int i = 0; i < 4; ++i) line(QStringLiteral("txtIP(%1)").arg(i))->setText(octets.value(i));
  line(QStringLiteral("txtPort"))->setText(QString::number(port));
  line(QStringLiteral("txtPass"))->setText(password);
}

void TestWindow::contactServer() {
  setServer(QStringLiteral("127.0.0.1"), 20100);
  action(QStringLiteral("mnuServStatus"))->trigger();
}

std::string TestWindow::console() const { return session->console().buffer.text(); }

rcon::MessagingSettings& TestWindow::messaging() const { return session->messaging(); }

std::vector<std::string> TestWindow::requests() const {
  std::vector<std::string> texts;
  for (const FakeSocket::Sent& sent : socket.sent) texts.push_back(sent.bytes.substr(4));
  return texts;
}

}  // namespace fakes
