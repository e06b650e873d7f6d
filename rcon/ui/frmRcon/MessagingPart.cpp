// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/MessagingPart.h"

#include "core/ServerSession.h"
#include "ui/common/PseudoModal.h"
#include "ui/frmMsgOptions/frmMsgOptions.h"

namespace ui {

MessagingPart::MessagingPart(rcon::ServerSession& session, const MessagingActions& actions,
                             QWidget& mainWindow, const Services& services)
    : session_(session), actions_(actions), mainWindow_(mainWindow), services_(services) {
  connect(actions.start, &QAction::triggered, this, [this] { session_.startMessaging(); });
  connect(actions.stop, &QAction::triggered, this, [this] { session_.stopMessaging(); });
  connect(actions.options, &QAction::triggered, this, &MessagingPart::openOptions);
  showMenuState();
}

MessagingPart::~MessagingPart() {
  if (options_) {
    // The dialog goes with the main window; it must not reach back into the closing window.
    options_->disconnect();
    delete options_.data();
  }
}

void MessagingPart::openOptions() {
  if (session_.messagingMenus().options == false) return;
  if (options_) {
    options_->activateWindow();
    return;
  }
  options_ = new MessagingOptionsWindow(session_.messaging(), services_);
  showPseudoModal(options_, &mainWindow_);
}

void MessagingPart::showMenuState() {
  const rcon::MsgMenuState state = session_.messagingMenus();
  actions_.start->setEnabled(state.start);
  actions_.stop->setEnabled(state.stop);
  actions_.options->setEnabled(state.options);
}

}  // namespace ui
