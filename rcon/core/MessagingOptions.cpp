#include "core/MessagingOptions.h"

#include <algorithm>
#include <limits>

#include "core/Connection.h"
#include "core/MessageScheduler.h"
#include "core/NumericValue.h"
#include "core/TextFile.h"

namespace rcon {

std::string TidyInterval(std::string_view text) { return std::to_string(fieldValue(text)); }

AcceptedInterval AcceptInterval(std::string_view text, std::int64_t unit) {
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

void MessagingOptions::Load() {
  view_.showUnit(settings_.intMsgUnit);
  view_.showInterval(settings_.strMsgInterval);
  view_.showFile(settings_.strMsgFile);
  // A missing or unreadable file is an empty list; the user can type one and save it.
  ReadResult file = files_.read(settings_.strMsgFile, kMaxOpenBytes);
  view_.showList(file.ok() ? file.bytes : std::string());
  const bool unread = !file.ok() && file.status != ReadResult::Status::NotFound;
  unreadFile_ = unread ? settings_.strMsgFile : std::string();
  blnListChanged_ = false;
}

bool MessagingOptions::OK() {
  // The empty list that stands for a file Load could not read is not written over that file:
  // that would replace its messages with nothing.
  const bool keepUnreadFile =
      !blnListChanged_ && !unreadFile_.empty() && unreadFile_ == settings_.strMsgFile;
  const bool saved = keepUnreadFile || Save();
  blnSaveFailed_ = false;
  if (!saved) return false;
  const AcceptedInterval interval = AcceptInterval(view_.intervalText(), settings_.intMsgUnit);
  if (interval.text != view_.intervalText()) view_.showInterval(interval.text);
  settings_.strMsgInterval = interval.text;
  settings_.lngMsgSeconds = interval.seconds;
  settings_.strMsgText = view_.listText();
  return true;
}

bool MessagingOptions::Write(const std::string& path, const std::string& text) {
  return files_.write(path, TextFileBytes(text)).ok;
}

bool MessagingOptions::Save() {
  std::string text = view_.listText();
  if (!Write(settings_.strMsgFile, text)) {
    blnSaveFailed_ = true;
    messageBox_.show({std::string(kInvalidFilename), std::string(kMainTitle)});
    return false;
  }
  blnSaveFailed_ = false;
  blnListChanged_ = false;
  unreadFile_.clear();
  settings_.strMsgText = std::move(text);
  return true;
}

FileDialogRequest MessagingOptions::Request(bool saving) const {
  FileDialogRequest request;
  request.fileName = settings_.strMsgFile;
  request.overwritePrompt = saving;
  request.pathMustExist = saving;
  return request;
}

bool MessagingOptions::SaveAs() {
  const std::optional<std::string> chosen = fileDialog_.showSave(Request(true));
  if (!chosen) {
    blnSaveFailed_ = true;
    return false;
  }
  std::string text = view_.listText();
  if (!Write(*chosen, text)) {
    // A save the user asked for and that did not happen must not pass in silence.
    blnSaveFailed_ = true;
    messageBox_.show({std::string(kInvalidFilename), std::string(kMainTitle)});
    return false;
  }
  blnSaveFailed_ = false;
  settings_.strMsgFile = *chosen;
  blnListChanged_ = false;
  view_.showFile(settings_.strMsgFile);
  settings_.strMsgText = std::move(text);
  return true;
}

void MessagingOptions::Open() {
  if (blnListChanged_ && !SaveFirst()) return;
  const std::optional<std::string> chosen = fileDialog_.showOpen(Request(false));
  if (!chosen) return;
  ReadResult file = files_.read(*chosen, kMaxOpenBytes);
  if (!file.ok()) return;
  view_.showList(file.bytes);
  unreadFile_.clear();
  settings_.strMsgFile = *chosen;
  view_.showFile(settings_.strMsgFile);
  blnListChanged_ = false;
}

void MessagingOptions::New() {
  if (blnListChanged_ && !SaveFirst()) return;
  view_.showList({});
  SaveAs();
  blnListChanged_ = false;
}

bool MessagingOptions::SaveFirst() {
  MessageBoxRequest question{std::string(kSaveListFirst), std::string(kMainTitle)};
  question.buttons = MsgButtons::YesNoCancel;
  question.defaultButton = MsgAnswer::Yes;
  switch (messageBox_.show(question)) {
    case MsgAnswer::Yes:
      Save();
      if (blnSaveFailed_) {
        blnSaveFailed_ = false;
        return false;
      }
      return true;
    case MsgAnswer::No:
      return true;
    default:
      return false;
  }
}

}  // namespace rcon
