// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmPlayers/PlayersWindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/ColourCodes.h"
#include "core/Protocol.h"
#include "core/StatusTable.h"
#include "platform/base/TextCodec.h"
#include "ui/common/Look.h"
#include "ui/common/WindowSetup.h"
#include "ui/frmPlayers/NameDelegate.h"
#include "ui/frmPlayers/PlayersModel.h"

namespace ui {

PlayersWindow::PlayersWindow(QWidget* mainWindow, rcon::ServerSession& session,
                             const Services& services,
                             std::unique_ptr<rcon::RequestChannel> channel,
                             std::unique_ptr<rcon::Timer> timer)
    : QWidget(mainWindow, kToolWindowFlags),
      session_(session),
      services_(services),
      channel_(std::move(channel)),
      timer_(std::move(timer)) {
  setUpWindow(this, "frmPlayers", QStringLiteral("Players"));
  applyWindowLook(this);
  createControls();
  timer_->setTickHandler([this] { refresh(); });
  resize(620, 380);
}

PlayersWindow::~PlayersWindow() { timer_->setInterval(0); }

void PlayersWindow::createControls() {
  model_ = new PlayersModel(this);
  proxy_ = new QSortFilterProxyModel(this);
  proxy_->setSourceModel(model_);
  proxy_->setSortRole(PlayersModel::kSortRole);
  proxy_->setFilterKeyColumn(PlayersModel::PlainName);
  proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);

  filter_ = new QLineEdit(this);
  filter_->setObjectName(QStringLiteral("txtFilter"));
  filter_->setPlaceholderText(QStringLiteral("Filter by name"));
  applyBoxLook(filter_);
  connect(filter_, &QLineEdit::textChanged, proxy_, &QSortFilterProxyModel::setFilterFixedString);

  interval_ = new QSpinBox(this);
  interval_->setObjectName(QStringLiteral("spnInterval"));
  interval_->setRange(2, 600);
  interval_->setValue(kDefaultIntervalSeconds);
  interval_->setSuffix(QStringLiteral(" s"));
  interval_->setAccessibleName(QStringLiteral("Refresh interval"));
  applyBoxLook(interval_);
  connect(interval_, &QSpinBox::valueChanged, this, &PlayersWindow::restartTimer);

  pause_ = new QToolButton(this);
  pause_->setObjectName(QStringLiteral("cmdPause"));
  pause_->setText(QStringLiteral("&Pause"));
  pause_->setCheckable(true);
  connect(pause_, &QToolButton::toggled, this, [this] { restartTimer(); });

  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("lstPlayers"));
  table_->setModel(proxy_);
  table_->setItemDelegateForColumn(PlayersModel::Name, new NameDelegate(table_));
  table_->setSortingEnabled(true);
  table_->sortByColumn(PlayersModel::Slot, Qt::AscendingOrder);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);
  applyBoxLook(table_);
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &PlayersWindow::updateActions);

  state_ = new QLabel(this);
  state_->setObjectName(QStringLiteral("lblState"));
  state_->setWordWrap(true);

  auto* top = new QHBoxLayout;
  top->addWidget(filter_, 1);
  top->addWidget(interval_);
  top->addWidget(pause_);
  auto* buttons = new QHBoxLayout;
  kick_ = addAction("mnuPlayerKick", QStringLiteral("&Kick"), "cmdKick");
  ban_ = addAction("mnuPlayerBan", QStringLiteral("&Ban"), "cmdBan");
  tell_ = addAction("mnuPlayerTell", QStringLiteral("&Tell..."), "cmdTell");
  copyName_ = addAction("mnuPlayerCopyName", QStringLiteral("Copy &Name"), "cmdCopyName");
  copyAddress_ =
      addAction("mnuPlayerCopyAddress", QStringLiteral("Copy &Address"), "cmdCopyAddress");
  for (QAction* action : table_->actions()) {
    auto* button = new QToolButton(this);
    button->setObjectName(action->property("buttonName").toString());
    button->setDefaultAction(action);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  layout->addWidget(state_);

  connect(kick_, &QAction::triggered, this, [this] { act(rcon::PlayerAction::Kick); });
  connect(ban_, &QAction::triggered, this, [this] { act(rcon::PlayerAction::Ban); });
  connect(tell_, &QAction::triggered, this, &PlayersWindow::askTellText);
  connect(copyName_, &QAction::triggered, this, [this] {
    QStringList names;
    for (const rcon::PlayerRow& p : selected()) names << platform::ToQString(p.name);
    QGuiApplication::clipboard()->setText(names.join(QLatin1Char('\n')));
  });
  connect(copyAddress_, &QAction::triggered, this, [this] {
    QStringList addresses;
    for (const rcon::PlayerRow& p : selected()) {
      if (p.address) addresses << platform::ToQString(rcon::plainText(*p.address));
    }
    QGuiApplication::clipboard()->setText(addresses.join(QLatin1Char('\n')));
  });
  updateActions();
}

