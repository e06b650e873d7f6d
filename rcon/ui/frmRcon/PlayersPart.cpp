// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/PlayersPart.h"

#include <QAction>

#include "platform/base/SideChannel.h"
#include "platform/base/TickTimer.h"
#include "ui/frmPlayers/PlayersWindow.h"

namespace ui {

PlayersPart::PlayersPart(rcon::ServerSession& session, QAction* players, QWidget& mainWindow,
                         const Services& services)
    : QObject(&mainWindow), session_(session), mainWindow_(mainWindow), services_(services) {
  connect(players, &QAction::triggered, this, &PlayersPart::open);
}

void PlayersPart::open() {
  if (window_ == nullptr) {
    std::unique_ptr<rcon::RequestChannel> channel =
        services_.sideChannels ? services_.sideChannels()
                               : std::make_unique<platform::UdpSideChannel>();
    std::unique_ptr<rcon::Timer> timer =
        services_.timers ? services_.timers() : std::make_unique<platform::TickTimer>();
    window_ =
        new PlayersWindow(&mainWindow_, session_, services_, std::move(channel), std::move(timer));
  }
  window_->open();
}

}  // namespace ui
