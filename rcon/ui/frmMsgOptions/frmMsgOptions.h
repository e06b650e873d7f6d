#pragma once
// The messaging options dialog: the interval and its unit, the messaging file and the message
// list. The decisions live in rcon::MessagingOptions; this window owns the controls.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "core/MessagingOptions.h"
#include "ui/Services.h"

namespace ui {

class MessageListBox;
class Shape;

class frmMsgOptions final : public QMainWindow, private rcon::MessagingOptionsView {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmMsgOptions)
 public:
  // Reads and writes the program's messaging settings, which outlive the dialog.
  frmMsgOptions(rcon::MessagingSettings& modVars, const Services& services);
  ~frmMsgOptions() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void createControls();
  void createMenus();
  void cmdOK_Click();
  void txtInterval_LostFocus();
  void txtFile_LostFocus();
  void TakeFocus();

  // rcon::MessagingOptionsView
  std::string listText() const override;
  void showList(const std::string& bytes) override;
  std::string intervalText() const override;
  void showInterval(const std::string& text) override;
  void showFile(const std::string& path) override;
  void showUnit(std::int64_t unit) override;

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* txtInterval = nullptr;
  QRadioButton* optInterval[2] = {};
  QLineEdit* txtFile = nullptr;
  MessageListBox* txtText = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;
  Shape* Shape4 = nullptr;
  Shape* Shape1 = nullptr;
  Shape* Shape2 = nullptr;

  QMenu* mnuFile = nullptr;
  QAction* mnuFileNew = nullptr;
  QAction* mnuFileOpen = nullptr;
  QAction* mnuFileSave = nullptr;
  QAction* mnuFileSaveAs = nullptr;

  rcon::MessagingOptions options_;
};

}  // namespace ui
