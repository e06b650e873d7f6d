#pragma once
// The Help menu: the read-me viewer and the About box, each shown while the main window waits.
#include <QObject>
#include <QPointer>

class QWidget;

namespace ui {

class frmRcon;

class HelpPart final : public QObject {
  Q_OBJECT
 public:
  explicit HelpPart(frmRcon& window);
  // An open help window goes with the main window.
  ~HelpPart() override;

 private:
  void mnuHelpReadme_Click();
  void mnuHelpAbout_Click();
  void show(QWidget* secondary);

  frmRcon& window_;
  QPointer<QWidget> open_;
};

}  // namespace ui
