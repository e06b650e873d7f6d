// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Saved Servers dialog: the saved servers by name, host and port; Connect, Save Current,
// Edit and Delete; and the "Open the last server at start" option. It knows nothing of the main
// window: it is given the fields as they stand and the stores, and tells which server was
// chosen. Each change is saved to the servers file at once; passwords go to the secret store
// only.
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>
#include <string>
#include <string_view>

#include "core/ServerServices.h"
#include "core/Services.h"

namespace ui {

class ServerEditDialog;

class SavedServersDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(SavedServersDialog)
 public:
  // The main window's connection fields as they stand, for Save Current.
  struct CurrentFields {
    QString host;  // the dotted address
    QString port;
    QString password;
  };
  struct Stores {
    rcon::ServersFileService* file = nullptr;
    rcon::PasswordStore* passwords = nullptr;
    rcon::MessageBoxService* messageBox = nullptr;
    // The owner's record of the servers file's problems already told: the dialog does not
    // tell the same again, and records what it tells. Null: the dialog tells what it finds.
    std::string* problemsSaid = nullptr;
  };
  // Follows the servers file's problems wherever they are told.
  static constexpr std::string_view kDroppedNote{
      "They are dropped from the file when the list is next saved."};

  // Reads the servers file; a file with broken entries says so in one box when shown.
  SavedServersDialog(const CurrentFields& current, const Stores& stores, QWidget* parent = nullptr);
  ~SavedServersDialog() override;

  const rcon::ServerList& servers() const { return list_; }

 signals:
  // Connect: the chosen server, and its password when one is remembered (passwordKnown).
  // The dialog has then noted it as used (the recent list, lastServer) and closes.
  void serverChosen(const rcon::SavedServer& server, const QString& password, bool passwordKnown);
  // The servers file was saved: the recent list or the servers changed.
  void serversChanged();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void createControls();
  void fillList(const std::string& selectName = {});
  const rcon::SavedServer* selected() const;
  void updateButtons();

  void connectChosen();
  void saveCurrent();
  void editChosen();
  void deleteChosen();
  void openLastToggled(bool checked);

  // Save Current (a new server) or Edit (editing: the stored password is read first).
  void openEditor(const QString& title, const rcon::SavedServer& start, const QString& password,
                  bool editing);
  void storePassword(const std::string& previousName, const std::string& name,
                     const QString& password, bool remember, bool passwordEdited);
  bool saveFile();
  // Says what became of a password; "no secret store answered" only the first time.
  void passwordProblem(const rcon::SecretResult& result, const std::string& what);
  void say(const std::string& text);

  QTreeWidget* lstServers = nullptr;
  QPushButton* cmdConnect = nullptr;
  QPushButton* cmdSaveCurrent = nullptr;
  QPushButton* cmdEdit = nullptr;
  QPushButton* cmdDelete = nullptr;
  QPushButton* cmdClose = nullptr;
  QCheckBox* chkOpenLast = nullptr;

  CurrentFields current_;
  Stores stores_;
  rcon::ServerList list_;
  std::string loadProblems_;  // shown once, when the dialog is first shown
  bool noStoreSaid_ = false;  // "no secret store answered" is said once
  bool connecting_ = false;   // Connect waits for the stored password
  // The dialog may go before the store answers: answers check this first.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace ui
