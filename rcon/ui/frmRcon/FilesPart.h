#pragma once
// The File menu: the console as a document (New, Open, Save, Save As), printing it, and the
// save-first prompt every way of closing the window goes through.
#include <QObject>

#include "core/ConsoleDocument.h"

namespace ui {

class frmRcon;

class FilesPart final : public QObject {
  Q_OBJECT
 public:
  explicit FilesPart(frmRcon& window);

  // The save-first prompt of closing the window; false keeps the window open.
  bool Form_QueryUnload();

  const rcon::ConsoleDocument& document() const { return document_; }

 private:
  void mnuFileNew_Click();
  void mnuFileOpen_Click();
  void mnuFileSave_Click();
  void mnuFileSaveAs_Click();
  void mnuFilePrint_Click();
  void mnuFileExit_Click();

  frmRcon& window_;
  rcon::ConsoleDocument document_;
};

}  // namespace ui
