// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmServers/ServerEditDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/common/Look.h"

namespace ui {

ServerEditDialog::ServerEditDialog(const QString& title, const Values& values, Check check,
                                   QWidget* parent)
    : QDialog(parent), check_(std::move(check)) {
  setObjectName(QStringLiteral("frmServerEdit"));
  setWindowTitle(title);
  applyWindowLook(this);

  auto* form = new QFormLayout;
  txtName = addField(form, "txtName", QStringLiteral("&Name:"), values.name);
  txtHost = addField(form, "txtHost", QStringLiteral("&Host:"), values.host);
  txtPort = addField(form, "txtPort", QStringLiteral("&Port:"), values.port);
  txtPass = addField(form, "txtPass", QStringLiteral("Pass&word:"), values.password);
  txtPass->setEchoMode(QLineEdit::Password);
  chkRemember = new QCheckBox(QStringLiteral("&Remember password"), this);
  chkRemember->setObjectName(QStringLiteral("chkRemember"));
  chkRemember->setChecked(values.remember);
  form->addRow(QString(), chkRemember);

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(cmdOK, QDialogButtonBox::AcceptRole);
  buttons->addButton(cmdCancel, QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &ServerEditDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);

  connect(txtPass, &QLineEdit::textEdited, this, [this] { passwordEdited_ = true; });
  // A password typed in is meant to be kept; one cleared is not.
  connect(txtPass, &QLineEdit::textEdited, this,
          [this](const QString& text) { chkRemember->setChecked(!text.isEmpty()); });
  (values.name.isEmpty() ? txtName : txtHost)->setFocus();
}

QLineEdit* ServerEditDialog::addField(QFormLayout* form, const char* objectName,
                                      const QString& label, const QString& text) {
  auto* box = new QLineEdit(text, this);
  box->setObjectName(QString::fromLatin1(objectName));
  applyBoxLook(box);
  auto* caption = new QLabel(label, this);
  caption->setBuddy(box);
  form->addRow(caption, box);
  return box;
}

ServerEditDialog::Values ServerEditDialog::values() const {
  return {txtName->text(), txtHost->text(),          txtPort->text(),
          txtPass->text(), chkRemember->isChecked(), passwordEdited_};
}

void ServerEditDialog::setPasswordPending() {
  cmdOK->setEnabled(false);
  txtPass->setPlaceholderText(QStringLiteral("(asking the secret store)"));
}

void ServerEditDialog::setStoredPassword(const QString& password, bool found) {
  cmdOK->setEnabled(true);
  txtPass->setPlaceholderText(QString());
  if (passwordEdited_) return;
  txtPass->setText(password);
  chkRemember->setChecked(found);
}

void ServerEditDialog::accept() {
  if (!cmdOK->isEnabled()) return;  // Enter while the stored password is on its way
  const std::optional<Field> refused = check_ ? check_(values()) : std::nullopt;
  if (!refused) {
    QDialog::accept();
    return;
  }
  QLineEdit* box = *refused == Field::Name   ? txtName
                   : *refused == Field::Host ? txtHost
                   : *refused == Field::Port ? txtPort
                                             : nullptr;
  if (box) {
    box->setFocus();
    box->selectAll();
  }
}

}  // namespace ui
