// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notification-area icon through QSystemTrayIcon.
#include <QSystemTrayIcon>
#include <QTimer>

#include "platform/gui/TrayIcon.h"

namespace platform {

class SystemTrayIcon final : public TrayIcon {
  Q_OBJECT
 public:
  explicit SystemTrayIcon(QObject* parent = nullptr);

  bool isAvailable() const override;
  void show(const QIcon& icon, const QString& tip) override;
  void hide() override;
  void setContextMenu(QMenu* menu) override;

 private:
  QSystemTrayIcon icon_;
  QTimer watch_;  // while shown: is the notification area still there?
  // QSystemTrayIcon::isVisible() says true even with no notification area to show in.
  bool shown_ = false;
};

}  // namespace platform
