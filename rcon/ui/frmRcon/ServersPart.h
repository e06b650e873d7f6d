// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Server > Saved Servers... and Server > Recent: fill the window's connection fields from a
// saved or recent server (a host name is looked up first, without blocking), name a saved
// server in the caption, and keep the recent list of the servers file up to date.
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>
#include <string>

#include "core/ServerList.h"
#include "ui/Services.h"
#include "ui/frmRcon/MainMenus.h"

namespace rcon {
class ServerSession;
}  // namespace rcon

namespace ui {

class ConnectionFields;
class SavedServersDialog;

class ServersPart final : public QObject {
  Q_OBJECT
 public:
  // The caption of a window whose fields no saved server fills.
  static inline const QString kPlainCaption = QStringLiteral("Vortane Remote Console");

  ServersPart(rcon::ServerSession& session, ConnectionFields& fields, QWidget& window,
              const Services& services, const ServerActions& actions);
  // An open dialog goes with the main window.
  ~ServersPart() override;

  // A command or status request just went to the fields as they stand: the server counts as
  // used. Call it after the send; a refused destination is not noted.
  void fieldsUsed();

 private:
  // A server to put in the fields; its password when one is known.
  struct Choice {
    rcon::SavedServer server;  // no name: an unsaved address
    QString password;
  };

  void openDialog();
  void dialogClosed();
  void chooseRecent(const std::string& label);
  // Reads a saved server's password, then chooses it.
  void readPasswordAndChoose(const rcon::SavedServer& server);
  // Resolves the host if need be, then fills the fields; a choice made since, or typing in
  // the fields, cancels a look-up still under way.
  void choose(const Choice& choice);
  void fill(const Choice& choice, const std::string& ipv4);
  void fieldsEdited();
  void showCaption();
  void openLastAtStart();

  // The servers file as it is now; problems not yet told are told (once).
  rcon::ServerList load();
  // Saves the list; a failure is told once for each different reason.
  void save(const rcon::ServerList& list);
  void fillRecentMenu(const rcon::ServerList& list);
  void say(const std::string& text);

  rcon::ServerSession& session_;
  ConnectionFields& fields_;
  QWidget& window_;
  const Services& services_;
  ServerActions actions_;

  QPointer<SavedServersDialog> dialog_;
  std::optional<Choice> chosenInDialog_;  // applied once the dialog has gone
  std::string named_;                     // the saved server the fields hold; empty for none
  unsigned generation_ = 0;               // bumped by every choice and every edit of the fields
  std::string problemsSaid_;              // the servers file's problems already told
  std::string saveFailureSaid_;
  bool noStoreSaid_ = false;
};

}  // namespace ui
