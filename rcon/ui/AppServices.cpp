#include "ui/AppServices.h"

#include <QCoreApplication>

namespace ui {

AppServices::AppServices() {
  services_.socket = &socket_;
  services_.messageBox = &messageBox_;
  services_.fileDialog = &fileDialog_;
  services_.msgFileDialog = &msgFileDialog_;
  services_.files = &files_;
  services_.msgTimer = &msgTimer_;
  services_.registry = &registry_;
  services_.fileProbe = &fileProbe_;
  services_.processes = &processes_;
  services_.tray = &tray_;
  services_.printer = &printer_;
  services_.programDir = QCoreApplication::applicationDirPath();
}

AppServices::~AppServices() = default;

void AppServices::setDialogParent(QWidget* window) {
  messageBox_.setParent(window);
  fileDialog_.setParent(window);
}

}  // namespace ui
