// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console as a text document: New, Open, Save, Save As, and the save-first prompt that
// guards clearing, replacing and closing. The document is untitled until it is opened or saved
// under a name, and titled after that (Save then writes without asking).
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Console.h"
#include "core/Services.h"

namespace rcon {

inline constexpr std::string_view kSaveFirstText{"Do you want to save the console first?"};

class ConsoleDocument final {
 public:
  ConsoleDocument(Console& console, MessageBoxService& boxes, FileDialogService& dialog,
                  FileStore& files);
  ConsoleDocument(const ConsoleDocument&) = delete;
  ConsoleDocument& operator=(const ConsoleDocument&) = delete;

  // newDocument and open return true when they replaced the console's text.
  bool newDocument();
  bool open();
  void save();
  void saveAs();
  // Closing the window: false keeps it open.
  bool queryClose();

  // The last save was cancelled or failed.
  bool saveAbandoned() const { return saveAbandoned_; }
  // The console's file name, as the file dialogs see it.
  const std::string& fileName() const { return fileName_; }
  // The answer of the latest prompt (Yes 6, No 7, Cancel 2; 0 before the first).
  std::int16_t lastAnswer() const { return lastAnswer_; }

 private:
  enum class Event {
    NewDone,           // the console was cleared
    OpenDone,          // the console holds the file named by fileName_
    OpenAbandoned,     // dialog cancelled, file refused or unreadable
    SavedToKnownName,  // written to fileName_ without a dialog
    SaveAsDone,        // written to the name chosen in the dialog
    SaveAbandoned,     // dialog cancelled or writing failed
  };
  // The document's state table: every flag and name change goes through here. The console is
  // marked unchanged only if it still holds what was written or read (revision).
  void transition(Event event, std::uint64_t revision = 0);

  bool doNew();
  bool doOpen();
  void doSave();
  void doSaveAs();
  // Go on with the operation? Asks only when the console has unsaved changes.
  bool saveFirstPrompt();
  // Writes the console as it stands now; reports a failure in a box.
  bool writeTo(const std::string& path, std::uint64_t& revision);
  void report(const std::string& text);

  Console& console_;
  MessageBoxService& boxes_;
  FileDialogService& dialog_;
  FileStore& files_;

  bool titled_ = false;  // opened or saved under a name
  bool saveAbandoned_ = false;
  std::string fileName_;
  std::string previousFileName_;  // given back when an open is abandoned
  std::int16_t lastAnswer_ = 0;
  bool busy_ = false;  // an operation is waiting on a box or dialog
};

}  // namespace rcon
