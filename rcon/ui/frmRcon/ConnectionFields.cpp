// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/ConnectionFields.h"

#include <QFocusEvent>

#include <QApplication>
#include <QEvent>
#include <limits>

#include "core/Defaults.h"
#include "platform/base/TextCodec.h"
#include "ui/common/Look.h"

namespace ui {
namespace {
constexpr int kNoLengthLimit = std::numeric_limits<int>::max();
}  // namespace

ConnectionFields::ConnectionFields(QWidget* window, rcon::ServerSession& session,
                                   QLineEdit* commandLine)
    : QObject(window), window_(window), session_(session) {
  for (std::size_t i = 0; i < octets.size(); ++i) {
    auto* box = new QLineEdit(QStringLiteral("0"), window);
    box->setObjectName(QStringLiteral("txtIP(%1)").arg(i));
    box->setMaxLength(3);
    box->setAlignment(Qt::AlignCenter);
    octets[i] = box;
    connect(box, &QLineEdit::textChanged, this, [this, i] { octetChanged(i); });
  }
  port = new QLineEdit(QString::number(rcon::kDefaultServerPort), window);
  port->setObjectName(QStringLiteral("txtPort"));
  connect(port, &QLineEdit::textChanged, this,
          [this](const QString& text) { session_.setPortText(platform::FromQString(text)); });
  password = new QLineEdit(window);
  password->setObjectName(QStringLiteral("txtPass"));
  password->setEchoMode(QLineEdit::Password);
  // One "*" per character, as the password boxes of this program have always shown.
  password->setStyleSheet(QStringLiteral(
      "QLineEdit { background: black; color: rgb(255,128,0); lineedit-password-character: 42; }"));
  connect(password, &QLineEdit::textChanged, this,
          [this](const QString& text) { session_.setPassword(platform::FromQString(text)); });
  session_.setPortText(platform::FromQString(port->text()));

  // Enter moves on along the chain; the key itself still reaches the box.
  const std::array<QLineEdit*, 7> chain{octets[0], octets[1], octets[2],  octets[3],
                                        port,      password,  commandLine};
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
    QLineEdit* next = chain[i + 1];
    connect(chain[i], &QLineEdit::returnPressed, next,
            [next] { next->setFocus(Qt::TabFocusReason); });
  }
  // Only the octet boxes have a length limit; the others take whatever is typed or pasted.
  for (QLineEdit* box : {port, password, commandLine}) box->setMaxLength(kNoLengthLimit);
  for (QLineEdit* box : chain) {
    applyBoxLook(box);
    box->setFrame(false);
    box->installEventFilter(this);
  }
  connect(qApp, &QApplication::focusChanged, this, &ConnectionFields::onFocusChanged);
}

void ConnectionFields::octetChanged(std::size_t index) {
  QLineEdit* box = octets[index];
  session_.setOctet(index, platform::FromQString(box->text()));
  if (!tidying_ && box->text().size() == 3) {
    QLineEdit* next = index < 3 ? octets[index + 1] : port;
    next->setFocus(Qt::TabFocusReason);
  }
}

void ConnectionFields::onFocusChanged(QWidget* old, QWidget* now) {
  // Only a move to another control of this window counts as leaving the box: not a menu,
  // another window, or the check's own message box.
  if (checking_ || old == nullptr || now == nullptr || now->window() != window_->window()) return;
  for (std::size_t i = 0; i < octets.size(); ++i) {
    if (old == octets[i]) octetLeft(i);
  }
}

void ConnectionFields::octetLeft(std::size_t index) {
  QLineEdit* box = octets[index];
  const rcon::OctetCheck check = rcon::checkOctet(platform::FromQString(box->text()));
  if (check.accepted) {
    tidying_ = true;
    box->setText(platform::ToQString(check.tidied));
    tidying_ = false;
    return;
  }
  checking_ = true;
  session_.messageBoxes().show({std::string(rcon::kOctetRefusal), std::string(rcon::kMainTitle)});
  box->setFocus(Qt::OtherFocusReason);
  box->selectAll();
  checking_ = false;
}

bool ConnectionFields::eventFilter(QObject* watched, QEvent* event) {
  // A closing menu or completion list gives the focus back: that is no new visit to the box,
  // and selecting all then would let the next key wipe what was being typed.
  if (event->type() == QEvent::FocusIn &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    if (auto* box = qobject_cast<QLineEdit*>(watched)) box->selectAll();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace ui
