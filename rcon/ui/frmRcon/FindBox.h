// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Edit > Find...: a small box in the program's look that asks what to find in the console, with
// match case and a direction. It only gathers the question; the Edit menu's part answers it.
#include <QWidget>

#include "core/TextSearch.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

class FindBox final : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(FindBox)
 public:
  explicit FindBox(QWidget* mainWindow);

  QString needle() const;
  rcon::SearchOptions options() const;
  // Shows the box with its text selected, ready for a new one.
  void open();
  // A line under the buttons: where the search went round, or that nothing was found.
  void setResult(const QString& text);

 signals:
  void findNextRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLineEdit* what_;
  QCheckBox* matchCase_;
  QRadioButton* up_;
  QRadioButton* down_;
  QPushButton* findNext_;
  QLabel* result_;
};

}  // namespace ui
