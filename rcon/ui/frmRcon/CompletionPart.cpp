// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/CompletionPart.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStringListModel>
#include <algorithm>

#include "core/Completion.h"
#include "platform/base/SideChannel.h"
#include "platform/base/TextCodec.h"
#include "ui/common/Look.h"
#include "ui/frmRcon/CommandHistoryKeys.h"

namespace ui {

CompletionPart::CompletionPart(rcon::ServerSession& session, QLineEdit& commandLine,
                               ChannelFactory channels)
    : session_(session),
      line_(commandLine),
      channels_(std::move(channels)),
      completer_(new QCompleter(this)),
      model_(new QStringListModel(completer_)) {
  completer_->setWidget(&line_);
  completer_->setCompletionMode(QCompleter::PopupCompletion);
  completer_->setModel(model_);
  completer_->popup()->setObjectName(QStringLiteral("lstCompletion"));
  applyBoxLook(completer_->popup());
  // Ahead of the completer's own handling, which would pass Return on to the command line and
  // send the half-typed command.
  completer_->popup()->installEventFilter(this);
  // A click on an item.
  connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
          &CompletionPart::insert);
  line_.installEventFilter(this);
}

// The channel goes before the words its answers would be filed under.
CompletionPart::~CompletionPart() { channel_.reset(); }

bool CompletionPart::eventFilter(QObject* watched, QEvent* event) {
  QAbstractItemView* popup = completer_->popup();
  if (watched == popup && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Tab) return false;
    const QString chosen = popup->currentIndex().data().toString();
    popup->hide();
    if (!chosen.isEmpty()) insert(chosen);
    return true;
  }
  if (watched == &line_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Space &&
        (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
      completeRequested();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

std::optional<std::string> CompletionPart::currentKey() const {
  const std::optional<Target> target = session_.target();
  if (!target) return std::nullopt;
  return target->host + ':' + std::to_string(target->port);
}

void CompletionPart::completeRequested() {
  waiting_.reset();
  if (fetchWords()) {
    waiting_ = std::pair(line_.text(), line_.cursorPosition());
    return;
  }
  complete();
}

bool CompletionPart::fetchWords() {
  const std::optional<Target> target = session_.target();
  if (!target) return false;
  const std::string key = target->host + ':' + std::to_string(target->port);
  if (const auto known = servers_.find(key); known != servers_.end()) {
    return known->second.fetching;
  }
  if (!channel_) {
    channel_ = channels_ ? channels_() : std::make_unique<platform::UdpSideChannel>();
  }
  if (channel_->busy()) return false;
  servers_[key] = {};
  ask(key, *target, "cmdlist");
  return servers_.count(key) != 0 && servers_[key].fetching;
}

void CompletionPart::ask(const std::string& key, const Target& target, const std::string& command) {
  const std::string request = "rcon " + target.password + ' ' + command;
  const bool sent = channel_->request(target.host, target.port, request,
                                      [this, key, target, command](const rcon::SideAnswer& answer) {
                                        answered(key, target, command, answer);
                                      });
  if (!sent) fetchEnded(key, command != "cmdlist");
}

void CompletionPart::answered(const std::string& key, const Target& target,
                              const std::string& command, const rcon::SideAnswer& answer) {
  const bool replied = answer.outcome == rcon::SideAnswer::Outcome::Reply;
  if (command == "cmdlist") {
    std::vector<std::string> names =
        replied ? rcon::parseCommandList(answer.text) : std::vector<std::string>{};
    // No names (no answer, a wrong password): asked again at the next Ctrl+Space.
    if (names.empty()) {
      fetchEnded(key, false);
      return;
    }
    servers_[key].words = std::move(names);
    ask(key, target, "cvarlist");
    return;
  }
  if (replied) {
    std::vector<std::string> names = rcon::parseVariableList(answer.text);
    std::vector<std::string>& words = servers_[key].words;
    words.insert(words.end(), names.begin(), names.end());
  }
  fetchEnded(key, true);
}

void CompletionPart::fetchEnded(const std::string& key, bool gotWords) {
  if (gotWords) {
    servers_[key].fetching = false;
  } else {
    servers_.erase(key);
  }
  if (!waiting_ || currentKey() != key) return;
  const bool unchanged =
      waiting_->first == line_.text() && waiting_->second == line_.cursorPosition();
  waiting_.reset();
  if (unchanged && line_.hasFocus()) complete();
}

void CompletionPart::complete() {
  const std::string before = platform::FromQString(line_.text().left(line_.cursorPosition()));
  const std::string prefix = before.substr(rcon::wordStart(before));
  std::vector<std::string> words;
  if (const rcon::CommandHistory* history = CommandHistoryKeys::historyOf(line_)) {
    words = rcon::wordsOf({history->entries().begin(), history->entries().end()});
  }
  if (const std::optional<std::string> key = currentKey()) {
    if (const auto known = servers_.find(*key); known != servers_.end()) {
      words.insert(words.end(), known->second.words.begin(), known->second.words.end());
    }
  }
  const std::vector<std::string> matches = rcon::completionsOf(prefix, words);
  if (matches.empty()) return;
  if (matches.size() == 1) {
    insert(platform::ToQString(matches.front()));
    return;
  }
  QStringList items;
  for (const std::string& match : matches) items.push_back(platform::ToQString(match));
  model_->setStringList(items);
  completer_->setCompletionPrefix(QString());
  QAbstractItemView* popup = completer_->popup();
  // Under the word being completed.
  const int x = line_.fontMetrics().horizontalAdvance(
      line_.text().left(line_.cursorPosition() - static_cast<int>(prefix.size())));
  const QRect at(std::min(x, line_.width() / 2), 0,
                 popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width() + 8,
                 line_.height());
  completer_->complete(at);
}

void CompletionPart::insert(const QString& word) {
  const int caret = line_.cursorPosition();
  const std::string before = platform::FromQString(line_.text().left(caret));
  const auto length = static_cast<int>(before.size() - rcon::wordStart(before));
  // Replaces the word typed so far, as one step the user can undo.
  line_.setSelection(caret - length, length);
  line_.insert(word);
}

}  // namespace ui
