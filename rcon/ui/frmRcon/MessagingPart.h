#pragma once
#include <QObject>

namespace ui {

class frmRcon;

class MessagingPart final : public QObject {
  Q_OBJECT
 public:
  explicit MessagingPart(frmRcon& window);

 private:
  frmRcon& window_;
};

}  // namespace ui
