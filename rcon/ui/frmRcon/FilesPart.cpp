#include "ui/frmRcon/FilesPart.h"

#include "core/Connection.h"
#include "platform/gui/Printer.h"
#include "ui/frmRcon/ConsoleView.h"
#include "ui/frmRcon/frmRcon.h"

namespace ui {

FilesPart::FilesPart(frmRcon& window)
    : QObject(&window),
      window_(window),
      document_(window.console(), *window.services().messageBox, *window.services().fileDialog,
                *window.services().files) {
  const MainMenus& m = window.menus();
  connect(m.mnuFileNew, &QAction::triggered, this, &FilesPart::mnuFileNew_Click);
  connect(m.mnuFileOpen, &QAction::triggered, this, &FilesPart::mnuFileOpen_Click);
  connect(m.mnuFileSave, &QAction::triggered, this, &FilesPart::mnuFileSave_Click);
  connect(m.mnuFileSaveAs, &QAction::triggered, this, &FilesPart::mnuFileSaveAs_Click);
  connect(m.mnuFilePrint, &QAction::triggered, this, &FilesPart::mnuFilePrint_Click);
  connect(m.mnuFileExit, &QAction::triggered, this, &FilesPart::mnuFileExit_Click);
}

bool FilesPart::Form_QueryUnload() { return document_.QueryUnload(); }

void FilesPart::mnuFileNew_Click() {
  if (document_.New()) window_.controls().txtReceive->textReset();
}

void FilesPart::mnuFileOpen_Click() {
  if (document_.Open()) window_.controls().txtReceive->textReset();
}

void FilesPart::mnuFileSave_Click() { document_.Save(); }

void FilesPart::mnuFileSaveAs_Click() { document_.SaveAs(); }

void FilesPart::mnuFilePrint_Click() {
  platform::Printer* printer = window_.services().printer;
  const platform::PrintResult result =
      printer != nullptr ? printer->print(window_.console().buffer.text())
                         : platform::PrintResult{false, "There is no printer to print on.", 0};
  if (!result.ok) {
    window_.services().messageBox->show({result.error, std::string(rcon::kMainTitle)});
  }
}

void FilesPart::mnuFileExit_Click() { window_.requestClose(); }

}  // namespace ui
