// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/ServersPart.h"

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include "core/Connection.h"
#include "core/ServerSession.h"
#include "platform/base/TextCodec.h"
#include "ui/common/PseudoModal.h"
#include "ui/frmRcon/ConnectionFields.h"
#include "ui/frmServers/frmServers.h"

// Names and hosts are UTF-8, as the servers file holds them; passwords are the server's 8-bit
// text, as the password field gives them to the session.

namespace ui {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

// How a message names a server: by its name when it has one.
std::string described(const rcon::SavedServer& server) {
  return server.name.empty() ? server.address() : "\"" + server.name + "\"";
}

}  // namespace

ServersPart::ServersPart(rcon::ServerSession& session, ConnectionFields& fields, QWidget& window,
                         const Services& services, const ServerActions& actions)
    : session_(session), fields_(fields), window_(window), services_(services), actions_(actions) {
  connect(actions_.savedServers, &QAction::triggered, this, &ServersPart::openDialog);
  // Only what the user types gives the plain caption back, not the fields being filled.
  for (QLineEdit* box : fields_.octets)
    connect(box, &QLineEdit::textEdited, this, &ServersPart::fieldsEdited);
  for (QLineEdit* box : {fields_.port, fields_.password})
    connect(box, &QLineEdit::textEdited, this, &ServersPart::fieldsEdited);
  fillRecentMenu(services_.serversFile->load().servers);
  // Boxes need the window on screen: problems with the file are told once it is.
  QTimer::singleShot(0, this, &ServersPart::openLastAtStart);
}

ServersPart::~ServersPart() {
  if (!dialog_) return;
  // The main window is going away: nothing is left to enable or fill.
  QObject::disconnect(dialog_, &QObject::destroyed, nullptr, nullptr);
  delete dialog_.data();
}

void ServersPart::openLastAtStart() {
  const rcon::ServerList list = load();
  if (!list.options.openLastAtStart) return;
  if (const rcon::SavedServer* last = list.find(list.options.lastServer))
    readPasswordAndChoose(*last);
}

void ServersPart::openDialog() {
  // While another secondary window is open the main window is disabled: nothing opens.
  if (!window_.isEnabled()) return;
  if (dialog_) {
    dialog_->activateWindow();
    return;
  }
  rcon::OctetTexts octets;
  for (std::size_t i = 0; i < octets.size(); ++i)
    octets[i] = platform::FromQString(fields_.octets[i]->text());
  const rcon::ServerAddress address = rcon::serverAddress(octets);
  // An address never entered (0.0.0.0) or out of range is no host to save.
  const bool addressSet = rcon::checkDestination(address, 1) == rcon::Destination::Valid;
  const SavedServersDialog::CurrentFields current{addressSet ? fromUtf8(address.dotted) : QString(),
                                                  fields_.port->text(), fields_.password->text()};
  const SavedServersDialog::Stores stores{services_.serversFile, services_.passwords,
                                          &session_.messageBoxes(), &problemsSaid_};
  dialog_ = new SavedServersDialog(current, stores);
  chosenInDialog_.reset();
  connect(dialog_, &SavedServersDialog::serverChosen, this,
          [this](const rcon::SavedServer& server, const QString& password, bool known) {
            chosenInDialog_ = Choice{server, known ? password : QString()};
          });
  connect(dialog_, &SavedServersDialog::serversChanged, this,
          [this] { fillRecentMenu(services_.serversFile->load().servers); });
  showPseudoModal(dialog_, &window_);
  // After the main window is enabled again, so that a box about the choice can stand over it.
  connect(dialog_, &QObject::destroyed, this, &ServersPart::dialogClosed);
}

void ServersPart::dialogClosed() {
  if (!chosenInDialog_) return;
  const Choice choice = std::move(*chosenInDialog_);
  chosenInDialog_.reset();
  choose(choice);
}

void ServersPart::chooseRecent(const std::string& label) {
  rcon::ServerList list = load();
  const std::optional<rcon::SavedServer> server = list.recentServer(label);
  if (!server) {
    say("\"" + label + "\" is no longer a saved server.");
    fillRecentMenu(list);
    return;
  }
  list.noteUsed(label);
  if (!server->name.empty()) list.options.lastServer = server->name;
  save(list);
  fillRecentMenu(list);
  if (server->name.empty()) {
    choose({*server, QString()});  // an address typed once: its password was never kept
    return;
  }
  readPasswordAndChoose(*server);
}

void ServersPart::readPasswordAndChoose(const rcon::SavedServer& server) {
  const unsigned ticket = ++generation_;
  services_.passwords->readPassword(server.name, [self = QPointer<ServersPart>(this), ticket,
                                                  server](const rcon::SecretResult& result) {
    if (!self || ticket != self->generation_) return;
    const bool quiet = result.ok() || result.status == rcon::SecretResult::Status::NotFound ||
                       (result.status == rcon::SecretResult::Status::NoStore &&
                        std::exchange(self->noStoreSaid_, true));
    if (!quiet)
      self->say(result.error + "\n\nThe password of " + described(server) +
                " could not be read; type it in the password field.");
    self->choose({server, result.ok() ? platform::ToQString(result.password) : QString()});
  });
}

