// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/EditPart.h"

#include <QApplication>
#include <QLineEdit>

#include "platform/base/TextCodec.h"
#include "ui/frmRcon/ConsoleView.h"
#include "ui/frmRcon/FindBox.h"

namespace ui {
namespace {

// The text field the user is working in, if the Edit menu should act on it instead.
QLineEdit* editedField(const QWidget& window) {
  auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  return field != nullptr && field->window() == window.window() ? field : nullptr;
}

}  // namespace

EditPart::EditPart(const EditActions& actions, ConsoleView& console, QWidget& mainWindow)
    : console_(console), mainWindow_(mainWindow) {
  connect(actions.copy, &QAction::triggered, this, &EditPart::copy);
  connect(actions.selectAll, &QAction::triggered, this, &EditPart::selectAll);
  connect(actions.find, &QAction::triggered, this, &EditPart::openFindBox);
  connect(actions.findNext, &QAction::triggered, this, &EditPart::findNext);
}

EditPart::~EditPart() { delete box_; }

void EditPart::copy() {
  QLineEdit* field = editedField(mainWindow_);
  if (field != nullptr && field->hasSelectedText()) {
    field->copy();
  } else {
    console_.copy();
  }
}

void EditPart::selectAll() {
  if (QLineEdit* field = editedField(mainWindow_)) {
    field->selectAll();
  } else {
    console_.selectAll();
  }
}

void EditPart::openFindBox() {
  if (box_ == nullptr) {
    box_ = new FindBox(&mainWindow_);
    connect(box_, &FindBox::findNextRequested, this, &EditPart::findNext);
  }
  box_->open();
}

std::size_t EditPart::searchStart(bool backward) const {
  const auto [from, to] = console_.selectionRange();
  if (from < to) return backward ? from : to;
  // Replies clear the selection and put the caret at the end: go on from the last match.
  const rcon::ConsoleBuffer& buffer = console_.buffer();
  if (last_ && lastGeneration_ == buffer.generation() && console_.caret() == buffer.size()) {
    return backward ? last_->from : last_->to;
  }
  return console_.caret();
}

void EditPart::findNext() {
  const QString needle = box_ != nullptr ? box_->needle() : QString();
  if (needle.isEmpty()) {
    openFindBox();
    return;
  }
  const rcon::SearchOptions options = box_->options();
  const rcon::ConsoleBuffer& buffer = console_.buffer();
  const auto match = rcon::findText(buffer.text(), platform::FromQString(needle),
                                    searchStart(options.backward), options);
  if (!match) {
    box_->setResult(QStringLiteral("Cannot find \"%1\".").arg(needle));
    if (!box_->isVisible()) box_->open();
    return;
  }
  last_ = match;
  lastGeneration_ = buffer.generation();
  console_.select(match->from, match->to);
  QString where;
  if (match->wrapped) {
    where = options.backward ? QStringLiteral("Passed the top; continued from the bottom.")
                             : QStringLiteral("Passed the bottom; continued from the top.");
  }
  box_->setResult(where);
}

}  // namespace ui
