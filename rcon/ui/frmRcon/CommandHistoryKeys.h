// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Up and Down in the command line browse the commands sent in this run, as a shell does.
#include <QLineEdit>
#include <QObject>

#include "core/CommandHistory.h"

namespace ui {

class CommandHistoryKeys final : public QObject {
  Q_OBJECT
 public:
  // Watches line's keys; lives as long as the line does.
  explicit CommandHistoryKeys(QLineEdit& line);

  // Keeps the line's text as a command sent; call it before the line is cleared.
  static void record(QLineEdit& line);
  // The commands kept for a line; null when the line has no history keys.
  static const rcon::CommandHistory* historyOf(const QLineEdit& line);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit& line_;
  rcon::CommandHistory history_;
};

}  // namespace ui
