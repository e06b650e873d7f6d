// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up as rcon/app/main.cpp does it, ending as soon as the main window has
// been painted once; time it from outside against startup_bare (see RESULTS.md).
#include <QApplication>
#include <QTimer>
#include <cstdlib>

#include "ui/AppServices.h"
#include "ui/frmRcon/MainWindow.h"

namespace {

// Ends the process right after the first frame of the watched window, skipping the teardown.
class FirstFrame final : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, [] { std::_Exit(0); });
    return false;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VortaneRcon"));
  ui::AppServices services;
  const std::unique_ptr<ui::SessionParts> parts = services.makeSession();
  ui::MainWindow window(parts->session(), services.services());
  services.setDialogParent(&window);
  FirstFrame first;
  window.installEventFilter(&first);
  window.show();
  return QApplication::exec();
}
