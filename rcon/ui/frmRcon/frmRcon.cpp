#include "ui/frmRcon/frmRcon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QMenuBar>

#include "core/Protocol.h"
#include "core/TextFile.h"
#include "platform/base/TextCodec.h"
#include "platform/base/UdpSocket.h"
#include "ui/common/Look.h"
#include "ui/frmRcon/CommandHistoryKeys.h"
#include "ui/frmRcon/ConnectionFields.h"
#include "ui/frmRcon/ConsoleView.h"
#include "ui/frmRcon/FilesPart.h"
#include "ui/frmRcon/HelpPart.h"
#include "ui/frmRcon/MessagingPart.h"
#include "ui/frmRcon/ShellPart.h"

// The icons live in the program's resources, which a static library does not register itself.
static void RegisterResources() { Q_INIT_RESOURCE(resources); }

namespace ui {

frmRcon::frmRcon(const Services& services, QWidget* parent)
    : QMainWindow(parent), messageBoxes_(*services.messageBox), services_(services) {
  services_.messageBox = &messageBoxes_;
  RegisterResources();
  setObjectName(QStringLiteral("frmRcon"));
  setWindowTitle(QStringLiteral("Vortane Remote Console"));
  setWindowIcon(QIcon(QStringLiteral(":/vortane-rcon.png")));
  clock_.start();
  createControls();
  createMenus();

  shell_ = std::make_unique<ShellPart>(*this);
  files_ = std::make_unique<FilesPart>(*this);
  messaging_ = std::make_unique<MessagingPart>(*this);
  help_ = std::make_unique<HelpPart>(*this);

  connect(services_.socket, &platform::UdpSocket::datagramsWaiting, this,
          &frmRcon::wskServer_DataArrival);
  Form_Load();
}

frmRcon::~frmRcon() = default;

void frmRcon::createControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  applyWindowLook(client);
  setCentralWidget(client);
  client->installEventFilter(this);
  applyWindowLook(this);
  // The menu bar keeps the desktop's own look.
  applyMenuBarLook(menuBar());

  // Frames first, so that the boxes they frame are drawn over them.
  controls_.shpReceive = new Shape(client);
  controls_.shpSend = new Shape(client);
  controls_.shpIP = new Shape(client, true);
  controls_.shpPort = new Shape(client);
  controls_.shpPass = new Shape(client);
  controls_.shpReceive->setObjectName(QStringLiteral("shpReceive"));
  controls_.shpSend->setObjectName(QStringLiteral("shpSend"));
  controls_.shpIP->setObjectName(QStringLiteral("shpIP"));
  controls_.shpPort->setObjectName(QStringLiteral("shpPort"));
  controls_.shpPass->setObjectName(QStringLiteral("shpPass"));

  auto label = [client](const char* name, const QString& caption, Qt::Alignment align) {
    auto* l = new QLabel(caption, client);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(align);
    return l;
  };
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
  controls_.lblSend = label("lblSend", QStringLiteral("Command:"), right);
  controls_.lblIP = label("lblIP", QStringLiteral("IP Address:"), right);
  controls_.lblPort = label("lblPort", QStringLiteral("Server Port:"), right);
  controls_.lblPass = label("lblPass", QStringLiteral("Rcon Password:"), right);
  controls_.lblTitle = label("lblTitle", QStringLiteral("Instructions on use:"), left);
  controls_.lblHowTo = label("lblHowTo",
                             QStringLiteral("This program is intended for the purpose of being a "
                                            "remote server management tool.  Enter the appropriate "
                                            "information, and then press enter immediately after "
                                            "typing your command."),
                             left);
  controls_.lblHowTo->setWordWrap(true);

  controls_.txtReceive = new ConsoleView(console_.buffer, client);
  controls_.txtReceive->setObjectName(QStringLiteral("txtReceive"));
  controls_.txtSend = new QLineEdit(client);
  controls_.txtSend->setObjectName(QStringLiteral("txtSend"));
  new CommandHistoryKeys(*controls_.txtSend);  // owned by txtSend
  fields_ = new ConnectionFields(this, *services_.messageBox, controls_.txtSend);
  for (QLineEdit* box : fields_->txtIP) box->setParent(client);
  fields_->txtPort->setParent(client);
  fields_->txtPass->setParent(client);
  for (int i = 0; i < 3; ++i) {
    controls_.lblDot[i] = label(QStringLiteral("lblDot%1").arg(i + 1).toLatin1().constData(),
                                QStringLiteral("."), Qt::AlignLeft | Qt::AlignBottom);
  }
  // The dots sit on the black fill behind the octet boxes.
  for (QLabel* dot : controls_.lblDot) dot->raise();

