// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmMsgOptions/frmMsgOptions.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "platform/base/TextCodec.h"
#include "ui/common/Geometry.h"
#include "ui/common/Look.h"
#include "ui/common/SaveAsKey.h"
#include "ui/common/WindowSetup.h"
#include "ui/frmMsgOptions/MessageListBox.h"

namespace ui {
namespace {

// A focus change that is not the user leaving the box for another control of the dialog.
bool staysInBox(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
         reason == Qt::MenuBarFocusReason;
}

}  // namespace

MessagingOptionsWindow::MessagingOptionsWindow(rcon::MessagingSettings& settings,
                                               const Services& services)
    : QMainWindow(nullptr, kToolWindowFlags),
      options_(settings, *this, *services.messageBox, *services.msgFileDialog, *services.files) {
  setUpWindow(this, "frmMsgOptions", QStringLiteral("Server Messaging Options"));
  createControls();
  createMenus();
  options_.load();
}

MessagingOptionsWindow::~MessagingOptionsWindow() = default;

void MessagingOptionsWindow::createControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  applyWindowLook(this);
  applyWindowLook(client);
  setCentralWidget(client);
  client->setFixedSize(twips(0, 0, 4950, 4110).size());
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  applyMenuBarLook(menuBar());

  // Frames first, so that the boxes they frame are drawn over them.
  auto frame = [client](const char* name, const QRect& box) {
    auto* shape = new Shape(client);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setGeometry(box.adjusted(-1, -1, 1, 1));
  };
  frame("Shape4", twips(1215, 195, 1080, 285));
  frame("Shape1", twips(1215, 1170, 3600, 285));
  frame("Shape2", twips(135, 1815, 4680, 1605));

  auto label = [client](const char* name, const QString& caption, const QRect& place,
                        Qt::Alignment align) {
    auto* l = new QLabel(caption, client);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    l->setAlignment(align | Qt::AlignTop);
  };
  label("Label1", QStringLiteral("Interval:"), twips(120, 240, 975, 255), Qt::AlignRight);
  label("Label3", QStringLiteral("Seconds"), twips(1440, 645, 975, 255), Qt::AlignLeft);
  label("Label4", QStringLiteral("Minutes"), twips(1455, 885, 975, 255), Qt::AlignLeft);
  label("Label2", QStringLiteral("File:"), twips(120, 1200, 975, 255), Qt::AlignRight);
  label("Label5", QStringLiteral("Type one message per line:"), twips(120, 1560, 4695, 255),
        Qt::AlignLeft);

  interval_ = new QLineEdit(QStringLiteral("5"), client);
  interval_->setObjectName(QStringLiteral("txtInterval"));
  interval_->setGeometry(twips(1215, 195, 1080, 285));
  for (int i = 0; i < 2; ++i) {
    unitButtons_[i] = new QRadioButton(client);
    unitButtons_[i]->setObjectName(QStringLiteral("optInterval(%1)").arg(i));
    unitButtons_[i]->setGeometry(twips(1200, i == 0 ? 600 : 840, 255, 255));
    // A click (or an arrow key, which clicks) chooses the unit; showing it at load does not.
    connect(unitButtons_[i], &QRadioButton::clicked, this, [this, i] { options_.unitChosen(i); });
  }
  unitButtons_[1]->setChecked(true);
  file_ = new QLineEdit(client);
  file_->setObjectName(QStringLiteral("txtFile"));
  file_->setGeometry(twips(1215, 1170, 3600, 285));
  list_ = new MessageListBox(client);
  list_->setObjectName(QStringLiteral("txtText"));
  list_->setGeometry(twips(135, 1815, 4680, 1605));
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list_->setFrameShape(QFrame::NoFrame);
  list_->setTabChangesFocus(true);
  ok_ = new QPushButton(QStringLiteral("OK"), client);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  ok_->setGeometry(twips(2520, 3600, 1095, 375));
  cancel_ = new QPushButton(QStringLiteral("&Cancel"), client);
  cancel_->setObjectName(QStringLiteral("cmdCancel"));
  cancel_->setGeometry(twips(3720, 3600, 1095, 375));

