#pragma once
// The About box: the program's name, version and a few words, and a button that starts the
// system's own information tool.
#include <QDialog>

#include "ui/Services.h"

class QLabel;
class QPushButton;

namespace ui {

class frmAbout final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmAbout)
 public:
  explicit frmAbout(const Services& services);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* label(const char* name, const QString& caption, const QRect& place);
  void fitLabels();
  void cmdSysInfo_Click();

  Services services_;
  int lineY_ = 2445 / 15;  // the separator lines' top
  QLabel* picIcon_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdSysInfo_ = nullptr;
};

}  // namespace ui