QAction* PlayersWindow::addAction(const char* objectName, const QString& text,
                                  const char* buttonName) {
  auto* action = new QAction(text, this);
  action->setObjectName(QString::fromLatin1(objectName));
  action->setProperty("buttonName", QString::fromLatin1(buttonName));
  table_->addAction(action);
  return action;
}

void PlayersWindow::open() {
  show();
  raise();
  activateWindow();
  refresh();
  restartTimer();
}

void PlayersWindow::hideEvent(QHideEvent* event) {
  timer_->setInterval(0);  // no traffic for a list nobody sees
  QWidget::hideEvent(event);
}

void PlayersWindow::restartTimer() {
  const bool running = isVisible() && !pause_->isChecked();
  timer_->setInterval(running ? std::uint32_t(interval_->value()) * 1000U : 0U);
}

void PlayersWindow::refresh() {
  if (pause_->isChecked() || channel_->busy()) return;  // never a second request in flight
  const std::optional<rcon::ServerSession::Target> target = session_.target();
  if (!target) {
    showState(QStringLiteral("Enter the server's address and port in the main window."));
    return;
  }
  if (target != target_) {  // another server, or another password: start afresh
    target_ = target;
    statusOnly_ = false;
    model_->clear();
  }
  const bool status = statusOnly_ || target->password.empty();
  const std::string request =
      status ? std::string(rcon::kStatusRequest) : rcon::rconRequest(target->password, "status");
  channel_->request(target->host, target->port, request,
                    [this, status](const rcon::SideAnswer& answer) { answered(answer, status); });
}

void PlayersWindow::answered(const rcon::SideAnswer& answer, bool status) {
  const QString server =
      QString::fromStdString(target_->host) + QLatin1Char(':') + QString::number(target_->port);
  if (answer.outcome == rcon::SideAnswer::Outcome::SendFailed) {
    showState(
        QStringLiteral("Could not ask %1: %2").arg(server, platform::ToQString(answer.error)));
    return;
  }
  if (answer.outcome == rcon::SideAnswer::Outcome::Timeout) {
    showState(QStringLiteral("No answer from %1; the list is as it was.").arg(server));
    return;
  }
  if (!status && rcon::isPasswordRefusal(answer.text)) {
    statusOnly_ = true;  // the next refresh asks for the status reply instead
    showState(
        QStringLiteral("The server refused the password; the list comes from the status "
                       "reply until the password changes."));
    why_ = QStringLiteral(
        "The server refused the password: players have no slot or address, "
        "so Kick, Ban and Tell are off.");
    updateActions();
    return;
  }
  const rcon::StatusTable table =
      status ? rcon::playersFromStatusReply(answer.text) : rcon::parseStatusOutput(answer.text);
  model_->update(table.players);
  why_.clear();
  if (status) {
    why_ = target_->password.empty()
               ? QStringLiteral(
                     "Without the password the list comes from the status reply: "
                     "players have no slot or address, so Kick, Ban and Tell are off.")
               : QStringLiteral(
                     "The server refused the password: players have no slot or "
                     "address, so Kick, Ban and Tell are off.");
  }
  QString text = QStringLiteral("%1 player(s)").arg(table.players.size());
  if (!table.map.empty()) text += QStringLiteral(" on ") + platform::ToQString(table.map);
  if (!table.unread.empty()) {
    text += QStringLiteral("; %1 line(s) not read, the first: ").arg(table.unread.size()) +
            platform::ToQString(table.unread.front());
  }
  showState(text);
  updateActions();
}

