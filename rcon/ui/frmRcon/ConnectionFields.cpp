#include "ui/frmRcon/ConnectionFields.h"

#include <QApplication>
#include <QEvent>
#include <limits>

#include "platform/base/TextCodec.h"
#include "ui/common/Look.h"

namespace ui {
namespace {
constexpr int kNoLengthLimit = std::numeric_limits<int>::max();
}  // namespace

ConnectionFields::ConnectionFields(QWidget* window, rcon::MessageBoxService& messageBox,
                                   QLineEdit* commandLine)
    : QObject(window), window_(window), messageBox_(messageBox), commandLine_(commandLine) {
  for (int i = 0; i < 4; ++i) {
    auto* box = new QLineEdit(QStringLiteral("0"), window);
    box->setObjectName(QStringLiteral("txtIP(%1)").arg(i));
    box->setMaxLength(3);
    box->setAlignment(Qt::AlignCenter);
    txtIP[static_cast<std::size_t>(i)] = box;
    connect(box, &QLineEdit::textChanged, this, [this, i] { txtIP_Change(i); });
  }
  txtPort = new QLineEdit(QStringLiteral("20100"), window);
  txtPort->setObjectName(QStringLiteral("txtPort"));
  connect(txtPort, &QLineEdit::textChanged, this, &ConnectionFields::GetServerPort);
  txtPass = new QLineEdit(window);
  txtPass->setObjectName(QStringLiteral("txtPass"));
  txtPass->setEchoMode(QLineEdit::Password);
  // One "*" per character, as the password boxes of this program have always shown.
  txtPass->setStyleSheet(QStringLiteral(
      "QLineEdit { background: black; color: rgb(255,128,0); lineedit-password-character: 42; }"));
  connect(txtPass, &QLineEdit::textChanged, this, &ConnectionFields::passwordChanged);

  // Enter moves on along the chain; the key itself still reaches the box.
  const std::array<QLineEdit*, 7> chain{txtIP[0], txtIP[1], txtIP[2],    txtIP[3],
                                        txtPort,  txtPass,  commandLine_};
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
    QLineEdit* next = chain[i + 1];
    connect(chain[i], &QLineEdit::returnPressed, next,
            [next] { next->setFocus(Qt::TabFocusReason); });
  }
  // Only the octet boxes have a length limit; the others take whatever is typed or pasted.
  for (QLineEdit* box : {txtPort, txtPass, commandLine_}) box->setMaxLength(kNoLengthLimit);
  for (QLineEdit* box : chain) {
    applyBoxLook(box);
    box->setFrame(false);
    box->installEventFilter(this);
  }
  connect(qApp, &QApplication::focusChanged, this, &ConnectionFields::onFocusChanged);
}

rcon::OctetTexts ConnectionFields::octetTexts() const {
  rcon::OctetTexts texts;
  for (std::size_t i = 0; i < 4; ++i) texts[i] = platform::FromQString(txtIP[i]->text());
  return texts;
}

std::string ConnectionFields::portText() const { return platform::FromQString(txtPort->text()); }
std::string ConnectionFields::password() const { return platform::FromQString(txtPass->text()); }

void ConnectionFields::GetServerAddress() { address_ = rcon::GetServerAddress(octetTexts()); }
void ConnectionFields::GetServerPort() { port_ = rcon::GetServerPort(portText()); }

void ConnectionFields::txtIP_Change(int index) {
  GetServerAddress();
  QLineEdit* box = txtIP[static_cast<std::size_t>(index)];
  if (!tidying_ && box->text().size() == 3) {
    QLineEdit* next = index < 3 ? txtIP[static_cast<std::size_t>(index) + 1] : txtPort;
    next->setFocus(Qt::TabFocusReason);
  }
}

void ConnectionFields::onFocusChanged(QWidget* old, QWidget* now) {
  // Only a move to another control of this window counts as leaving the box: not a menu,
  // another window, or the check's own message box.
  if (checking_ || old == nullptr || now == nullptr || now->window() != window_) return;
  for (int i = 0; i < 4; ++i) {
    if (old == txtIP[static_cast<std::size_t>(i)]) txtIP_LostFocus(i);
  }
}

void ConnectionFields::txtIP_LostFocus(int index) {
  QLineEdit* box = txtIP[static_cast<std::size_t>(index)];
  const rcon::OctetCheck check = rcon::CheckOctet(platform::FromQString(box->text()));
  if (check.accepted) {
    tidying_ = true;
    box->setText(platform::ToQString(check.tidied));
    tidying_ = false;
    return;
  }
  checking_ = true;
  messageBox_.show({std::string(rcon::kOctetRefusal), std::string(rcon::kMainTitle)});
  box->setFocus(Qt::OtherFocusReason);
  box->selectAll();
  checking_ = false;
}

bool ConnectionFields::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (auto* box = qobject_cast<QLineEdit*>(watched)) box->selectAll();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace ui
