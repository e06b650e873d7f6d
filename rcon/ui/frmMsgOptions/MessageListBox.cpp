// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmMsgOptions/MessageListBox.h"

#include "platform/base/TextCodec.h"

namespace ui {

void MessageListBox::setBytes(const std::string& bytes) {
  setPlainText(platform::ToQString(bytes));
}

std::string MessageListBox::bytes() const {
  // The document holds every CR LF, lone CR or LF as a paragraph break and loses which it was;
  // the raw text keeps the breaks apart from the text (toPlainText would also turn no-break
  // spaces into blanks).
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return platform::FromQString(text);
}

}  // namespace ui
