#include "ui/frmMsgOptions/MessageListBox.h"

#include "platform/base/TextCodec.h"

namespace ui {

MessageListBox::MessageListBox(QWidget* parent) : QPlainTextEdit(parent) {
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!setting_) edited_ = true;
  });
}

void MessageListBox::setBytes(const std::string& bytes) {
  bytes_ = bytes;
  setting_ = true;
  setPlainText(platform::ToQString(bytes));
  setting_ = false;
  edited_ = false;
}

std::string MessageListBox::bytes() const {
  if (!edited_) return bytes_;
  // The document holds every CR LF, lone CR or LF as a paragraph break and loses which it was;
  // the raw text keeps the breaks apart from the text (toPlainText would also turn no-break
  // spaces into blanks).
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return platform::FromQString(text);
}

}  // namespace ui
