// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/SaveAsKey.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace ui {
namespace {

class CtrlAFilter final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride) {
      // Ignored, the override leaves the keys to the window's shortcut.
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_A) {
        event->ignore();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void reserveCtrlAForSaveAs(QWidget* window) {
  auto* filter = new CtrlAFilter(window);
  for (QLineEdit* box : window->findChildren<QLineEdit*>()) box->installEventFilter(filter);
  for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>())
    box->installEventFilter(filter);
  for (QTextEdit* box : window->findChildren<QTextEdit*>()) box->installEventFilter(filter);
}

}  // namespace ui
