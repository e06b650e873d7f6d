// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Server > Players...: the players of the main window's server, refreshed in the background
// over a side channel (its traffic never shows in the console), with actions on the selected
// players sent through the main window's session as if typed.
#include <QWidget>
#include <memory>
#include <optional>

#include "core/PlayerCommands.h"
#include "core/ServerSession.h"
#include "core/SideChannel.h"
#include "ui/Services.h"

class QAction;
class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;
class QToolButton;

namespace ui {

class PlayersModel;

class PlayersWindow final : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(PlayersWindow)
 public:
  static constexpr int kDefaultIntervalSeconds = 5;

  PlayersWindow(QWidget* mainWindow, rcon::ServerSession& session, const Services& services,
                std::unique_ptr<rcon::RequestChannel> channel, std::unique_ptr<rcon::Timer> timer);
  ~PlayersWindow() override;

  // Shows the window and asks for the list at once.
  void open();

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void createControls();
  QAction* addAction(const char* objectName, const QString& text, const char* buttonName);
  void refresh();
  void answered(const rcon::SideAnswer& answer, bool status);
  void restartTimer();
  void showState(const QString& text);
  std::vector<rcon::PlayerRow> selected() const;
  const rcon::ServerOptions* serverOptions();
  void updateActions();
  void act(rcon::PlayerAction action, const std::string& text = {});
  void askTellText();

  rcon::ServerSession& session_;
  Services services_;
  std::unique_ptr<rcon::RequestChannel> channel_;
  std::unique_ptr<rcon::Timer> timer_;
  std::optional<rcon::ServerSession::Target> target_;  // of the list shown
  bool statusOnly_ = false;  // the password was refused: the status reply only
  QString why_;              // why the actions are off, when they are
  std::optional<rcon::SavedServer> saved_;

  PlayersModel* model_ = nullptr;
  QSortFilterProxyModel* proxy_ = nullptr;
  QTableView* table_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QSpinBox* interval_ = nullptr;
  QToolButton* pause_ = nullptr;
  QLabel* state_ = nullptr;
  QAction* kick_ = nullptr;
  QAction* ban_ = nullptr;
  QAction* tell_ = nullptr;
  QAction* copyName_ = nullptr;
  QAction* copyAddress_ = nullptr;
};

}  // namespace ui
