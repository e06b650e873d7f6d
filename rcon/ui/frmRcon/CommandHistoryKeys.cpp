// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/CommandHistoryKeys.h"

#include <QKeyEvent>

#include "platform/base/TextCodec.h"

namespace ui {

CommandHistoryKeys::CommandHistoryKeys(QLineEdit& line) : QObject(&line), line_(line) {
  line_.installEventFilter(this);
}

void CommandHistoryKeys::record(QLineEdit& line) {
  auto* keys = line.findChild<CommandHistoryKeys*>(QString(), Qt::FindDirectChildrenOnly);
  if (keys != nullptr) keys->history_.record(platform::FromQString(line.text()));
}

const rcon::CommandHistory* CommandHistoryKeys::historyOf(const QLineEdit& line) {
  const auto* keys = line.findChild<CommandHistoryKeys*>(QString(), Qt::FindDirectChildrenOnly);
  return keys != nullptr ? &keys->history_ : nullptr;
}

bool CommandHistoryKeys::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &line_ || event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  std::optional<std::string> shown;
  if (key->key() == Qt::Key_Up) {
    shown = history_.older(platform::FromQString(line_.text()));
  } else if (key->key() == Qt::Key_Down) {
    shown = history_.newer();
  } else {
    return false;
  }
  if (shown) line_.setText(platform::ToQString(*shown));
  return true;
}

}  // namespace ui
