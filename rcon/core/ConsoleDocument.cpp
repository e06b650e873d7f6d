#include "core/ConsoleDocument.h"

#include "core/Connection.h"
#include "core/TextFile.h"

namespace rcon {
namespace {

// Marks the document busy while an operation waits on a box or a dialog, whose event loop
// could otherwise start a second operation in the middle of the first.
class BusyScope final {
 public:
  explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
  ~BusyScope() { busy_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
};

std::string OpenRefusal(const ReadResult& result) {
  switch (result.status) {
    case ReadResult::Status::NotRegular:
      return "It is not a regular file.";
    case ReadResult::Status::TooLarge:
      return "It is larger than 64 MiB, more than the console can hold.";
    case ReadResult::Status::NotFound:
      return "The file does not exist.";
    case ReadResult::Status::Ok:
    case ReadResult::Status::Failed:
      break;
  }
  return result.error.empty() ? std::string("The file could not be read.") : result.error;
}

}  // namespace

ConsoleDocument::ConsoleDocument(Console& console, MessageBoxService& boxes,
                                 FileDialogService& dialog, FileStore& files)
    : console_(console), boxes_(boxes), dialog_(dialog), files_(files) {}

void ConsoleDocument::transition(Event event, std::uint64_t revision) {
  const auto markSaved = [&] {
    // A reply that came in after the text was taken keeps the console unsaved.
    if (console_.buffer.revision() == revision) console_.blnConsoleChanged = false;
  };
  switch (event) {
    case Event::NewDone:
      markSaved();
      fileName_.clear();
      blnHasFileName_ = false;
      break;
    case Event::OpenDone:
      markSaved();
      blnHasFileName_ = true;
      break;
    case Event::OpenAbandoned:
      fileName_ = strPrevFileName_;
      break;
    case Event::SavedToKnownName:
      markSaved();
      blnSaveCancelled_ = false;
      break;
    case Event::SaveAsDone:
      markSaved();
      blnSaveCancelled_ = false;
      blnHasFileName_ = true;
      break;
    case Event::SaveAbandoned:
      blnSaveCancelled_ = true;
      break;
  }
}

bool ConsoleDocument::New() {
  if (busy_) return false;
  BusyScope scope(busy_);
  return DoNew();
}

bool ConsoleDocument::Open() {
  if (busy_) return false;
  BusyScope scope(busy_);
  return DoOpen();
}

void ConsoleDocument::Save() {
  if (busy_) return;
  BusyScope scope(busy_);
  DoSave();
}

void ConsoleDocument::SaveAs() {
  if (busy_) return;
  BusyScope scope(busy_);
  DoSaveAs();
}

bool ConsoleDocument::QueryUnload() {
  // While a box or dialog of another operation is up, the window stays open.
  if (busy_) return false;
  BusyScope scope(busy_);
  return SaveFirstPrompt();
}

bool ConsoleDocument::DoNew() {
  if (!SaveFirstPrompt()) return false;
  console_.buffer.clear();
  transition(Event::NewDone, console_.buffer.revision());
  return true;
}

bool ConsoleDocument::DoOpen() {
  if (!SaveFirstPrompt()) return false;
  const std::uint64_t prompted = console_.buffer.revision();
  strPrevFileName_ = fileName_;
  // The open dialog starts with an empty name; the console keeps its name until a file is read.
  const std::optional<std::string> chosen = dialog_.showOpen({});
  if (!chosen) {
    transition(Event::OpenAbandoned);
    return false;
  }
  ReadResult read = files_.read(*chosen, kMaxOpenBytes);
  if (!read.ok()) {
    Report("Could not open " + *chosen + ".\n" + OpenRefusal(read));
    transition(Event::OpenAbandoned);
    return false;
  }
  // Replies that arrived while the dialog was open would be lost without a word.
  if (console_.buffer.revision() != prompted && !SaveFirstPrompt()) {
    transition(Event::OpenAbandoned);
    return false;
  }
  console_.buffer.assign(std::move(read.bytes));
  fileName_ = *chosen;
  transition(Event::OpenDone, console_.buffer.revision());
  return true;
}

void ConsoleDocument::DoSave() {
  if (!blnHasFileName_) {
    DoSaveAs();
    return;
  }
  std::uint64_t revision = 0;
  const bool written = WriteTo(fileName_, revision);
  transition(written ? Event::SavedToKnownName : Event::SaveAbandoned, revision);
}

void ConsoleDocument::DoSaveAs() {
  FileDialogRequest request;
  request.fileName = fileName_;
  request.overwritePrompt = true;
  request.pathMustExist = true;
  const std::optional<std::string> chosen = dialog_.showSave(request);
  if (!chosen) {
    transition(Event::SaveAbandoned);
    return;
  }
  fileName_ = *chosen;
  std::uint64_t revision = 0;
  const bool written = WriteTo(fileName_, revision);
  transition(written ? Event::SaveAsDone : Event::SaveAbandoned, revision);
}

bool ConsoleDocument::SaveFirstPrompt() {
  if (!console_.blnConsoleChanged) return true;
  MessageBoxRequest request;
  request.text = std::string(kSaveFirstText);
  request.title = std::string(kMainTitle);
  request.buttons = MsgButtons::YesNoCancel;
  request.icon = MsgIcon::Exclamation;
  request.defaultButton = MsgAnswer::Cancel;
  const MsgAnswer answer = boxes_.show(request);
  intAnswer_ = static_cast<std::int16_t>(answer);
  switch (answer) {
    case MsgAnswer::Yes:
      DoSave();
      return !blnSaveCancelled_;
    case MsgAnswer::No:
      return true;
    case MsgAnswer::Cancel:
    case MsgAnswer::Ok:
      break;
  }
  return false;
}

bool ConsoleDocument::WriteTo(const std::string& path, std::uint64_t& revision) {
  // The text of record at this moment, bare line feeds of replies included.
  revision = console_.buffer.revision();
  const WriteResult written = files_.write(path, TextFileBytes(console_.buffer.text()));
  if (!written.ok) {
    Report("Could not save the console to " + path + ".\n" +
           (written.error.empty() ? std::string("The file could not be written.") : written.error));
  }
  return written.ok;
}

void ConsoleDocument::Report(const std::string& text) {
  MessageBoxRequest request;
  request.text = text;
  request.title = std::string(kMainTitle);
  request.icon = MsgIcon::Exclamation;
  boxes_.show(request);
}

}  // namespace rcon
