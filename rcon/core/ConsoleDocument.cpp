// SPDX-License-Identifier: GPL-3.0-or-later
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

std::string openRefusal(const ReadResult& result) {
  switch (result.status) {
    case ReadResult::Status::NotRegular:
      return "It is not a regular file.";
    case ReadResult::Status::TooLarge:
      return "It is larger than " + std::to_string(kMaxOpenBytes / (std::uint64_t{1024} * 1024)) +
             " MiB, more than the console can hold.";
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
    if (console_.buffer.revision() == revision) console_.unsaved = false;
  };
  switch (event) {
    case Event::NewDone:
      markSaved();
      fileName_.clear();
      titled_ = false;
      break;
    case Event::OpenDone:
      markSaved();
      titled_ = true;
      break;
    case Event::OpenAbandoned:
      fileName_ = previousFileName_;
      break;
    case Event::SavedToKnownName:
      markSaved();
      saveAbandoned_ = false;
      break;
    case Event::SaveAsDone:
      markSaved();
      saveAbandoned_ = false;
      titled_ = true;
      break;
    case Event::SaveAbandoned:
      saveAbandoned_ = true;
      break;
  }
}

bool ConsoleDocument::newDocument() {
  if (busy_) return false;
  BusyScope scope(busy_);
  return doNew();
}

bool ConsoleDocument::open() {
  if (busy_) return false;
  BusyScope scope(busy_);
  return doOpen();
}

void ConsoleDocument::save() {
  if (busy_) return;
  BusyScope scope(busy_);
  doSave();
}

void ConsoleDocument::saveAs() {
  if (busy_) return;
  BusyScope scope(busy_);
  doSaveAs();
}

bool ConsoleDocument::queryClose() {
  // While a box or dialog of another operation is up, the window stays open.
  if (busy_) return false;
  BusyScope scope(busy_);
  return saveFirstPrompt();
}

bool ConsoleDocument::doNew() {
  // Replies that arrive while the prompt is up would be cleared without a word: ask again.
  std::uint64_t prompted = 0;
  do {
    prompted = console_.buffer.revision();
    if (!saveFirstPrompt()) return false;
  } while (console_.buffer.revision() != prompted && console_.unsaved);
  console_.buffer.clear();
  transition(Event::NewDone, console_.buffer.revision());
  return true;
}

bool ConsoleDocument::doOpen() {
  if (!saveFirstPrompt()) return false;
  const std::uint64_t prompted = console_.buffer.revision();
  previousFileName_ = fileName_;
  // The open dialog starts with an empty name; the console keeps its name until a file is read.
  const std::optional<std::string> chosen = dialog_.showOpen({});
  if (!chosen) {
    transition(Event::OpenAbandoned);
    return false;
  }
  ReadResult read = files_.read(*chosen, kMaxOpenBytes);
  if (!read.ok()) {
    report("Could not open " + *chosen + ".\n" + openRefusal(read));
    transition(Event::OpenAbandoned);
    return false;
  }
  // Replies that arrived while the dialog was open would be lost without a word.
  if (console_.buffer.revision() != prompted && !saveFirstPrompt()) {
    transition(Event::OpenAbandoned);
    return false;
  }
  console_.buffer.assign(std::move(read.bytes));
  fileName_ = *chosen;
  transition(Event::OpenDone, console_.buffer.revision());
  return true;
}

void ConsoleDocument::doSave() {
  if (!titled_) {
    doSaveAs();
    return;
  }
  std::uint64_t revision = 0;
  const bool written = writeTo(fileName_, revision);
  transition(written ? Event::SavedToKnownName : Event::SaveAbandoned, revision);
}

void ConsoleDocument::doSaveAs() {
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
  const bool written = writeTo(fileName_, revision);
  transition(written ? Event::SaveAsDone : Event::SaveAbandoned, revision);
}

bool ConsoleDocument::saveFirstPrompt() {
  if (!console_.unsaved) return true;
  MessageBoxRequest request;
  request.text = std::string(kSaveFirstText);
  request.title = std::string(kMainTitle);
  request.buttons = MsgButtons::YesNoCancel;
  request.icon = MsgIcon::Exclamation;
  request.defaultButton = MsgAnswer::Cancel;
  const MsgAnswer answer = boxes_.show(request);
  lastAnswer_ = static_cast<std::int16_t>(answer);
  switch (answer) {
    case MsgAnswer::Yes:
      doSave();
      return !saveAbandoned_;
    case MsgAnswer::No:
      return true;
    case MsgAnswer::Cancel:
    case MsgAnswer::Ok:
      break;
  }
  return false;
}

bool ConsoleDocument::writeTo(const std::string& path, std::uint64_t& revision) {
  // The text of record at this moment, bare line feeds of replies included.
  revision = console_.buffer.revision();
  const WriteResult written = files_.write(path, textFileBytes(console_.buffer.text()));
  if (!written.ok) {
    report("Could not save the console to " + path + ".\n" +
           (written.error.empty() ? std::string("The file could not be written.") : written.error));
  }
  return written.ok;
}

void ConsoleDocument::report(const std::string& text) {
  MessageBoxRequest request;
  request.text = text;
  request.title = std::string(kMainTitle);
  request.icon = MsgIcon::Exclamation;
  boxes_.show(request);
}

}  // namespace rcon