  // Tab order: the four octets, port, password, command line, console.
  QWidget* order[] = {fields_->txtIP[0], fields_->txtIP[1],   fields_->txtIP[2],
                      fields_->txtIP[3], fields_->txtPort,    fields_->txtPass,
                      controls_.txtSend, controls_.txtReceive};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

  connect(controls_.txtSend, &QLineEdit::textChanged, this, &frmRcon::RebuildCommand);
  // The command always goes out with the password shown.
  connect(fields_, &ConnectionFields::passwordChanged, this, &frmRcon::RebuildCommand);
  connect(controls_.txtSend, &QLineEdit::returnPressed, this, &frmRcon::txtSend_KeyPressEnter);

  // Menu shortcuts win over the text boxes' own (Ctrl+A is Save As here, not select-all).
  for (QLineEdit* box : findChildren<QLineEdit*>()) box->installEventFilter(this);
}

void frmRcon::createMenus() {
  MainMenus& m = menus_;
  auto item = [this](QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
  };
  auto separator = [](QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
  };

  m.mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  m.mnuFile->setObjectName(QStringLiteral("mnuFile"));
  m.mnuFileNew =
      item(m.mnuFile, "mnuFileNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
  m.mnuFileOpen = item(m.mnuFile, "mnuFileOpen", QStringLiteral("&Open..."),
                       QKeySequence(Qt::CTRL | Qt::Key_O));
  separator(m.mnuFile, "Hyphen1");
  m.mnuFileSave =
      item(m.mnuFile, "mnuFileSave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
  m.mnuFileSaveAs = item(m.mnuFile, "mnuFileSaveAs", QStringLiteral("Save &As..."),
                         QKeySequence(Qt::CTRL | Qt::Key_A));
  separator(m.mnuFile, "Hyphen2");
  m.mnuFilePrint =
      item(m.mnuFile, "mnuFilePrint", QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
  separator(m.mnuFile, "Hyphen3");
  m.mnuFileExit = item(m.mnuFile, "mnuFileExit", QStringLiteral("E&xit"));

  m.mnuServ = menuBar()->addMenu(QStringLiteral("&Server"));
  m.mnuServ->setObjectName(QStringLiteral("mnuServ"));
  m.mnuServConnect = item(m.mnuServ, "mnuServConnect", QStringLiteral("&Connect"));
  m.mnuServDisc = item(m.mnuServ, "mnuServDisc", QStringLiteral("&Disconnect"));
  m.mnuServStatus = item(m.mnuServ, "mnuServStatus", QStringLiteral("Get &Status"));
  m.mnuServRcon = item(m.mnuServ, "mnuServRcon", QStringLiteral("Send &Rcon Command"));

  m.mnuMsg = menuBar()->addMenu(QStringLiteral("&Messaging"));
  m.mnuMsg->setObjectName(QStringLiteral("mnuMsg"));
  m.mnuMsgStart = item(m.mnuMsg, "mnuMsgStart", QStringLiteral("&Start"));
  m.mnuMsgStop = item(m.mnuMsg, "mnuMsgStop", QStringLiteral("S&top"));
  m.mnuMsgOptions = item(m.mnuMsg, "mnuMsgOptions", QStringLiteral("&Options..."));

  m.mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
  m.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  m.mnuHelpManual = item(m.mnuHelp, "mnuHelpManual", QStringLiteral("&Manual"));
  m.mnuHelpReadme = item(m.mnuHelp, "mnuHelpReadme", QStringLiteral("&Readme"));
  separator(m.mnuHelp, "Hyphen4");
  m.mnuHelpAbout = item(m.mnuHelp, "mnuHelpAbout", QStringLiteral("&About..."));

  m.mnuSysTray = new QMenu(QStringLiteral("SysTray"), this);
  m.mnuSysTray->setObjectName(QStringLiteral("mnuSysTray"));
  m.mnuSysRestore = item(m.mnuSysTray, "mnuSysRestore", QStringLiteral("&Restore"));
  separator(m.mnuSysTray, "Hyphen5");
  m.mnuSysExit = item(m.mnuSysTray, "mnuSysExit", QStringLiteral("E&xit"));

  // Items that exist but are never shown and do nothing.
  for (QAction* hidden : {m.mnuServConnect, m.mnuServDisc, m.mnuHelpManual}) {
    hidden->setVisible(false);
    hidden->setEnabled(false);
  }

  connect(m.mnuServStatus, &QAction::triggered, this, &frmRcon::mnuServStatus_Click);
  connect(m.mnuServRcon, &QAction::triggered, this, &frmRcon::mnuServRcon_Click);
}

void frmRcon::Form_Load() {
  menus_.mnuMsgStop->setEnabled(false);
  RebuildCommand();
  const QString file = QDir::toNativeSeparators(services_.programDir + QDir::separator() +
                                                QString::fromLatin1(rcon::kMessagingFileName));
  modVars_.file = platform::PathFromQString(file);
  // A missing or unreadable list is an empty one; the program runs on.
  rcon::ReadResult list = services_.files->read(modVars_.file, rcon::kMaxOpenBytes);
  modVars_.text = list.ok() ? std::move(list.bytes) : std::string();
  modVars_.intervalText = "2";
  modVars_.seconds = 120;
  modVars_.unitSeconds = 60;
  // The window opens ready for the address, first box first.
  fields_->txtIP[0]->setFocus(Qt::OtherFocusReason);
}

void frmRcon::RebuildCommand() {
  strCommand_ =
      rcon::RconRequest(fields_->password(), platform::FromQString(controls_.txtSend->text()));
}

void frmRcon::SendToServer(const std::string& request) {
  fields_->GetServerAddress();
  fields_->GetServerPort();
  const rcon::ServerAddress& address = fields_->address();
  const std::int64_t port = fields_->port();
  const rcon::Destination destination = rcon::CheckDestination(address, port);
  if (destination != rcon::Destination::Valid) {
    // While a box is on screen (messaging ticks keep coming), further refusals count as shown.
    if (messageBoxes_.anyOpen()) return;
    messageBoxes_.show(
        {std::string(rcon::RefusalText(destination)), std::string(rcon::kMainTitle)});
    QLineEdit* focus =
        destination == rcon::Destination::InvalidPort ? fields_->txtPort : fields_->txtIP[0];
    focus->setFocus(Qt::OtherFocusReason);
    return;
  }
  const rcon::SendResult sent = services_.socket->send(
      address.strServerIP, static_cast<std::uint16_t>(port), rcon::MakeDatagram(request));
  if (!sent.ok && !messageBoxes_.anyOpen()) {
    messageBoxes_.show({"Could not send to " + address.strServerIP + " port " +
                            std::to_string(port) + ": " + sent.error,
                        std::string(rcon::kMainTitle)});
  }
}

void frmRcon::ConsoleAppend(std::string_view text) {
  if (text.empty()) return;
  console_.append(text);
  controls_.txtReceive->textAppended();
}

void frmRcon::txtSend_KeyPressEnter() {
  if (controls_.txtSend->text().isEmpty()) {
    controls_.txtReceive->setFocus(Qt::OtherFocusReason);
    return;
  }
  const std::string request = strCommand_;
  CommandHistoryKeys::Record(*controls_.txtSend);
  controls_.txtSend->clear();
  SendToServer(request);
}

void frmRcon::mnuServRcon_Click() {
  if (controls_.txtSend->text().isEmpty()) return;
  const std::string request = strCommand_;
  CommandHistoryKeys::Record(*controls_.txtSend);
  controls_.txtSend->clear();
  SendToServer(request);
}

void frmRcon::mnuServStatus_Click() { SendToServer(std::string(rcon::kStatusRequest)); }

void frmRcon::wskServer_DataArrival() {
  // Drain everything waiting and append it in one go: one console insertion per wake-up keeps
  // up with bursts that one insertion per datagram cannot.
  std::vector<std::string> pieces;
  for (const platform::ReceivedDatagram& datagram : services_.socket->drain()) {
    replies_.onDatagram(datagram.bytes, datagram.sender, clock_.elapsed(), pieces);
  }
  std::size_t total = 0;
  for (const std::string& piece : pieces) total += piece.size();
  std::string text;
  text.reserve(total);
  for (const std::string& piece : pieces) text += piece;
  ConsoleAppend(text);
}

void frmRcon::closeEvent(QCloseEvent* event) {
  if (!files_->Form_QueryUnload()) {
    event->ignore();
    return;
  }
  shell_->Form_Unload();
  event->accept();
}

void frmRcon::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) shell_->Form_Resize();
}

bool frmRcon::eventFilter(QObject* watched, QEvent* event) {
  if (watched == centralWidget() && event->type() == QEvent::Resize) {
    shell_->Form_Resize();
  } else if (event->type() == QEvent::ShortcutOverride) {
    // A text box would take Ctrl+A for itself; the menu's shortcut comes first.
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_A) {
      event->ignore();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace ui
