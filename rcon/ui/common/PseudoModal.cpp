#include "ui/common/PseudoModal.h"

#include <QPointer>

namespace ui {

void ShowPseudoModal(QWidget* secondary, QWidget* mainWindow) {
  secondary->setAttribute(Qt::WA_DeleteOnClose);
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
}

}  // namespace ui
