// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/WindowSetup.h"

#include <QWidget>

// Q_INIT_RESOURCE cannot be used inside a namespace.
static void registerResources() { Q_INIT_RESOURCE(resources); }

namespace ui {

QIcon programIcon() {
  static const bool registered = (registerResources(), true);
  (void)registered;
  return QIcon(QStringLiteral(":/vortane-rcon.png"));
}

void setUpWindow(QWidget* window, const char* objectName, const QString& title) {
  window->setObjectName(QString::fromLatin1(objectName));
  window->setWindowTitle(title);
  window->setWindowIcon(programIcon());
}

}  // namespace ui
