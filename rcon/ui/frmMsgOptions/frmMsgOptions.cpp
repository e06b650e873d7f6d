#include "ui/frmMsgOptions/frmMsgOptions.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>

#include "platform/base/TextCodec.h"
#include "ui/common/Look.h"
#include "ui/frmMsgOptions/MessageListBox.h"

namespace ui {
namespace {

// Design positions are in twips: 15 to the pixel.
QRect Twips(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

// A focus change that is not the user leaving the box for another control of the dialog.
bool StaysInBox(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
         reason == Qt::MenuBarFocusReason;
}

}  // namespace

frmMsgOptions::frmMsgOptions(rcon::MessagingSettings& modVars, const Services& services)
    // No owner, so that disabling the main window leaves this one usable; a tool window keeps
    // it out of the taskbar.
    : QMainWindow(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint),
      options_(modVars, *this, *services.messageBox, *services.msgFileDialog, *services.files) {
  setObjectName(QStringLiteral("frmMsgOptions"));
  setWindowTitle(QStringLiteral("Server Messaging Options"));
  setWindowIcon(QIcon(QStringLiteral(":/vortane-rcon.png")));
  createControls();
  createMenus();
  options_.load();
}

frmMsgOptions::~frmMsgOptions() = default;

void frmMsgOptions::createControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  ApplyWindowLook(this);
  ApplyWindowLook(client);
  setCentralWidget(client);
  client->setFixedSize(Twips(0, 0, 4950, 4110).size());
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  menuBar()->setPalette(QApplication::palette(menuBar()));
  menuBar()->setFont(QApplication::font(menuBar()));

  // Frames first, so that the boxes they frame are drawn over them.
  auto shape = [client](const char* name, const QRect& box) {
    auto* frame = new Shape(client);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(box.adjusted(-1, -1, 1, 1));
    return frame;
  };
  Shape4 = shape("Shape4", Twips(1215, 195, 1080, 285));
  Shape1 = shape("Shape1", Twips(1215, 1170, 3600, 285));
  Shape2 = shape("Shape2", Twips(135, 1815, 4680, 1605));

  auto label = [client](const char* name, const QString& caption, const QRect& place,
                        Qt::Alignment align) {
    auto* l = new QLabel(caption, client);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    l->setAlignment(align | Qt::AlignTop);
    return l;
  };
  Label1 = label("Label1", QStringLiteral("Interval:"), Twips(120, 240, 975, 255), Qt::AlignRight);
  Label3 = label("Label3", QStringLiteral("Seconds"), Twips(1440, 645, 975, 255), Qt::AlignLeft);
  Label4 = label("Label4", QStringLiteral("Minutes"), Twips(1455, 885, 975, 255), Qt::AlignLeft);
  Label2 = label("Label2", QStringLiteral("File:"), Twips(120, 1200, 975, 255), Qt::AlignRight);
  Label5 = label("Label5", QStringLiteral("Type one message per line:"),
                 Twips(120, 1560, 4695, 255), Qt::AlignLeft);

  txtInterval = new QLineEdit(QStringLiteral("5"), client);
  txtInterval->setObjectName(QStringLiteral("txtInterval"));
  txtInterval->setGeometry(Twips(1215, 195, 1080, 285));
  for (int i = 0; i < 2; ++i) {
    optInterval[i] = new QRadioButton(client);
    optInterval[i]->setObjectName(QStringLiteral("optInterval(%1)").arg(i));
    optInterval[i]->setGeometry(Twips(1200, i == 0 ? 600 : 840, 255, 255));
    // A click (or an arrow key, which clicks) chooses the unit; showing it at load does not.
    connect(optInterval[i], &QRadioButton::clicked, this, [this, i] { options_.unitChosen(i); });
  }
  optInterval[1]->setChecked(true);
  txtFile = new QLineEdit(client);
  txtFile->setObjectName(QStringLiteral("txtFile"));
  txtFile->setGeometry(Twips(1215, 1170, 3600, 285));
  txtText = new MessageListBox(client);
  txtText->setObjectName(QStringLiteral("txtText"));
  txtText->setGeometry(Twips(135, 1815, 4680, 1605));
  txtText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtText->setFrameShape(QFrame::NoFrame);
  txtText->setTabChangesFocus(true);
  cmdOK = new QPushButton(QStringLiteral("OK"), client);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(Twips(2520, 3600, 1095, 375));
  cmdCancel = new QPushButton(QStringLiteral("&Cancel"), client);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  cmdCancel->setGeometry(Twips(3720, 3600, 1095, 375));

