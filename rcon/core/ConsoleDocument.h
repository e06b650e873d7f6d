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

  // New and Open return true when they replaced the console's text.
  bool New();
  bool Open();
  void Save();
  void SaveAs();
  // Closing the program: false keeps it running.
  bool QueryUnload();

  bool blnHasFileName() const { return blnHasFileName_; }
  bool blnSaveCancelled() const { return blnSaveCancelled_; }
  // The console's file name, as the file dialogs see it.
  const std::string& fileName() const { return fileName_; }
  const std::string& strPrevFileName() const { return strPrevFileName_; }
  // The answer of the latest prompt (Yes 6, No 7, Cancel 2; 0 before the first).
  std::int16_t intAnswer() const { return intAnswer_; }

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

  bool DoNew();
  bool DoOpen();
  void DoSave();
  void DoSaveAs();
  // Go on with the operation? Asks only when the console has unsaved changes.
  bool SaveFirstPrompt();
  // Writes the console as it stands now; reports a failure in a box.
  bool WriteTo(const std::string& path, std::uint64_t& revision);
  void Report(const std::string& text);

  Console& console_;
  MessageBoxService& boxes_;
  FileDialogService& dialog_;
  FileStore& files_;

  bool blnHasFileName_ = false;
  bool blnSaveCancelled_ = false;
  std::string fileName_;
  std::string strPrevFileName_;
  std::int16_t intAnswer_ = 0;
  bool busy_ = false;  // an operation is waiting on a box or dialog
};

}  // namespace rcon
