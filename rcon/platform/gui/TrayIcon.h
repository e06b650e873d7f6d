// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notification-area icon that stands in for the minimised main window. The platform opens
// the context menu on a right-button click; no other mouse action on the icon does anything.
#include <QIcon>
#include <QObject>
#include <QString>

class QMenu;

namespace platform {

class TrayIcon : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  // Whether the desktop has a notification area to put an icon in at all.
  virtual bool isAvailable() const = 0;
  // Shows the one icon, or updates it when it is already shown.
  virtual void show(const QIcon& icon, const QString& tip) = 0;
  // Removes the icon; harmless when none is shown.
  virtual void hide() = 0;
  // The menu a right-button click opens; nullptr for none. The menu is not owned.
  virtual void setContextMenu(QMenu* menu) = 0;

 signals:
  // The notification area went away while the icon was shown (say, the panel was restarted).
  void lost();
};

}  // namespace platform