void ServersPart::choose(const Choice& choice) {
  const unsigned ticket = ++generation_;
  const std::string& host = choice.server.host;
  if (rcon::isIpv4Address(host)) {
    fill(choice, host);
    return;
  }
  if (rcon::isBracketedIpv6(host)) {
    say(described(choice.server) + " is at the IPv6 address " + host +
        ", and the address fields take IPv4 addresses only.\n\nThe fields are unchanged. "
        "vortane-rcon can reach this server; or save it with an IPv4 address or a host name.");
    return;
  }
  // The window goes on while the name is looked up.
  services_.hostLookup->lookupIpv4(
      host, [self = QPointer<ServersPart>(this), ticket, choice](const rcon::LookupResult& found) {
        if (!self || ticket != self->generation_) return;
        if (!found.ok()) {
          self->say(found.error + "\n\nThe address fields are unchanged.");
          return;
        }
        self->fill(choice, found.ipv4);
      });
}

void ServersPart::fill(const Choice& choice, const std::string& ipv4) {
  QWidget* focus = window_.focusWidget();
  const QStringList octets = fromUtf8(ipv4).split(u'.');
  // Last octet first: a three-digit octet moves the focus on, as typing does.
  for (std::size_t i = fields_.octets.size(); i-- > 0;)
    fields_.octets[i]->setText(octets.value(qsizetype(i)));
  fields_.port->setText(QString::number(choice.server.port));
  // Another server's password is never kept: it would be sent to this one.
  fields_.password->setText(choice.password);
  named_ = choice.server.name;
  showCaption();
  QWidget* next = choice.password.isEmpty() ? fields_.password : focus;
  if (next != nullptr) next->setFocus(Qt::OtherFocusReason);
}

void ServersPart::fieldsEdited() {
  ++generation_;  // a look-up still under way must not overwrite what is typed
  if (named_.empty()) return;
  named_.clear();
  showCaption();
}

void ServersPart::showCaption() {
  window_.setWindowTitle(named_.empty() ? kPlainCaption
                                        : kPlainCaption + QStringLiteral(" - ") + fromUtf8(named_));
}

void ServersPart::fieldsUsed() {
  rcon::OctetTexts octets;
  for (std::size_t i = 0; i < octets.size(); ++i)
    octets[i] = platform::FromQString(fields_.octets[i]->text());
  const rcon::ServerAddress address = rcon::serverAddress(octets);
  const std::int64_t port = rcon::serverPort(platform::FromQString(fields_.port->text()));
  if (rcon::checkDestination(address, port) != rcon::Destination::Valid ||
      rcon::isBroadcastOrMulticast(address, {}))
    return;  // refused: nothing was sent
  rcon::ServerList list = load();
  const auto wire = static_cast<std::uint16_t>(port);
  // A saved server is listed by its name, never also by its address.
  std::string label = rcon::formatAddress(address.dotted, wire);
  if (!named_.empty() && list.find(named_) != nullptr) {
    label = named_;
  } else {
    for (const rcon::SavedServer& server : list.servers())
      if (server.host == address.dotted && server.port == wire) {
        label = server.name;
        break;
      }
  }
  const std::vector<std::string> before = list.recent();
  list.noteUsed(label);
  if (list.recent() == before) return;  // already first: the file stays as it is
  save(list);
  fillRecentMenu(list);
}

rcon::ServerList ServersPart::load() {
  rcon::ServersLoad loaded = services_.serversFile->load();
  if (loaded.problems.empty()) {
    problemsSaid_.clear();  // a file broken again later is told again
  } else if (loaded.problems != problemsSaid_) {
    problemsSaid_ = loaded.problems;
    say(loaded.problems + "\n\n" + std::string(SavedServersDialog::kDroppedNote));
  }
  return std::move(loaded.servers);
}

void ServersPart::save(const rcon::ServerList& list) {
  const std::string problem = services_.serversFile->save(list);
  if (problem.empty() || problem == saveFailureSaid_) return;
  saveFailureSaid_ = problem;  // every later use would say the same
  say(problem);
}

void ServersPart::fillRecentMenu(const rcon::ServerList& list) {
  QMenu* menu = actions_.recent;
  // The item being chosen may be one of these: they go later, not under its feet.
  for (QAction* old : menu->actions()) {
    menu->removeAction(old);
    old->deleteLater();
  }
  int number = 0;
  for (const std::string& label : list.recent()) {
    QString text = fromUtf8(label);
    text.replace(u'&', QStringLiteral("&&"));
    QAction* item = menu->addAction(QStringLiteral("&%1 ").arg(number + 1) + text);
    item->setObjectName(QStringLiteral("mnuServRecent(%1)").arg(number++));
    connect(item, &QAction::triggered, this, [this, label] { chooseRecent(label); });
  }
  menu->menuAction()->setEnabled(number > 0);
}

void ServersPart::say(const std::string& text) {
  session_.messageBoxes().show({text, std::string(rcon::kMainTitle), rcon::MsgButtons::Ok,
                                rcon::MsgIcon::Exclamation, rcon::MsgAnswer::Ok});
}

}  // namespace ui
