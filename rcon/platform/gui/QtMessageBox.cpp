// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/base/TextCodec.h"

namespace platform {
namespace {

QMessageBox::StandardButton ButtonFor(rcon::MsgAnswer answer) {
  switch (answer) {
    case rcon::MsgAnswer::Yes:
      return QMessageBox::Yes;
    case rcon::MsgAnswer::No:
      return QMessageBox::No;
    case rcon::MsgAnswer::Cancel:
      return QMessageBox::Cancel;
    case rcon::MsgAnswer::Ok:
      break;
  }
  return QMessageBox::Ok;
}

}  // namespace

rcon::MsgAnswer QtMessageBox::show(const rcon::MessageBoxRequest& request) {
  // Over whichever of the program's windows is in front (a dialog may be, with the main window
  // disabled behind it).
  QWidget* over =
      QApplication::activeWindow() != nullptr ? QApplication::activeWindow() : parent_.data();
  QMessageBox box(over);
  box.setWindowTitle(request.title.empty() ? QString(kApplicationTitle) : ToQString(request.title));
  box.setText(MessageToQString(request.text));
  box.setIcon(request.icon == rcon::MsgIcon::Exclamation ? QMessageBox::Warning
                                                         : QMessageBox::NoIcon);
  if (request.buttons == rcon::MsgButtons::YesNoCancel) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(ButtonFor(request.defaultButton));
    box.setEscapeButton(QMessageBox::Cancel);  // closing the box counts as Cancel
  } else if (request.buttons == rcon::MsgButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(ButtonFor(request.defaultButton));
    box.setEscapeButton(QMessageBox::No);  // closing the box counts as No
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return rcon::MsgAnswer::Yes;
    case QMessageBox::No:
      return rcon::MsgAnswer::No;
    case QMessageBox::Ok:
      return rcon::MsgAnswer::Ok;
    default:
      break;
  }
  switch (request.buttons) {
    case rcon::MsgButtons::Ok:
      return rcon::MsgAnswer::Ok;
    case rcon::MsgButtons::YesNo:
      return rcon::MsgAnswer::No;
    case rcon::MsgButtons::YesNoCancel:
      break;
  }
  return rcon::MsgAnswer::Cancel;
}

}  // namespace platform
