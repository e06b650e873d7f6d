// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A notification area for offscreen tests: says whether it exists and records the one icon.
#include <QMenu>
#include <QPointer>

#include "platform/gui/TrayIcon.h"

namespace fakes {

class FakeTrayIcon final : public platform::TrayIcon {
  Q_OBJECT
 public:
  bool isAvailable() const override { return available; }
  void show(const QIcon& icon, const QString& tip) override {
    if (!shown) ++timesShown;
    shown = true;
    lastIcon = icon;
    lastTip = tip;
  }
  void hide() override { shown = false; }
  void setContextMenu(QMenu* menu) override { contextMenu = menu; }

  // The panel goes away.
  void loseNotificationArea() {
    available = false;
    if (shown) emit lost();
  }

  bool available = true;
  bool shown = false;
  int timesShown = 0;  // hidden-to-shown changes
  QIcon lastIcon;
  QString lastTip;
  QPointer<QMenu> contextMenu;
};

}  // namespace fakes
