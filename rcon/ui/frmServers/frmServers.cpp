// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmServers/frmServers.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

#include "core/Connection.h"
#include "platform/base/TextCodec.h"
#include "ui/common/Look.h"
#include "ui/common/WindowSetup.h"
#include "ui/frmServers/ServerEditDialog.h"

// Names, hosts and the servers file are UTF-8; passwords are the server's 8-bit text.

namespace ui {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }
std::string utf8(const QString& text) { return text.trimmed().toStdString(); }

}  // namespace

SavedServersDialog::SavedServersDialog(const CurrentFields& current, const Stores& stores,
                                       QWidget* parent)
    : QDialog(parent, kToolWindowFlags), current_(current), stores_(stores) {
  setUpWindow(this, "frmServers", QStringLiteral("Saved Servers"));
  rcon::ServersLoad loaded = stores_.file->load();
  list_ = std::move(loaded.servers);
  loadProblems_ = std::move(loaded.problems);
  createControls();
  fillList(list_.options.lastServer);
}

SavedServersDialog::~SavedServersDialog() { *alive_ = false; }

void SavedServersDialog::createControls() {
  applyWindowLook(this);
  lstServers = new QTreeWidget(this);
  lstServers->setObjectName(QStringLiteral("lstServers"));
  applyBoxLook(lstServers);
  QPalette palette = lstServers->palette();
  palette.setColor(QPalette::Highlight, kFrameColour);
  palette.setColor(QPalette::HighlightedText, Qt::white);
  lstServers->setPalette(palette);
  lstServers->setHeaderLabels(
      {QStringLiteral("Name"), QStringLiteral("Host"), QStringLiteral("Port")});
  lstServers->setRootIsDecorated(false);
  lstServers->setUniformRowHeights(true);  // 1,000 servers lay out at once
  lstServers->setAllColumnsShowFocus(true);
  const int charWidth = lstServers->fontMetrics().horizontalAdvance(QLatin1Char('0'));
  lstServers->header()->setStretchLastSection(false);
  lstServers->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  lstServers->header()->resizeSection(1, charWidth * 24);
  lstServers->header()->resizeSection(2, charWidth * 8);
  lstServers->setMinimumWidth(charWidth * 60);

  auto button = [this](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  cmdConnect = button("cmdConnect", QStringLiteral("&Connect"));
  cmdConnect->setDefault(true);
  cmdSaveCurrent = button("cmdSaveCurrent", QStringLiteral("&Save Current..."));
  cmdEdit = button("cmdEdit", QStringLiteral("&Edit..."));
  cmdDelete = button("cmdDelete", QStringLiteral("&Delete"));
  cmdClose = button("cmdClose", QStringLiteral("Close"));
  chkOpenLast = new QCheckBox(QStringLiteral("&Open the last server at start"), this);
  chkOpenLast->setObjectName(QStringLiteral("chkOpenLast"));
  chkOpenLast->setChecked(list_.options.openLastAtStart);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {cmdConnect, cmdSaveCurrent, cmdEdit, cmdDelete}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  auto* top = new QHBoxLayout;
  top->addWidget(lstServers, 1);
  top->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(chkOpenLast);

  connect(cmdConnect, &QPushButton::clicked, this, &SavedServersDialog::connectChosen);
  connect(cmdSaveCurrent, &QPushButton::clicked, this, &SavedServersDialog::saveCurrent);
  connect(cmdEdit, &QPushButton::clicked, this, &SavedServersDialog::editChosen);
  connect(cmdDelete, &QPushButton::clicked, this, &SavedServersDialog::deleteChosen);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
  connect(chkOpenLast, &QCheckBox::toggled, this, &SavedServersDialog::openLastToggled);
  connect(lstServers, &QTreeWidget::itemDoubleClicked, this, &SavedServersDialog::connectChosen);
  connect(lstServers, &QTreeWidget::currentItemChanged, this, &SavedServersDialog::updateButtons);
}

void SavedServersDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (loadProblems_.empty()) return;
  // After the dialog is on screen, so that the box has something to stand over.
  QTimer::singleShot(0, this, [this] {
    const std::string problems = std::exchange(loadProblems_, {});
    if (problems.empty()) return;
    if (stores_.problemsSaid) {
      if (*stores_.problemsSaid == problems) return;  // told already, by the owner
      *stores_.problemsSaid = problems;
    }
    say(problems + "\n\n" + std::string(kDroppedNote));
  });
}

