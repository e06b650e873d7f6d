// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The save and edit dialog of the saved servers: name, host, port, password and "Remember
// password". It only gathers the values; OK asks a check given by the owner, which explains a
// refusal itself; the dialog then stays open with the field at fault focused.
#include <QCheckBox>
#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <optional>

namespace ui {

class ServerEditDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(ServerEditDialog)
 public:
  struct Values {
    QString name;
    QString host;
    QString port;
    QString password;
    bool remember = false;
    bool passwordEdited = false;  // typed over since the dialog opened
  };
  enum class Field { Name, Host, Port, Other };
  // Nothing accepts the values; else the field to fix.
  using Check = std::function<std::optional<Field>(const Values&)>;

  ServerEditDialog(const QString& title, const Values& values, Check check, QWidget* parent);

  Values values() const;

  // The stored password is being read: OK waits for it, so that an edit never loses it.
  void setPasswordPending();
  // What the store answered: fills the password unless the user has typed one meanwhile.
  void setStoredPassword(const QString& password, bool found);

  void accept() override;

 private:
  QLineEdit* addField(QFormLayout* form, const char* objectName, const QString& label,
                      const QString& text);

  QLineEdit* txtName = nullptr;
  QLineEdit* txtHost = nullptr;
  QLineEdit* txtPort = nullptr;
  QLineEdit* txtPass = nullptr;
  QCheckBox* chkRemember = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;
  Check check_;
  bool passwordEdited_ = false;
};

}  // namespace ui
