#pragma once
// The window shell: lays the controls out at every size, and hides the minimised window behind
// a notification-area icon.
#include <QObject>

namespace platform {
class TrayIcon;
}

namespace ui {

class frmRcon;

class ShellPart final : public QObject {
  Q_OBJECT
 public:
  explicit ShellPart(frmRcon& window);
  ~ShellPart() override;

  // After every change of the window's size or state.
  void Form_Resize();
  // The window is closing for good.
  void Form_Unload();

 private:
  void HideToTray();
  void RemoveTrayIcon();
  void EnforceMinimumSize();
  void applyLayout();
  void mnuSysRestore_Click();
  void mnuSysExit_Click();
  void TrayLost();

  frmRcon& window_;
  platform::TrayIcon* tray_ = nullptr;
};

}  // namespace ui
