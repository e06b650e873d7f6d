// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messaging options dialog: the interval and its unit, the messaging file and the message
// list. The decisions live in rcon::MessagingOptions; this window owns the controls.
#include <QMainWindow>

#include "core/MessagingOptions.h"
#include "ui/Services.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

class MessageListBox;

class MessagingOptionsWindow final : public QMainWindow, private rcon::MessagingOptionsView {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(MessagingOptionsWindow)
 public:
  // Reads and writes the program's messaging settings, which outlive the dialog.
  MessagingOptionsWindow(rcon::MessagingSettings& settings, const Services& services);
  ~MessagingOptionsWindow() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void createControls();
  void createMenus();
  void accept();
  void tidyInterval();
  void takeFocus();

  // rcon::MessagingOptionsView
  std::string listText() const override;
  void showList(const std::string& bytes) override;
  std::string intervalText() const override;
  void showInterval(const std::string& text) override;
  void showFile(const std::string& path) override;
  void showUnit(std::int64_t unit) override;

  QLineEdit* interval_ = nullptr;
  QRadioButton* unitButtons_[2] = {};  // seconds, minutes
  QLineEdit* file_ = nullptr;
  MessageListBox* list_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;

  rcon::MessagingOptions options_;
};

}  // namespace ui
