// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/PseudoModal.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace ui {
namespace {

// A secondary window has no taskbar entry to come back from, and the main window waits for it:
// a minimised one would leave the program stuck, so it comes straight back.
class MinimiseGuard final : public QObject {
 public:
  explicit MinimiseGuard(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::WindowStateChange &&
        window_->isMinimized()) {
      QTimer::singleShot(0, window_, [window = window_] {
        window->showNormal();
        window->activateWindow();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* window_;
};

}  // namespace

void showPseudoModal(QWidget* secondary, QWidget* mainWindow) {
  secondary->setAttribute(Qt::WA_DeleteOnClose);
  // The program ends with its main window, whatever secondary window is still open.
  secondary->setAttribute(Qt::WA_QuitOnClose, false);
  new MinimiseGuard(secondary);
  QPointer<QWidget> main(mainWindow);
  // destroyed fires however the window goes: OK, Esc, the close box, or the program's end.
  QObject::connect(secondary, &QObject::destroyed, mainWindow, [main] {
    if (!main) return;
    main->setEnabled(true);
    main->activateWindow();
    if (QWidget* last = main->focusWidget()) last->setFocus(Qt::ActiveWindowFocusReason);
  });
  secondary->show();
  mainWindow->setEnabled(false);
  // Window managers do not focus a new tool window by themselves, and the main window is
  // disabled: the keyboard must go to the secondary window.
  secondary->activateWindow();
}

}  // namespace ui
