// VortaneRcon (installed as vortanercon): the remote console's window program.
#include <QApplication>

#include "ui/AppServices.h"
#include "ui/frmRcon/MainWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VortaneRcon"));  // also the window's WM_CLASS
  // Docks and task bars find the entry's name and icon through it (Wayland's app_id too).
  QGuiApplication::setDesktopFileName(QStringLiteral("vortane-rcon"));
  ui::AppServices services;
  const std::unique_ptr<ui::SessionParts> parts = services.makeSession();
  ui::MainWindow window(parts->session(), services.services());
  services.setDialogParent(&window);
  window.show();
  return QApplication::exec();
}