  for (QWidget* box : std::initializer_list<QWidget*>{interval_, file_, list_}) {
    applyBoxLook(box);
    box->installEventFilter(this);
  }
  reserveCtrlAForSaveAs(this);
  interval_->setFrame(false);
  file_->setFrame(false);
  for (QPushButton* button : {ok_, cancel_}) {
    button->setPalette(QApplication::palette(button));
    button->setAutoDefault(false);
  }

  QWidget* order[] = {interval_, unitButtons_[0], unitButtons_[1], file_, list_, ok_, cancel_};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

  connect(file_, &QLineEdit::textEdited, this,
          [this](const QString& text) { options_.fileEdited(platform::PathFromQString(text)); });
  connect(list_, &QPlainTextEdit::textChanged, this, [this] { options_.listEdited(); });
  connect(ok_, &QPushButton::clicked, this, &MessagingOptionsWindow::accept);
  connect(cancel_, &QPushButton::clicked, this, &QWidget::close);
}

void MessagingOptionsWindow::createMenus() {
  QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
  fileMenu->setObjectName(QStringLiteral("mnuFile"));
  // Each file command ends with the focus back on this dialog, whatever boxes came up.
  auto item = [this, fileMenu](const char* name, const QString& caption, QKeyCombination key,
                               auto operation) {
    QAction* action = fileMenu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, operation] {
      operation(options_);
      takeFocus();
    });
  };
  item("mnuFileNew", QStringLiteral("&New"), Qt::CTRL | Qt::Key_N,
       [](rcon::MessagingOptions& o) { o.newList(); });
  item("mnuFileOpen", QStringLiteral("&Open..."), Qt::CTRL | Qt::Key_O,
       [](rcon::MessagingOptions& o) { o.open(); });
  fileMenu->addSeparator()->setObjectName(QStringLiteral("Hyphen1"));
  item("mnuFileSave", QStringLiteral("&Save"), Qt::CTRL | Qt::Key_S,
       [](rcon::MessagingOptions& o) { o.save(); });
  item("mnuFileSaveAs", QStringLiteral("Save &As..."), Qt::CTRL | Qt::Key_A,
       [](rcon::MessagingOptions& o) { o.saveAs(); });
}

void MessagingOptionsWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  interval_->setFocus(Qt::TabFocusReason);
  takeFocus();
}

void MessagingOptionsWindow::accept() {
  if (options_.accept()) {
    close();
    return;
  }
  takeFocus();
}

void MessagingOptionsWindow::takeFocus() { activateWindow(); }

void MessagingOptionsWindow::tidyInterval() {
  interval_->setText(
      platform::ToQString(rcon::tidyInterval(platform::FromQString(interval_->text()))));
}

bool MessagingOptionsWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
      if (watched == interval_ || watched == file_) static_cast<QLineEdit*>(watched)->selectAll();
      break;
    case QEvent::FocusOut: {
      if (staysInBox(static_cast<QFocusEvent*>(event)->reason())) break;
      if (watched == interval_) tidyInterval();
      if (watched == file_) file_->setCursorPosition(file_->text().size());
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

std::string MessagingOptionsWindow::listText() const { return list_->bytes(); }

void MessagingOptionsWindow::showList(const std::string& bytes) { list_->setBytes(bytes); }

std::string MessagingOptionsWindow::intervalText() const {
  return platform::FromQString(interval_->text());
}

void MessagingOptionsWindow::showInterval(const std::string& text) {
  interval_->setText(platform::ToQString(text));
}

void MessagingOptionsWindow::showFile(const std::string& path) {
  file_->setText(platform::PathToQString(path));
  file_->setCursorPosition(file_->text().size());
}

void MessagingOptionsWindow::showUnit(std::int64_t unit) {
  if (unit == rcon::kSecondsUnit) unitButtons_[0]->setChecked(true);
  if (unit == rcon::kMinutesUnit) unitButtons_[1]->setChecked(true);
}

}  // namespace ui
