// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: the program's name, version and a few words, and a button that starts the
// system's own information tool.
#include <QDialog>

#include "core/WindowLayout.h"
#include "ui/Services.h"

class QLabel;

namespace ui {

class AboutBox final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(AboutBox)
 public:
  explicit AboutBox(const Services& services);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* label(const char* name, const QString& caption, const QRect& place);
  void fitLabels();
  void startSystemInformation();

  Services services_;
  int lineY_ = rcon::pixelsFromTwips(2445);  // the separator lines' top
};

}  // namespace ui
