// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menu bar and the notification icon's pop-up menu. Each item carries its
// design name as objectName(), where tests and accessibility tools find it.
#include <QAction>
#include <QMenu>

class QMainWindow;

namespace ui {

struct FileActions {
  QAction* newDocument = nullptr;
  QAction* newWindow = nullptr;
  QAction* open = nullptr;
  QAction* save = nullptr;
  QAction* saveAs = nullptr;
  QAction* print = nullptr;
  QAction* exit = nullptr;
};

struct EditActions {
  QAction* copy = nullptr;
  QAction* selectAll = nullptr;
  QAction* find = nullptr;
  QAction* findNext = nullptr;
};

struct ServerActions {
  QAction* status = nullptr;
  QAction* sendCommand = nullptr;
  QAction* savedServers = nullptr;
  QMenu* recent = nullptr;  // filled from the saved servers' recent list
  QAction* players = nullptr;
};

struct ViewActions {
  QAction* colourCodes = nullptr;  // checkable
};

struct MessagingActions {
  QAction* start = nullptr;
  QAction* stop = nullptr;
  QAction* options = nullptr;
};

struct HelpActions {
  QAction* readme = nullptr;
  QAction* about = nullptr;
};

struct TrayActions {
  QMenu* menu = nullptr;  // never in the menu bar: the icon's pop-up menu
  QAction* restore = nullptr;
  QAction* exit = nullptr;
};

struct MainMenus {
  QMenu* file = nullptr;
  QMenu* edit = nullptr;
  QMenu* server = nullptr;
  QMenu* view = nullptr;
  QMenu* messaging = nullptr;
  QMenu* help = nullptr;
  FileActions fileActions;
  EditActions editActions;
  ServerActions serverActions;
  ViewActions viewActions;
  MessagingActions messagingActions;
  HelpActions helpActions;
  TrayActions trayActions;
};

// Fills the window's menu bar and makes the tray menu, owned by the window.
MainMenus createMainMenus(QMainWindow& window);

}  // namespace ui
