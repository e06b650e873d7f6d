#pragma once
// The message list box. It gives back the bytes it was given, whatever line ends they hold,
// until the user edits it; after an edit every line break is CR LF.
#include <QPlainTextEdit>
#include <string>

namespace ui {

class MessageListBox final : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit MessageListBox(QWidget* parent = nullptr);

  void setBytes(const std::string& bytes);
  std::string bytes() const;

 private:
  std::string bytes_;
  bool edited_ = false;
  bool setting_ = false;
};

}  // namespace ui
