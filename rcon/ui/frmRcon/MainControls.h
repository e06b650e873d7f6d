// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's controls: the console, the command line, the connection fields, their
// labels and frames. Each carries its design name as objectName().
#include <QLabel>
#include <QLineEdit>
#include <array>

namespace rcon {
class ServerSession;
class ConsoleBuffer;
}  // namespace rcon

namespace ui {

class ConnectionFields;
class ConsoleView;
class Shape;

struct MainControls {
  ConsoleView* console = nullptr;
  QLineEdit* commandLine = nullptr;
  ConnectionFields* fields = nullptr;
  QLabel* commandLabel = nullptr;
  QLabel* addressLabel = nullptr;
  QLabel* portLabel = nullptr;
  QLabel* passwordLabel = nullptr;
  std::array<QLabel*, 3> dots{};
  QLabel* titleLabel = nullptr;
  QLabel* howToLabel = nullptr;
  Shape* consoleFrame = nullptr;
  Shape* commandFrame = nullptr;
  Shape* addressFrame = nullptr;
  Shape* portFrame = nullptr;
  Shape* passwordFrame = nullptr;
};

// Makes the controls on the window's client area, in the tab order the window uses.
MainControls createMainControls(QWidget* client, rcon::ServerSession& session);

}  // namespace ui
