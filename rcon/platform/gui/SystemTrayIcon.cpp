// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/SystemTrayIcon.h"

#include <QMenu>

namespace platform {

namespace {
constexpr int kWatchMs = 1000;
}

SystemTrayIcon::SystemTrayIcon(QObject* parent) : TrayIcon(parent) {
  watch_.setInterval(kWatchMs);
  // Nothing reports the notification area going away; ask while the icon depends on it.
  connect(&watch_, &QTimer::timeout, this, [this] {
    if (!isAvailable()) emit lost();
  });
}

bool SystemTrayIcon::isAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void SystemTrayIcon::show(const QIcon& icon, const QString& tip) {
  icon_.setIcon(icon);
  icon_.setToolTip(tip);
  icon_.show();
  shown_ = true;
  watch_.start();
}

void SystemTrayIcon::hide() {
  watch_.stop();
  icon_.hide();
  shown_ = false;
}

// The right button opens the menu by itself; the other activations stay unconnected.
void SystemTrayIcon::setContextMenu(QMenu* menu) { icon_.setContextMenu(menu); }

}  // namespace platform
