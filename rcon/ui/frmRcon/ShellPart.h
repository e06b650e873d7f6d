// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window shell: lays the controls out at every size, and hides the minimised window behind
// a notification-area icon.
#include <QObject>

#include "ui/frmRcon/MainControls.h"
#include "ui/frmRcon/MainMenus.h"

class QMainWindow;

namespace platform {
class TrayIcon;
}

namespace ui {

class ShellPart final : public QObject {
  Q_OBJECT
 public:
  ShellPart(QMainWindow& window, const MainControls& controls, platform::TrayIcon* tray,
            const TrayActions& actions);
  ~ShellPart() override;

  // After every change of the window's size or state.
  void windowResized();
  // The window is closing for good.
  void windowClosing();

 private:
  void hideToTray();
  void removeTrayIcon();
  void enforceMinimumSize();
  void applyLayout();
  void restore();
  void trayLost();

  QMainWindow& window_;
  const MainControls& controls_;
  platform::TrayIcon* tray_ = nullptr;
};

}  // namespace ui
