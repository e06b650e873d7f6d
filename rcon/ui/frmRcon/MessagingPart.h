// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Messaging menu: starts and stops the session's message scheduler, and opens the options
// dialog while messaging is stopped.
#include <QObject>
#include <QPointer>

#include "ui/Services.h"
#include "ui/frmRcon/MainMenus.h"

namespace rcon {
class ServerSession;
}

namespace ui {

class MessagingOptionsWindow;

class MessagingPart final : public QObject {
  Q_OBJECT
 public:
  MessagingPart(rcon::ServerSession& session, const MessagingActions& actions, QWidget& mainWindow,
                const Services& services);
  ~MessagingPart() override;

  // Which items can be chosen follows the scheduler's state.
  void showMenuState();

 private:
  void openOptions();

  rcon::ServerSession& session_;
  MessagingActions actions_;
  QWidget& mainWindow_;
  const Services& services_;
  QPointer<MessagingOptionsWindow> options_;
};

}  // namespace ui
