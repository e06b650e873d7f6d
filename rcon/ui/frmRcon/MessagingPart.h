#pragma once
// The Messaging menu: starts and stops the message scheduler on the messaging timer, and opens
// the options dialog while messaging is stopped.
#include <QObject>
#include <QPointer>

#include "core/MessageScheduler.h"

namespace ui {

class frmRcon;
class MessagingOptionsWindow;

class MessagingPart final : public QObject {
  Q_OBJECT
 public:
  explicit MessagingPart(frmRcon& window);
  ~MessagingPart() override;

 private:
  void mnuMsgStart_Click();
  void mnuMsgStop_Click();
  void mnuMsgOptions_Click();
  void ShowMenuState();

  frmRcon& window_;
  rcon::MessageScheduler scheduler_;
  QPointer<MessagingOptionsWindow> options_;
};

}  // namespace ui
