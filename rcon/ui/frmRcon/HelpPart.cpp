// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/HelpPart.h"

#include <QWidget>

#include "ui/common/PseudoModal.h"
#include "ui/frmAbout/frmAbout.h"
#include "ui/frmReadme/frmReadme.h"

namespace ui {

HelpPart::HelpPart(const HelpActions& actions, QWidget& mainWindow, const Services& services)
    : mainWindow_(mainWindow), services_(services) {
  // While another secondary window is open the main window is disabled: nothing opens.
  connect(actions.readme, &QAction::triggered, this, [this] {
    if (mainWindow_.isEnabled()) show(new ReadmeWindow(services_));
  });
  connect(actions.about, &QAction::triggered, this, [this] {
    if (mainWindow_.isEnabled()) show(new AboutBox(services_));
  });
}

HelpPart::~HelpPart() {
  if (!open_) return;
  // The main window is going away: nothing is left to enable.
  QObject::disconnect(open_, &QObject::destroyed, nullptr, nullptr);
  delete open_;
}

void HelpPart::show(QWidget* secondary) {
  open_ = secondary;
  showPseudoModal(secondary, &mainWindow_);
}

}  // namespace ui