void SavedServersDialog::fillList(const std::string& selectName) {
  lstServers->setSortingEnabled(false);
  lstServers->clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(qsizetype(list_.servers().size()));
  QTreeWidgetItem* chosen = nullptr;
  for (const rcon::SavedServer& server : list_.servers()) {
    auto* item = new QTreeWidgetItem({fromUtf8(server.name), fromUtf8(server.host)});
    item->setData(2, Qt::DisplayRole, int(server.port));  // sorts as a number
    if (server.name == selectName) chosen = item;
    items.append(item);
  }
  lstServers->addTopLevelItems(items);
  lstServers->setSortingEnabled(true);
  lstServers->sortByColumn(0, Qt::AscendingOrder);
  if (!chosen) chosen = lstServers->topLevelItem(0);
  lstServers->setCurrentItem(chosen);
  if (chosen) lstServers->scrollToItem(chosen);
  updateButtons();
}

const rcon::SavedServer* SavedServersDialog::selected() const {
  const QTreeWidgetItem* item = lstServers->currentItem();
  return item ? list_.find(item->text(0).toStdString()) : nullptr;
}

void SavedServersDialog::updateButtons() {
  const bool chosen = selected() != nullptr && !connecting_;
  cmdConnect->setEnabled(chosen);
  cmdEdit->setEnabled(chosen);
  cmdDelete->setEnabled(chosen);
  cmdSaveCurrent->setEnabled(!connecting_);
}

void SavedServersDialog::connectChosen() {
  const rcon::SavedServer* chosen = selected();
  if (!chosen || connecting_) return;
  connecting_ = true;
  updateButtons();
  stores_.passwords->readPassword(
      chosen->name, [this, alive = alive_, server = *chosen](const rcon::SecretResult& result) {
        if (!*alive) return;
        connecting_ = false;
        updateButtons();
        if (result.status != rcon::SecretResult::Status::NotFound && !result.ok())
          passwordProblem(result, "The password of \"" + server.name + "\" could not be read.");
        list_.noteUsed(server.name);
        list_.options.lastServer = server.name;
        saveFile();
        emit serverChosen(server, result.ok() ? platform::ToQString(result.password) : QString(),
                          result.ok());
        accept();
      });
}

void SavedServersDialog::saveCurrent() {
  rcon::SavedServer start;
  start.host = utf8(current_.host);
  // The port field as typed; the editor checks it.
  openEditor(QStringLiteral("Save Current Server"), start, current_.password, false);
}

void SavedServersDialog::editChosen() {
  if (const rcon::SavedServer* chosen = selected())
    openEditor(QStringLiteral("Edit Saved Server"), *chosen, QString(), true);
}

void SavedServersDialog::openEditor(const QString& title, const rcon::SavedServer& start,
                                    const QString& password, bool editing) {
  const std::string previousName = editing ? start.name : std::string();
  const ServerEditDialog::Values values{
      fromUtf8(start.name), fromUtf8(start.host),
      editing ? QString::number(start.port) : current_.port.trimmed(), password,
      !password.isEmpty()};
  auto check =
      [this, previousName, options = start.options](
          const ServerEditDialog::Values& typed) -> std::optional<ServerEditDialog::Field> {
    using Field = ServerEditDialog::Field;
    rcon::SavedServer entry{utf8(typed.name), utf8(typed.host), 0, options};
    if (std::string problem = rcon::serverNameProblem(entry.name); !problem.empty()) {
      say(problem);
      return Field::Name;
    }
    if (std::string problem = rcon::hostProblem(entry.host); !problem.empty()) {
      say(problem);
      return Field::Host;
    }
    const std::optional<std::uint16_t> port = rcon::parsePort(utf8(typed.port));
    if (!port) {
      say("The port must be a number from 1 to 65535.");
      return Field::Port;
    }
    entry.port = *port;
    const rcon::ServerList before = list_;
    if (std::string problem = list_.save(entry, previousName); !problem.empty()) {
      say(problem);
      return Field::Name;
    }
    if (!saveFile()) {
      list_ = before;
      return Field::Other;
    }
    storePassword(previousName, entry.name, typed.password, typed.remember, typed.passwordEdited);
    fillList(entry.name);
    return std::nullopt;
  };
  auto* editor = new ServerEditDialog(title, values, check, this);
  editor->setAttribute(Qt::WA_DeleteOnClose);
  if (editing) {
    editor->setPasswordPending();
    QPointer<ServerEditDialog> guard(editor);
    stores_.passwords->readPassword(
        start.name, [this, alive = alive_, guard, name = start.name](const rcon::SecretResult& r) {
          if (!*alive || !guard) return;
          if (r.status != rcon::SecretResult::Status::NotFound && !r.ok())
            passwordProblem(r, "The password of \"" + name + "\" could not be read.");
          guard->setStoredPassword(r.ok() ? platform::ToQString(r.password) : QString(), r.ok());
        });
  }
  editor->open();
}

