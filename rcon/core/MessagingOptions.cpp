#include "core/MessagingOptions.h"

#include <algorithm>
#include <limits>

#include "core/Connection.h"
#include "core/MessageScheduler.h"
#include "core/NumericValue.h"
#include "core/TextFile.h"

namespace rcon {

std::string tidyInterval(std::string_view text) { return std::to_string(fieldValue(text)); }

AcceptedInterval acceptInterval(std::string_view text, std::int64_t unit) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  const std::int64_t value = fieldValue(text);
  AcceptedInterval accepted;
  if (value < 0) {
    accepted.text = std::to_string(value < -kMax ? kMax : -value);
  } else if (value == 0) {
    accepted.text = std::to_string(1);
  } else {
    accepted.text = std::string(text);
  }
  const std::int64_t whole = std::min(fieldValue(accepted.text), MessageScheduler::kMaxSeconds);
  accepted.seconds = std::clamp<std::int64_t>(whole * std::max<std::int64_t>(unit, 1), 1,
                                              MessageScheduler::kMaxSeconds);
  return accepted;
}

MessagingOptions::MessagingOptions(MessagingSettings& settings, MessagingOptionsView& view,
                                   MessageBoxService& messageBox, FileDialogService& fileDialog,
                                   FileStore& files)
    : settings_(settings),
      view_(view),
      messageBox_(messageBox),
      fileDialog_(fileDialog),
      files_(files) {}

void MessagingOptions::load() {
  view_.showUnit(settings_.unitSeconds);
  view_.showInterval(settings_.intervalText);
  view_.showFile(settings_.file);
  // A missing or unreadable file is an empty list; the user can type one and save it.
  ReadResult file = files_.read(settings_.file, kMaxOpenBytes);
  view_.showList(file.ok() ? file.bytes : std::string());
  const bool unread = !file.ok() && file.status != ReadResult::Status::NotFound;
  unreadFile_ = unread ? settings_.file : std::string();
  listChanged_ = false;
}

bool MessagingOptions::accept() {
  // The empty list that stands for a file load() could not read is not written over that file:
  // that would replace its messages with nothing.
  const bool keepUnreadFile =
      !listChanged_ && !unreadFile_.empty() && unreadFile_ == settings_.file;
  const bool saved = keepUnreadFile || save();
  if (!saved) return false;
  const AcceptedInterval interval = acceptInterval(view_.intervalText(), settings_.unitSeconds);
  if (interval.text != view_.intervalText()) view_.showInterval(interval.text);
  settings_.intervalText = interval.text;
  settings_.seconds = interval.seconds;
  settings_.text = view_.listText();
  return true;
}

bool MessagingOptions::write(const std::string& path, const std::string& text) {
  return files_.write(path, textFileBytes(text)).ok;
}

bool MessagingOptions::save() {
  std::string text = view_.listText();
  if (!write(settings_.file, text)) {
    messageBox_.show({std::string(kInvalidFilename), std::string(kMainTitle)});
    return false;
  }
  listChanged_ = false;
  unreadFile_.clear();
  settings_.text = std::move(text);
  return true;
}

FileDialogRequest MessagingOptions::dialogRequest(bool saving) const {
  FileDialogRequest request;
  request.fileName = settings_.file;
  request.overwritePrompt = saving;
  request.pathMustExist = saving;
  return request;
}

bool MessagingOptions::saveAs() {
  const std::optional<std::string> chosen = fileDialog_.showSave(dialogRequest(true));
  if (!chosen) return false;
  std::string text = view_.listText();
  if (!write(*chosen, text)) {
    // A save the user asked for and that did not happen must not pass in silence.
    messageBox_.show({std::string(kInvalidFilename), std::string(kMainTitle)});
    return false;
  }
  settings_.file = *chosen;
  listChanged_ = false;
  view_.showFile(settings_.file);
  settings_.text = std::move(text);
  return true;
}

void MessagingOptions::open() {
  if (listChanged_ && !saveFirst()) return;
  const std::optional<std::string> chosen = fileDialog_.showOpen(dialogRequest(false));
  if (!chosen) return;
  ReadResult file = files_.read(*chosen, kMaxOpenBytes);
  if (!file.ok()) return;
  view_.showList(file.bytes);
  unreadFile_.clear();
  settings_.file = *chosen;
  view_.showFile(settings_.file);
  listChanged_ = false;
}

void MessagingOptions::newList() {
  if (listChanged_ && !saveFirst()) return;
  view_.showList({});
  saveAs();
  listChanged_ = false;
}

bool MessagingOptions::saveFirst() {
  MessageBoxRequest question{std::string(kSaveListFirst), std::string(kMainTitle)};
  question.buttons = MsgButtons::YesNoCancel;
  question.defaultButton = MsgAnswer::Yes;
  switch (messageBox_.show(question)) {
    case MsgAnswer::Yes:
      return save();
    case MsgAnswer::No:
      return true;
    default:
      return false;
  }
}

}  // namespace rcon
