// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: a view of one server session. It maps the user's keys and menu choices to
// session calls and the session's events to its widgets; the subsystems hang off it as parts,
// each given only what it uses.
#include <QMainWindow>
#include <memory>

#include "core/ServerSession.h"
#include "ui/Services.h"
#include "ui/frmRcon/MainControls.h"
#include "ui/frmRcon/MainMenus.h"

namespace ui {

class CompletionPart;
class EditPart;
class FilesPart;
class HelpPart;
class MessagingPart;
class ServersPart;
class ShellPart;
class ViewPart;

class MainWindow final : public QMainWindow, private rcon::SessionEvents {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(MainWindow)
 public:
  MainWindow(rcon::ServerSession& session, const Services& services, QWidget* parent = nullptr);
  ~MainWindow() override;

 signals:
  // File > New Window: the owner opens another window with a session of its own.
  void newWindowRequested();
  // The window closed for good (its save-first prompt let it).
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void startUp();
  void commandEntered();
  void sendCommandChosen();
  void sendCommandLine();

  // rcon::SessionEvents
  void consoleAppended() override;
  void consoleReset() override;
  void messagingChanged() override;
  void refused(rcon::TargetField field) override;

  rcon::ServerSession& session_;
  Services services_;  // as given, but message boxes go through the session's gate
  MainMenus menus_;
  MainControls controls_;

  std::unique_ptr<ShellPart> shell_;
  std::unique_ptr<FilesPart> files_;
  std::unique_ptr<EditPart> edit_;
  std::unique_ptr<ViewPart> view_;
  std::unique_ptr<CompletionPart> completion_;
  std::unique_ptr<MessagingPart> messaging_;
  std::unique_ptr<HelpPart> help_;
  std::unique_ptr<ServersPart> servers_;
};

}  // namespace ui
