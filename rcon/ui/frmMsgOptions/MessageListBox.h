// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message list box. The document keeps no line-end style, so its text comes back with every
// line break as CR LF; the options logic keeps an unedited file's own bytes itself.
#include <QPlainTextEdit>
#include <string>

namespace ui {

class MessageListBox final : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit MessageListBox(QWidget* parent = nullptr) : QPlainTextEdit(parent) {}

  void setBytes(const std::string& bytes);
  std::string bytes() const;
};

}  // namespace ui
