#include "ui/frmRcon/MessagingPart.h"

#include "platform/base/TickTimer.h"
#include "ui/common/PseudoModal.h"
#include "ui/frmMsgOptions/frmMsgOptions.h"
#include "ui/frmRcon/ConnectionFields.h"
#include "ui/frmRcon/frmRcon.h"

namespace ui {

MessagingPart::MessagingPart(frmRcon& window)
    : QObject(&window),
      window_(window),
      scheduler_(
          *window.services().msgTimer, [&window] { return window.fields().password(); },
          [&window](const std::string& request) { window.SendToServer(request); }) {
  const MainMenus& menus = window.menus();
  connect(menus.mnuMsgStart, &QAction::triggered, this, &MessagingPart::mnuMsgStart_Click);
  connect(menus.mnuMsgStop, &QAction::triggered, this, &MessagingPart::mnuMsgStop_Click);
  connect(menus.mnuMsgOptions, &QAction::triggered, this, &MessagingPart::mnuMsgOptions_Click);
  connect(window.services().msgTimer, &platform::TickTimer::tick, this,
          [this] { scheduler_.Tick(); });
  ShowMenuState();
}

MessagingPart::~MessagingPart() {
  scheduler_.Stop();
  if (options_) {
    // The dialog goes with the main window; it must not reach back into the closing window.
    options_->disconnect();
    delete options_.data();
  }
}

void MessagingPart::mnuMsgStart_Click() {
  scheduler_.Start(window_.modVars());
  ShowMenuState();
}

void MessagingPart::mnuMsgStop_Click() {
  scheduler_.Stop();
  ShowMenuState();
}

void MessagingPart::mnuMsgOptions_Click() {
  if (scheduler_.running()) return;
  if (options_) {
    options_->activateWindow();
    return;
  }
  options_ = new MessagingOptionsWindow(window_.modVars(), window_.services());
  showPseudoModal(options_, &window_);
}

void MessagingPart::ShowMenuState() {
  const rcon::MsgMenuState state = scheduler_.menus();
  window_.menus().mnuMsgStart->setEnabled(state.start);
  window_.menus().mnuMsgStop->setEnabled(state.stop);
  window_.menus().mnuMsgOptions->setEnabled(state.options);
}

}  // namespace ui
