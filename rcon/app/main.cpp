// SPDX-License-Identifier: GPL-3.0-or-later
// VortaneRcon: the remote console's window program.
#include <QApplication>

#include "ui/AppServices.h"
#include "ui/Application.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VortaneRcon"));
  QGuiApplication::setDesktopFileName(QStringLiteral("vortane-rcon"));
  ui::AppServices services;
  ui::Application windows(services);
  windows.openWindow();
  return QApplication::exec();
}
