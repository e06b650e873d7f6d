#include "ui/frmRcon/HelpPart.h"

#include <QWidget>

#include "ui/common/PseudoModal.h"
#include "ui/frmAbout/frmAbout.h"
#include "ui/frmRcon/frmRcon.h"
#include "ui/frmReadme/frmReadme.h"

namespace ui {

HelpPart::HelpPart(frmRcon& window) : QObject(&window), window_(window) {
  connect(window.menus().mnuHelpReadme, &QAction::triggered, this, &HelpPart::mnuHelpReadme_Click);
  connect(window.menus().mnuHelpAbout, &QAction::triggered, this, &HelpPart::mnuHelpAbout_Click);
}

HelpPart::~HelpPart() {
  if (!open_) return;
  // The main window is going away: nothing is left to enable.
  QObject::disconnect(open_, &QObject::destroyed, nullptr, nullptr);
  delete open_;
}

void HelpPart::mnuHelpReadme_Click() {
  if (!window_.isEnabled()) return;  // another secondary window is open
  show(new ReadmeWindow(window_.services()));
}

void HelpPart::mnuHelpAbout_Click() {
  if (!window_.isEnabled()) return;
  show(new AboutBox(window_.services()));
}

void HelpPart::show(QWidget* secondary) {
  open_ = secondary;
  showPseudoModal(secondary, &window_);
}

}  // namespace ui
