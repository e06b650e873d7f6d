// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a bare Qt Widgets program with one main window and a menu bar.
// It ends as soon as its window has been painted once; time it from outside (see RESULTS.md).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <cstdlib>

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
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare"));
  QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("E&xit"));
  window.resize(617, 350);
  FirstFrame first;
  window.installEventFilter(&first);
  window.show();
  return QApplication::exec();
}