void SavedServersDialog::storePassword(const std::string& previousName, const std::string& name,
                                       const QString& password, bool remember,
                                       bool passwordEdited) {
  const bool renamed = !previousName.empty() && previousName != name;
  const bool editing = !previousName.empty();
  if (editing && !renamed && !passwordEdited && remember) return;  // as the store holds it
  auto answered = [this, alive = alive_, name](const rcon::SecretResult& result) {
    if (!*alive || result.ok() || result.status == rcon::SecretResult::Status::NotFound) return;
    passwordProblem(result, "The server is saved without its password.");
  };
  if (remember && !password.isEmpty()) {
    stores_.passwords->writePassword(name, platform::FromQString(password), answered);
  } else {
    // Also clears a password a deleted server of the same name may have left behind.
    stores_.passwords->deletePassword(name, [](const rcon::SecretResult&) {});
  }
  if (renamed) stores_.passwords->deletePassword(previousName, [](const rcon::SecretResult&) {});
}

void SavedServersDialog::deleteChosen() {
  const rcon::SavedServer* chosen = selected();
  if (!chosen) return;
  const std::string name = chosen->name;
  const rcon::MsgAnswer answer = stores_.messageBox->show(
      {"Delete the saved server \"" + name + "\" and its remembered password?",
       std::string(rcon::kMainTitle), rcon::MsgButtons::YesNoCancel, rcon::MsgIcon::Exclamation,
       rcon::MsgAnswer::No});
  if (answer != rcon::MsgAnswer::Yes) return;
  const rcon::ServerList before = list_;
  list_.remove(name);
  if (!saveFile()) {
    list_ = before;
    return;
  }
  fillList();
  stores_.passwords->deletePassword(
      name, [this, alive = alive_, name](const rcon::SecretResult& result) {
        if (!*alive || result.ok() || result.status == rcon::SecretResult::Status::NotFound) return;
        passwordProblem(result, "The remembered password of \"" + name +
                                    "\" may still be in the secret store.");
      });
}

void SavedServersDialog::openLastToggled(bool checked) {
  list_.options.openLastAtStart = checked;
  if (saveFile()) return;
  list_.options.openLastAtStart = !checked;
  const QSignalBlocker quiet(chkOpenLast);
  chkOpenLast->setChecked(!checked);
}

bool SavedServersDialog::saveFile() {
  const std::string problem = stores_.file->save(list_);
  if (!problem.empty()) {
    say(problem);
    return false;
  }
  emit serversChanged();
  return true;
}

void SavedServersDialog::passwordProblem(const rcon::SecretResult& result,
                                         const std::string& what) {
  if (result.status == rcon::SecretResult::Status::NoStore) {
    if (noStoreSaid_) return;  // once is enough: every later attempt would say the same
    noStoreSaid_ = true;
  }
  say(result.error + "\n\n" + what);
}

void SavedServersDialog::say(const std::string& text) {
  stores_.messageBox->show({text, std::string(rcon::kMainTitle), rcon::MsgButtons::Ok,
                            rcon::MsgIcon::Exclamation, rcon::MsgAnswer::Ok});
}

}  // namespace ui
