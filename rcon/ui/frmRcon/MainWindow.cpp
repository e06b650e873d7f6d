// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

#include "platform/base/MessagingFile.h"
#include "platform/base/TextCodec.h"
#include "ui/common/Look.h"
#include "ui/common/SaveAsKey.h"
#include "ui/common/WindowSetup.h"
#include "ui/frmRcon/CommandHistoryKeys.h"
#include "ui/frmRcon/CompletionPart.h"
#include "ui/frmRcon/ConnectionFields.h"
#include "ui/frmRcon/ConsoleView.h"
#include "ui/frmRcon/EditPart.h"
#include "ui/frmRcon/FilesPart.h"
#include "ui/frmRcon/HelpPart.h"
#include "ui/frmRcon/MessagingPart.h"
#include "ui/frmRcon/PlayersPart.h"
#include "ui/frmRcon/ServersPart.h"
#include "ui/frmRcon/ShellPart.h"
#include "ui/frmRcon/ViewPart.h"

namespace ui {

MainWindow::MainWindow(rcon::ServerSession& session, const Services& services, QWidget* parent)
    : QMainWindow(parent), session_(session), services_(services) {
  services_.messageBox = &session_.messageBoxes();
  setUpWindow(this, "frmRcon", QStringLiteral("Vortane Remote Console"));
  createControls();
  menus_ = createMainMenus(*this);

  shell_ = std::make_unique<ShellPart>(*this, controls_, services_.tray, menus_.trayActions);
  files_ = std::make_unique<FilesPart>(session_, menus_.fileActions, services_.printer,
                                       [this] { close(); });
  edit_ = std::make_unique<EditPart>(menus_.editActions, *controls_.console, *this);
  view_ = std::make_unique<ViewPart>(menus_.viewActions, *controls_.console, services_.serversFile,
                                     *services_.messageBox);
  completion_ =
      std::make_unique<CompletionPart>(session_, *controls_.commandLine, services_.sideChannels);
  messaging_ = std::make_unique<MessagingPart>(session_, menus_.messagingActions, *this, services_);
  help_ = std::make_unique<HelpPart>(menus_.helpActions, *this, services_);
  connect(menus_.fileActions.newWindow, &QAction::triggered, this, &MainWindow::newWindowRequested);
  servers_ = std::make_unique<ServersPart>(session_, *controls_.fields, *this, services_,
                                           menus_.serverActions);
  connect(menus_.serverActions.status, &QAction::triggered, this, [this] {
    session_.requestStatus();
    servers_->fieldsUsed();
  });
  new PlayersPart(session_, menus_.serverActions.players, *this, services_);
  connect(menus_.serverActions.sendCommand, &QAction::triggered, this,
          &MainWindow::sendCommandChosen);

  session_.setEvents(this);
  startUp();
}

MainWindow::~MainWindow() {
  session_.setEvents(nullptr);
  // The parts reach into the controls; they go first.
  servers_.reset();
  help_.reset();
  messaging_.reset();
  completion_.reset();
  view_.reset();
  edit_.reset();
  files_.reset();
  shell_.reset();
}

void MainWindow::createControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  applyWindowLook(client);
  setCentralWidget(client);
  client->installEventFilter(this);
  applyWindowLook(this);
  applyMenuBarLook(menuBar());

  controls_ = createMainControls(client, session_);
  connect(controls_.commandLine, &QLineEdit::returnPressed, this, &MainWindow::commandEntered);
  reserveCtrlAForSaveAs(this);
}

void MainWindow::startUp() {
  messagingChanged();
  const QString file = platform::messagingFilePath(services_.programDir);
  session_.messaging().file = platform::PathFromQString(file);
  session_.loadMessagingList();
  // The window opens ready for the address, first box first.
  controls_.fields->octets[0]->setFocus(Qt::OtherFocusReason);
}

// Enter with an empty line hands the keyboard to the console.
void MainWindow::commandEntered() {
  if (controls_.commandLine->text().isEmpty()) {
    controls_.console->setFocus(Qt::OtherFocusReason);
    return;
  }
  sendCommandLine();
}

void MainWindow::sendCommandChosen() {
  if (!controls_.commandLine->text().isEmpty()) sendCommandLine();
}

void MainWindow::sendCommandLine() {
  const std::string command = platform::FromQString(controls_.commandLine->text());
  CommandHistoryKeys::record(*controls_.commandLine);
  controls_.commandLine->clear();
  session_.sendCommand(command);
  servers_->fieldsUsed();
}

void MainWindow::consoleAppended() { controls_.console->textAppended(); }

void MainWindow::consoleReset() { controls_.console->textReset(); }

void MainWindow::messagingChanged() {
  if (messaging_) messaging_->showMenuState();
}

void MainWindow::refused(rcon::TargetField field) {
  QLineEdit* box =
      field == rcon::TargetField::Port ? controls_.fields->port : controls_.fields->octets[0];
  box->setFocus(Qt::OtherFocusReason);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!session_.queryClose()) {
    event->ignore();
    return;
  }
  shell_->windowClosing();
  event->accept();
  emit closed();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && shell_) shell_->windowResized();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == centralWidget() && event->type() == QEvent::Resize && shell_) {
    shell_->windowResized();
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace ui
