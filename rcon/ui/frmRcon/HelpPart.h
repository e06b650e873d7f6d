#pragma once
#include <QObject>

namespace ui {

class frmRcon;

class HelpPart final : public QObject {
  Q_OBJECT
 public:
  explicit HelpPart(frmRcon& window);

 private:
  frmRcon& window_;
};

}  // namespace ui
