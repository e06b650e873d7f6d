// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/MainMenus.h"

#include <QMainWindow>
#include <QMenuBar>

namespace ui {
namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  return action;
}

void addSeparator(QMenu* menu, const char* name) {
  menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QMenu* addMenu(QMainWindow& window, const char* name, const QString& caption) {
  QMenu* menu = window.menuBar()->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

// Items the menus have always had that are never shown and do nothing.
void addHiddenItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* hidden = addItem(menu, name, caption);
  hidden->setVisible(false);
  hidden->setEnabled(false);
}

}  // namespace

MainMenus createMainMenus(QMainWindow& window) {
  MainMenus m;
  m.file = addMenu(window, "mnuFile", QStringLiteral("&File"));
  FileActions& file = m.fileActions;
  file.newDocument = addItem(m.file, "mnuFileNew", QStringLiteral("&New"), Qt::CTRL | Qt::Key_N);
  file.newWindow = addItem(m.file, "mnuFileNewWindow", QStringLiteral("New &Window"),
                           Qt::CTRL | Qt::SHIFT | Qt::Key_N);
  file.open = addItem(m.file, "mnuFileOpen", QStringLiteral("&Open..."), Qt::CTRL | Qt::Key_O);
  addSeparator(m.file, "Hyphen1");
  file.save = addItem(m.file, "mnuFileSave", QStringLiteral("&Save"), Qt::CTRL | Qt::Key_S);
  file.saveAs =
      addItem(m.file, "mnuFileSaveAs", QStringLiteral("Save &As..."), Qt::CTRL | Qt::Key_A);
  addSeparator(m.file, "Hyphen2");
  file.print = addItem(m.file, "mnuFilePrint", QStringLiteral("&Print"), Qt::CTRL | Qt::Key_P);
  addSeparator(m.file, "Hyphen3");
  file.exit = addItem(m.file, "mnuFileExit", QStringLiteral("E&xit"));

  // Ctrl+A stays Save As: Select All has no shortcut.
  m.edit = addMenu(window, "mnuEdit", QStringLiteral("&Edit"));
  EditActions& edit = m.editActions;
  edit.copy = addItem(m.edit, "mnuEditCopy", QStringLiteral("&Copy"), Qt::CTRL | Qt::Key_C);
  edit.selectAll = addItem(m.edit, "mnuEditSelectAll", QStringLiteral("Select &All"));
  addSeparator(m.edit, "mnuEditSeparator");
  edit.find = addItem(m.edit, "mnuEditFind", QStringLiteral("&Find..."), Qt::CTRL | Qt::Key_F);
  edit.findNext = addItem(m.edit, "mnuEditFindNext", QStringLiteral("Find &Next"), Qt::Key_F3);

  m.server = addMenu(window, "mnuServ", QStringLiteral("&Server"));
  addHiddenItem(m.server, "mnuServConnect", QStringLiteral("&Connect"));
  addHiddenItem(m.server, "mnuServDisc", QStringLiteral("&Disconnect"));
  m.serverActions.status = addItem(m.server, "mnuServStatus", QStringLiteral("Get &Status"));
  m.serverActions.sendCommand =
      addItem(m.server, "mnuServRcon", QStringLiteral("Send &Rcon Command"));
  addSeparator(m.server, "mnuServSeparator");
  m.serverActions.savedServers =
      addItem(m.server, "mnuServSaved", QStringLiteral("Saved Ser&vers..."));
  m.serverActions.recent = m.server->addMenu(QStringLiteral("Rec&ent"));
  m.serverActions.recent->setObjectName(QStringLiteral("mnuServRecent"));
  m.serverActions.players = addItem(m.server, "mnuServPlayers", QStringLiteral("&Players..."));

  m.view = addMenu(window, "mnuView", QStringLiteral("&View"));
  m.viewActions.colourCodes =
      addItem(m.view, "mnuViewColourCodes", QStringLiteral("Colour &Codes"));
  m.viewActions.colourCodes->setCheckable(true);

  m.messaging = addMenu(window, "mnuMsg", QStringLiteral("&Messaging"));
  m.messagingActions.start = addItem(m.messaging, "mnuMsgStart", QStringLiteral("&Start"));
  m.messagingActions.stop = addItem(m.messaging, "mnuMsgStop", QStringLiteral("S&top"));
  m.messagingActions.options = addItem(m.messaging, "mnuMsgOptions", QStringLiteral("&Options..."));

  m.help = addMenu(window, "mnuHelp", QStringLiteral("&Help"));
  addHiddenItem(m.help, "mnuHelpManual", QStringLiteral("&Manual"));
  m.helpActions.readme = addItem(m.help, "mnuHelpReadme", QStringLiteral("&Readme"));
  addSeparator(m.help, "Hyphen4");
  m.helpActions.about = addItem(m.help, "mnuHelpAbout", QStringLiteral("&About..."));

  TrayActions& tray = m.trayActions;
  tray.menu = new QMenu(QStringLiteral("SysTray"), &window);
  tray.menu->setObjectName(QStringLiteral("mnuSysTray"));
  tray.restore = addItem(tray.menu, "mnuSysRestore", QStringLiteral("&Restore"));
  addSeparator(tray.menu, "Hyphen5");
  tray.exit = addItem(tray.menu, "mnuSysExit", QStringLiteral("E&xit"));
  return m;
}

}  // namespace ui
