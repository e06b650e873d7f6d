// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Help menu: the read-me viewer and the About box, each shown while the main window waits.
#include <QObject>
#include <QPointer>

#include "ui/Services.h"
#include "ui/frmRcon/MainMenus.h"

class QWidget;

namespace ui {

class HelpPart final : public QObject {
  Q_OBJECT
 public:
  HelpPart(const HelpActions& actions, QWidget& mainWindow, const Services& services);
  // An open help window goes with the main window.
  ~HelpPart() override;

 private:
  void show(QWidget* secondary);

  QWidget& mainWindow_;
  const Services& services_;
  QPointer<QWidget> open_;
};

}  // namespace ui
