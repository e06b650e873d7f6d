// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The read-me viewer: Readme.txt from the program's folder (else, installed, from the package's
// document folder) in a read-only console-styled box.
#include <QDialog>

#include "ui/Services.h"

class QPlainTextEdit;

namespace ui {

class ReadmeWindow final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(ReadmeWindow)
 public:
  explicit ReadmeWindow(const Services& services);

  // Shown when the file is missing or cannot be read.
  static constexpr char kUnreadable[] = "Readme.txt could not be read.";

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void loadReadme(const Services& services);

  QPlainTextEdit* text_ = nullptr;
};

}  // namespace ui
