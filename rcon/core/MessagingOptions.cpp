// SPDX-License-Identifier: GPL-3.0-or-later
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
  ReadResult file = files_.read(settings_.file, kMaxOpenBytes);
  if (file.ok()) {
    showFileList(settings_.file, std::move(file.bytes));
  } else {
    // A missing or unreadable file is an empty list; the user can type one and save it.
    view_.showList({});
    fileBytes_.reset();
    lineEnd_ = kCrLf;
    listFile_.clear();
    listChanged_ = false;
  }
  const bool unread = !file.ok() && file.status != ReadResult::Status::NotFound;
  unreadFile_ = unread ? settings_.file : std::string();
}

void MessagingOptions::showFileList(const std::string& path, std::string bytes) {
  view_.showList(bytes);
  lineEnd_ = lineEndOf(bytes);
  fileBytes_ = std::move(bytes);
  listFile_ = path;
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
  settings_.text = listBytes();
  return true;
}

std::string MessagingOptions::listBytes() const {
  if (fileBytes_) return *fileBytes_;
  std::string text = view_.listText();
  if (lineEnd_ == kCrLf) return text;
  // The box gives every line break as CR LF; a list written with LF alone keeps LF.
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    bytes.push_back(text[i]);
  }
  return bytes;
}

bool MessagingOptions::write(const std::string& path) {
  std::string text = listBytes();
  const std::string bytes = fileBytes_ ? text : textFileBytes(text, lineEnd_);
  if (!files_.write(path, bytes).ok) return false;
  listFile_ = path;
  listChanged_ = false;
  settings_.text = std::move(text);
  return true;
}

bool MessagingOptions::mayReplace(const std::string& path) {
  if (path == listFile_) return true;
  // With no bytes allowed the read only tells whether something is there.
  if (files_.read(path, 0).status == ReadResult::Status::NotFound) return true;
  MessageBoxRequest question{path + std::string(kReplaceFile), std::string(kMainTitle)};
  question.buttons = MsgButtons::YesNo;
  question.defaultButton = MsgAnswer::No;
  return messageBox_.show(question) == MsgAnswer::Yes;
}

bool MessagingOptions::save() {
  // A file the dialog did not load holds someone else's text: it is replaced only when the
  // user says so.
  if (!mayReplace(settings_.file)) return false;
  if (!write(settings_.file)) {
    messageBox_.show({std::string(kInvalidFilename), std::string(kMainTitle)});
    return false;
  }
  unreadFile_.clear();
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
  if (!write(*chosen)) {
    // A save the user asked for and that did not happen must not pass in silence.
    messageBox_.show({std::string(kInvalidFilename), std::string(kMainTitle)});
    return false;
  }
  settings_.file = *chosen;
  view_.showFile(settings_.file);
  return true;
}

void MessagingOptions::open() {
  if (listChanged_ && !saveFirst()) return;
  const std::optional<std::string> chosen = fileDialog_.showOpen(dialogRequest(false));
  if (!chosen) return;
  ReadResult file = files_.read(*chosen, kMaxOpenBytes);
  if (!file.ok()) return;
  showFileList(*chosen, std::move(file.bytes));
  unreadFile_.clear();
  settings_.file = *chosen;
  view_.showFile(settings_.file);
}

void MessagingOptions::newList() {
  if (listChanged_ && !saveFirst()) return;
  // The new list belongs to no file until Save As gives it one: whatever file OK then names is
  // replaced only after a question.
  view_.showList({});
  fileBytes_.reset();
  lineEnd_ = kCrLf;
  listFile_.clear();
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
