// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the messaging options dialog decides: the interval arithmetic, loading and saving the
// message list, and the order of the save-first prompt, file dialogs and saves. The dialog's
// widgets stay behind MessagingOptionsView.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/MessagingSettings.h"
#include "core/Protocol.h"
#include "core/Services.h"

namespace rcon {

inline constexpr std::string_view kInvalidFilename{"Invalid Filename, Please Enter Another"};
inline constexpr std::string_view kSaveListFirst{"Would you like to save the commands first?"};
inline constexpr std::string_view kReplaceFile{" already exists.\nDo you want to replace it?"};

// The interval box as leaving it tidies it: the number's whole part in plain digits.
std::string tidyInterval(std::string_view text);

// What OK accepts: no number or 0 becomes "1", a negative number its negation; the seconds are
// the whole part times the unit, kept within the 32-bit range.
struct AcceptedInterval {
  std::string text;
  std::int64_t seconds = 0;
};
AcceptedInterval acceptInterval(std::string_view text, std::int64_t unit);

// The dialog's controls as the options logic reads and writes them.
class MessagingOptionsView {
 public:
  virtual ~MessagingOptionsView() = default;
  virtual std::string listText() const = 0;  // the list box's text, each line break a CR LF
  virtual void showList(const std::string& bytes) = 0;
  virtual std::string intervalText() const = 0;
  virtual void showInterval(const std::string& text) = 0;
  virtual void showFile(const std::string& path) = 0;  // caret at the end
  virtual void showUnit(std::int64_t unit) = 0;
};

class MessagingOptions final {
 public:
  MessagingOptions(MessagingSettings& settings, MessagingOptionsView& view,
                   MessageBoxService& messageBox, FileDialogService& fileDialog, FileStore& files);

  void load();
  bool accept();  // OK: true when the dialog may close
  bool save();
  bool saveAs();
  void open();
  void newList();

  void listEdited() {
    listChanged_ = true;
    fileBytes_.reset();
  }
  void unitChosen(int index) { settings_.unitSeconds = index == 0 ? kSecondsUnit : kMinutesUnit; }
  void fileEdited(std::string path) { settings_.file = std::move(path); }

 private:
  bool saveFirst();  // false ends the operation that asked
  bool mayReplace(const std::string& path);
  bool write(const std::string& path);
  std::string listBytes() const;
  void showFileList(const std::string& path, std::string bytes);
  FileDialogRequest dialogRequest(bool saving) const;

  MessagingSettings& settings_;
  MessagingOptionsView& view_;
  MessageBoxService& messageBox_;
  FileDialogService& fileDialog_;
  FileStore& files_;
  bool listChanged_ = false;
  std::string unreadFile_;  // a file Load found but could not read
  // The file whose list the dialog shows (read or written by it); empty after New. Any other
  // file is only written over after a question.
  std::string listFile_;
  // The file's bytes while the list is unedited: saved as they are, whatever the box makes of
  // their line ends.
  std::optional<std::string> fileBytes_;
  std::string_view lineEnd_ = kCrLf;  // the list's own line end, kept by edits and saves
};

}  // namespace rcon
