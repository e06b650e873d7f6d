#pragma once
// The real platform services of a running program, owned in one place.
#include <memory>

#include "platform/base/QtFileStore.h"
#include "platform/base/SysInfoServices.h"
#include "platform/base/TickTimer.h"
#include "platform/base/UdpSocket.h"
#include "platform/gui/QtFileDialog.h"
#include "platform/gui/QtMessageBox.h"
#include "platform/gui/QtPrinter.h"
#include "platform/gui/SystemTrayIcon.h"
#include "ui/Services.h"

namespace ui {

class AppServices final {
 public:
  AppServices();
  ~AppServices();
  const Services& services() const { return services_; }
  // Message boxes and dialogs centre on the main window once it exists.
  void setDialogParent(QWidget* window);

 private:
  platform::UdpSocket socket_;
  platform::QtMessageBox messageBox_;
  platform::QtFileDialog fileDialog_;
  platform::QtFileDialog msgFileDialog_;
  platform::QtFileStore files_;
  platform::TickTimer msgTimer_;
  platform::SysInfoRegistry registry_;
  platform::QtFileProbe fileProbe_;
  platform::DetachedProcessStarter processes_;
  platform::SystemTrayIcon tray_;
  platform::QtPrinter printer_;
  Services services_;
};

}  // namespace ui
