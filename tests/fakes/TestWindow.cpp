#include "fakes/TestWindow.h"

#include <QApplication>
#include <QTest>

#include "ui/frmRcon/ConnectionFields.h"

namespace fakes {

TestWindow::TestWindow() {
  services.socket = &socket;
  services.messageBox = &messageBox;
  services.fileDialog = &fileDialog;
  services.msgFileDialog = &msgFileDialog;
  services.files = &files;
  services.msgTimer = &timer;
  services.tray = &tray;
  printer.setPdfOutput(programDir.filePath(QStringLiteral("print.pdf")));
  services.printer = &printer;
  services.programDir = programDir.path();
}

TestWindow::~TestWindow() = default;

ui::frmRcon& TestWindow::open() {
  window = std::make_unique<ui::frmRcon>(services);
  window->show();
  QApplication::setActiveWindow(window.get());
  (void)QTest::qWaitForWindowActive(window.get(), 5000);
  return *window;
}

void TestWindow::setServer(const QString& ip, quint16 port, const QString& password) {
  const QStringList octets = ip.split('.');
  for (int i = 0; i < 4; ++i)
    window->fields().txtIP[static_cast<std::size_t>(i)]->setText(octets.value(i));
  window->fields().txtPort->setText(QString::number(port));
  window->fields().txtPass->setText(password);
}

std::string TestWindow::console() const { return window->console().buffer.text(); }

rcon::MessagingSettings& TestWindow::messaging() const { return window->modVars(); }

}  // namespace fakes
