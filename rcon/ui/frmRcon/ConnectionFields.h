// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The connection fields of the main window: four octet boxes, the port and the password. Their
// texts go to the session as they change; the session reads them at every send. The rules live
// in the core; this wires focus and keys: Enter walks the chain octets, port, password, command
// line; a box that gets the focus selects its whole text; an octet box left for another control
// of the main window is checked and tidied.
#include <QLineEdit>
#include <QObject>
#include <array>

#include "core/ServerSession.h"

namespace ui {

class ConnectionFields final : public QObject {
  Q_OBJECT
 public:
  ConnectionFields(QWidget* window, rcon::ServerSession& session, QLineEdit* commandLine);

  std::array<QLineEdit*, 4> octets{};
  QLineEdit* port = nullptr;
  QLineEdit* password = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void octetChanged(std::size_t index);
  void octetLeft(std::size_t index);
  void onFocusChanged(QWidget* old, QWidget* now);

  QWidget* window_;  // any widget of the main window
  rcon::ServerSession& session_;
  bool checking_ = false;  // an octet check (and its message box) is under way
  bool tidying_ = false;   // the check itself rewrites the text: no focus advance
};

}  // namespace ui
