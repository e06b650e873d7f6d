// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AppServices.h"

#include <QCoreApplication>

namespace ui {

SessionParts::SessionParts(rcon::MessageBoxService& boxes, rcon::FileDialogService& dialog,
                           rcon::FileStore& files, rcon::MessagingSettings* sharedMessaging)
    : session_({socket_, timer_, clock_, boxes, dialog, files, &network_, sharedMessaging}) {}

AppServices::AppServices() {
  services_.messageBox = &messageBox_;
  services_.fileDialog = &fileDialog_;
  services_.msgFileDialog = &msgFileDialog_;
  services_.files = &files_;
  services_.registry = &registry_;
  services_.fileProbe = &fileProbe_;
  services_.processes = &processes_;
  services_.printer = &printer_;
  services_.serversFile = &serversFile_;
  services_.passwords = &passwords_;
  services_.hostLookup = &hostResolver_;
  services_.programDir = QCoreApplication::applicationDirPath();
}

AppServices::~AppServices() = default;

void AppServices::setDialogParent(QWidget* window) {
  messageBox_.setParent(window);
  fileDialog_.setParent(window);
}

std::unique_ptr<SessionParts> AppServices::makeSession(rcon::MessagingSettings* sharedMessaging) {
  return std::make_unique<SessionParts>(messageBox_, fileDialog_, files_, sharedMessaging);
}

}  // namespace ui
