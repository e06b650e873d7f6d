// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The File menu: the session's console as a document (New, Open, Save, Save As), printing it,
// and Exit, which closes the window through its save-first prompt.
#include <QObject>
#include <functional>

#include "ui/frmRcon/MainMenus.h"

namespace rcon {
class ServerSession;
}
namespace platform {
class Printer;
}

namespace ui {

class FilesPart final : public QObject {
  Q_OBJECT
 public:
  FilesPart(rcon::ServerSession& session, const FileActions& actions, platform::Printer* printer,
            std::function<void()> closeWindow);

 private:
  void print();

  rcon::ServerSession& session_;
  platform::Printer* printer_;
};

}  // namespace ui