void PlayersWindow::showState(const QString& text) {
  state_->setText(why_.isEmpty() ? text : text + QLatin1Char('\n') + why_);
}

std::vector<rcon::PlayerRow> PlayersWindow::selected() const {
  std::vector<rcon::PlayerRow> players;
  for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
    players.push_back(model_->player(proxy_->mapToSource(index).row()));
  }
  return players;
}

const rcon::ServerOptions* PlayersWindow::serverOptions() {
  saved_.reset();
  if (services_.serversFile == nullptr || !target_) return nullptr;
  const rcon::ServersLoad load = services_.serversFile->load();
  for (const rcon::SavedServer& server : load.servers.servers()) {
    if (server.host == target_->host && server.port == target_->port) {
      saved_ = server;
      return &saved_->options;
    }
  }
  return nullptr;
}

void PlayersWindow::updateActions() {
  const std::vector<rcon::PlayerRow> players = selected();
  const rcon::ServerOptions* options = serverOptions();
  const auto fits = [&](rcon::PlayerAction action) {
    if (players.empty() || !why_.isEmpty()) return false;
    const std::string pattern = rcon::actionTemplate(action, options);
    for (const rcon::PlayerRow& p : players) {
      if (!rcon::fillTemplate(pattern, p, "x")) return false;
    }
    return true;
  };
  kick_->setEnabled(fits(rcon::PlayerAction::Kick));
  ban_->setEnabled(fits(rcon::PlayerAction::Ban));
  tell_->setEnabled(fits(rcon::PlayerAction::Tell));
  copyName_->setEnabled(!players.empty());
  bool addresses = !players.empty();
  for (const rcon::PlayerRow& p : players) addresses = addresses && p.ip().has_value();
  copyAddress_->setEnabled(addresses);
}

void PlayersWindow::act(rcon::PlayerAction action, const std::string& text) {
  const std::vector<rcon::PlayerRow> players = selected();
  const std::string pattern = rcon::actionTemplate(action, serverOptions());
  if (action != rcon::PlayerAction::Tell) {
    std::string names;
    for (const rcon::PlayerRow& p : players)
      names += (names.empty() ? "" : ", ") + rcon::plainText(p.name);
    const std::string verb = action == rcon::PlayerAction::Kick ? "Kick " : "Ban ";
    const rcon::MsgAnswer answer =
        session_.messageBoxes().show({verb + names + "?", "Players", rcon::MsgButtons::YesNoCancel,
                                      rcon::MsgIcon::Exclamation, rcon::MsgAnswer::No});
    if (answer != rcon::MsgAnswer::Yes) return;
  }
  for (const rcon::PlayerRow& p : players) {
    if (const std::optional<std::string> command = rcon::fillTemplate(pattern, p, text)) {
      session_.sendCommand(*command);
    }
  }
}

void PlayersWindow::askTellText() {
  auto* dialog = new QInputDialog(this);
  dialog->setObjectName(QStringLiteral("dlgTell"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QStringLiteral("Tell"));
  dialog->setLabelText(QStringLiteral("Text to send:"));
  connect(dialog, &QInputDialog::textValueSelected, this, [this](const QString& value) {
    const std::string text = platform::FromQString(value);
    const std::string problem = rcon::tellTextProblem(text);
    if (!problem.empty()) {
      session_.messageBoxes().show({problem, "Tell"});
      return;
    }
    act(rcon::PlayerAction::Tell, text);
  });
  dialog->open();
}

}  // namespace ui
