#include "platform/gui/QtMessageBox.h"

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
  QMessageBox box(parent_);
  box.setWindowTitle(request.title.empty() ? QString(kApplicationTitle) : ToQString(request.title));
  box.setText(ToQString(request.text));
  box.setIcon(request.icon == rcon::MsgIcon::Exclamation ? QMessageBox::Warning
                                                         : QMessageBox::NoIcon);
  if (request.buttons == rcon::MsgButtons::YesNoCancel) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(ButtonFor(request.defaultButton));
    box.setEscapeButton(QMessageBox::Cancel);  // closing the box counts as Cancel
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
  return request.buttons == rcon::MsgButtons::Ok ? rcon::MsgAnswer::Ok : rcon::MsgAnswer::Cancel;
}

}  // namespace platform
