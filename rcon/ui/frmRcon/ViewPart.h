// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The View menu: colour codes rendered in the console or shown as received. The choice is kept
// between runs among the program's options in the saved servers' file.
#include <QObject>

#include "ui/frmRcon/MainMenus.h"

namespace rcon {
class MessageBoxService;
class ServersFileService;
}  // namespace rcon

namespace ui {

class ConsoleView;

class ViewPart final : public QObject {
  Q_OBJECT
 public:
  // Reads the kept choice at once; servers may be null (nothing kept).
  ViewPart(const ViewActions& actions, ConsoleView& console, rcon::ServersFileService* servers,
           rcon::MessageBoxService& messageBoxes);

 private:
  void colourCodesChosen(bool on);

  ConsoleView& console_;
  rcon::ServersFileService* servers_;
  rcon::MessageBoxService& messageBoxes_;
};

}  // namespace ui
