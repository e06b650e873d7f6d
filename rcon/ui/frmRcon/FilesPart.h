#pragma once
#include <QObject>

namespace ui {

class frmRcon;

class FilesPart final : public QObject {
  Q_OBJECT
 public:
  explicit FilesPart(frmRcon& window);

  // The save-first prompt of closing the window; false keeps the window open.
  bool Form_QueryUnload();

 private:
  frmRcon& window_;
};

}  // namespace ui
