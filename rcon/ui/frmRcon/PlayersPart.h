// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Server > Players...: opens the players window, one per main window, made on first use.
#include <QObject>
#include <QPointer>

#include "core/ServerSession.h"
#include "ui/Services.h"

class QAction;
class QWidget;

namespace ui {

class PlayersWindow;

class PlayersPart final : public QObject {
 public:
  PlayersPart(rcon::ServerSession& session, QAction* players, QWidget& mainWindow,
              const Services& services);

 private:
  void open();

  rcon::ServerSession& session_;
  QWidget& mainWindow_;
  const Services& services_;
  QPointer<PlayersWindow> window_;  // a child of the main window: goes with it
};

}  // namespace ui
