// VortaneRcon: the remote console's window program.
#include <QApplication>

#include "ui/AppServices.h"
#include "ui/frmRcon/MainWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VortaneRcon"));
  ui::AppServices services;
  const std::unique_ptr<ui::SessionParts> parts = services.makeSession();
  ui::MainWindow window(parts->session(), services.services());
  services.setDialogParent(&window);
  window.show();
  return QApplication::exec();
}