  for (QWidget* box : std::initializer_list<QWidget*>{txtInterval, txtFile, txtText}) {
    ApplyBoxLook(box);
    box->installEventFilter(this);
  }
  txtInterval->setFrame(false);
  txtFile->setFrame(false);
  for (QPushButton* button : {cmdOK, cmdCancel}) {
    button->setPalette(QApplication::palette(button));
    button->setAutoDefault(false);
  }

  QWidget* order[] = {txtInterval, optInterval[0], optInterval[1], txtFile,
                      txtText,     cmdOK,          cmdCancel};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

  connect(txtFile, &QLineEdit::textEdited, this,
          [this](const QString& text) { options_.fileEdited(platform::PathFromQString(text)); });
  connect(txtText, &QPlainTextEdit::textChanged, this, [this] { options_.listEdited(); });
  connect(cmdOK, &QPushButton::clicked, this, &frmMsgOptions::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
}

void frmMsgOptions::createMenus() {
  auto item = [this](const char* name, const QString& caption, QKeyCombination key) {
    QAction* action = mnuFile->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
  };
  mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuFileNew = item("mnuFileNew", QStringLiteral("&New"), Qt::CTRL | Qt::Key_N);
  mnuFileOpen = item("mnuFileOpen", QStringLiteral("&Open..."), Qt::CTRL | Qt::Key_O);
  mnuFile->addSeparator()->setObjectName(QStringLiteral("Hyphen1"));
  mnuFileSave = item("mnuFileSave", QStringLiteral("&Save"), Qt::CTRL | Qt::Key_S);
  mnuFileSaveAs = item("mnuFileSaveAs", QStringLiteral("Save &As..."), Qt::CTRL | Qt::Key_A);

  // Each file command ends with the focus back on this dialog, whatever boxes came up.
  auto run = [this](auto operation) {
    return [this, operation] {
      operation(options_);
      TakeFocus();
    };
  };
  connect(mnuFileNew, &QAction::triggered, this, run([](auto& o) { o.newList(); }));
  connect(mnuFileOpen, &QAction::triggered, this, run([](auto& o) { o.open(); }));
  connect(mnuFileSave, &QAction::triggered, this, run([](auto& o) { o.save(); }));
  connect(mnuFileSaveAs, &QAction::triggered, this, run([](auto& o) { o.saveAs(); }));
}

void frmMsgOptions::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  txtInterval->setFocus(Qt::TabFocusReason);
  TakeFocus();
}

void frmMsgOptions::cmdOK_Click() {
  if (options_.accept()) {
    close();
    return;
  }
  TakeFocus();
}

void frmMsgOptions::TakeFocus() { activateWindow(); }

void frmMsgOptions::txtInterval_LostFocus() {
  txtInterval->setText(
      platform::ToQString(rcon::tidyInterval(platform::FromQString(txtInterval->text()))));
}

void frmMsgOptions::txtFile_LostFocus() { txtFile->setCursorPosition(txtFile->text().size()); }

bool frmMsgOptions::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
      if (watched == txtInterval || watched == txtFile)
        static_cast<QLineEdit*>(watched)->selectAll();
      break;
    case QEvent::FocusOut: {
      if (StaysInBox(static_cast<QFocusEvent*>(event)->reason())) break;
      if (watched == txtInterval) txtInterval_LostFocus();
      if (watched == txtFile) txtFile_LostFocus();
      break;
    }
    case QEvent::ShortcutOverride: {
      // A text box would take Ctrl+A for select-all; here it is Save As.
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_A) {
        event->ignore();
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

std::string frmMsgOptions::listText() const { return txtText->bytes(); }

void frmMsgOptions::showList(const std::string& bytes) { txtText->setBytes(bytes); }

std::string frmMsgOptions::intervalText() const {
  return platform::FromQString(txtInterval->text());
}

void frmMsgOptions::showInterval(const std::string& text) {
  txtInterval->setText(platform::ToQString(text));
}

void frmMsgOptions::showFile(const std::string& path) {
  txtFile->setText(platform::PathToQString(path));
  txtFile->setCursorPosition(txtFile->text().size());
}

void frmMsgOptions::showUnit(std::int64_t unit) {
  if (unit == 1) optInterval[0]->setChecked(true);
  if (unit == 60) optInterval[1]->setChecked(true);
}

}  // namespace ui
