#pragma once
// The main window: console, command line, connection fields and the menus that reach the rest
// of the program. Subsystems hang off it as parts, each in files of its own.
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <memory>
#include <string>

#include "core/Console.h"
#include "core/MessagingSettings.h"
#include "core/ReplyHandler.h"
#include "ui/Services.h"
#include "ui/common/MessageBoxGate.h"

namespace ui {

class ConnectionFields;
class ConsoleView;
class MessagingPart;
class FilesPart;
class HelpPart;
class ShellPart;
class Shape;

struct MainMenus {
  QMenu* mnuFile = nullptr;
  QAction* mnuFileNew = nullptr;
  QAction* mnuFileOpen = nullptr;
  QAction* mnuFileSave = nullptr;
  QAction* mnuFileSaveAs = nullptr;
  QAction* mnuFilePrint = nullptr;
  QAction* mnuFileExit = nullptr;
  QMenu* mnuServ = nullptr;
  QAction* mnuServConnect = nullptr;
  QAction* mnuServDisc = nullptr;
  QAction* mnuServStatus = nullptr;
  QAction* mnuServRcon = nullptr;
  QMenu* mnuMsg = nullptr;
  QAction* mnuMsgStart = nullptr;
  QAction* mnuMsgStop = nullptr;
  QAction* mnuMsgOptions = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuHelpManual = nullptr;
  QAction* mnuHelpReadme = nullptr;
  QAction* mnuHelpAbout = nullptr;
  QMenu* mnuSysTray = nullptr;  // never in the menu bar: the notification icon's pop-up menu
  QAction* mnuSysRestore = nullptr;
  QAction* mnuSysExit = nullptr;
};

struct MainControls {
  ConsoleView* txtReceive = nullptr;
  QLineEdit* txtSend = nullptr;
  QLabel* lblSend = nullptr;
  QLabel* lblIP = nullptr;
  QLabel* lblPort = nullptr;
  QLabel* lblPass = nullptr;
  QLabel* lblDot[3] = {};
  QLabel* lblTitle = nullptr;
  QLabel* lblHowTo = nullptr;
  Shape* shpReceive = nullptr;
  Shape* shpSend = nullptr;
  Shape* shpIP = nullptr;
  Shape* shpPort = nullptr;
  Shape* shpPass = nullptr;
};

class frmRcon final : public QMainWindow {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmRcon)
 public:
  explicit frmRcon(const Services& services, QWidget* parent = nullptr);
  ~frmRcon() override;

  // The one way a request leaves the program: refreshes the address and port from the fields,
  // refuses an unset or invalid destination with a message box, else sends one datagram.
  void SendToServer(const std::string& request);

  // The one way text enters the console: at the end, the view following it.
  void ConsoleAppend(std::string_view text);

  const Services& services() const { return services_; }
  const MainMenus& menus() const { return menus_; }
  const MainControls& controls() const { return controls_; }
  ConnectionFields& fields() { return *fields_; }
  rcon::Console& console() { return console_; }
  rcon::MessagingSettings& modVars() { return modVars_; }
  const std::string& strCommand() const { return strCommand_; }
  QWidget* clientArea() const { return centralWidget(); }

  // Lets the close of the window go through the save-first prompt (File > Exit, tray Exit).
  void requestClose() { close(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void createMenus();
  void Form_Load();
  void RebuildCommand();
  void txtSend_KeyPressEnter();
  void mnuServRcon_Click();
  void mnuServStatus_Click();
  void wskServer_DataArrival();

  MessageBoxGate messageBoxes_;
  Services services_;  // as given, but message boxes go through messageBoxes_
  MainMenus menus_;
  MainControls controls_;
  ConnectionFields* fields_ = nullptr;
  rcon::Console console_;
  rcon::ReplyHandler replies_;
  rcon::MessagingSettings modVars_;
  std::string strCommand_;
  QElapsedTimer clock_;

  std::unique_ptr<ShellPart> shell_;
  std::unique_ptr<FilesPart> files_;
  std::unique_ptr<MessagingPart> messaging_;
  std::unique_ptr<HelpPart> help_;
};

}  // namespace ui
