// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/FilesPart.h"

#include "core/ServerSession.h"
#include "platform/gui/Printer.h"

namespace ui {

FilesPart::FilesPart(rcon::ServerSession& session, const FileActions& actions,
                     platform::Printer* printer, std::function<void()> closeWindow)
    : session_(session), printer_(printer) {
  connect(actions.newDocument, &QAction::triggered, this, [this] { session_.newDocument(); });
  connect(actions.open, &QAction::triggered, this, [this] { session_.openDocument(); });
  connect(actions.save, &QAction::triggered, this, [this] { session_.saveDocument(); });
  connect(actions.saveAs, &QAction::triggered, this, [this] { session_.saveDocumentAs(); });
  connect(actions.print, &QAction::triggered, this, &FilesPart::print);
  connect(actions.exit, &QAction::triggered, this, std::move(closeWindow));
}

void FilesPart::print() {
  const platform::PrintResult result =
      printer_ != nullptr ? printer_->print(session_.console().buffer.text())
                          : platform::PrintResult{false, "There is no printer to print on.", 0};
  if (!result.ok) {
    session_.messageBoxes().show({result.error, std::string(rcon::kMainTitle)});
  }
}

}  // namespace ui
