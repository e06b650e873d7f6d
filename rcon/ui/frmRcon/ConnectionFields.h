#pragma once
// The connection fields of the main window: four octet boxes, the port and the password.
// The rules live in the core; this wires focus and keys: Enter walks the chain
// txtIP(0..3), txtPort, txtPass, txtSend; a box that gets the focus selects its whole text; an
// octet box left for another control of the main window is checked and tidied.
#include <QLineEdit>
#include <QObject>
#include <array>
#include <functional>

#include "core/Connection.h"
#include "core/Services.h"

namespace ui {

class ConnectionFields final : public QObject {
  Q_OBJECT
 public:
  ConnectionFields(QWidget* window, rcon::MessageBoxService& messageBox, QLineEdit* commandLine);

  std::array<QLineEdit*, 4> txtIP{};
  QLineEdit* txtPort = nullptr;
  QLineEdit* txtPass = nullptr;

  rcon::OctetTexts octetTexts() const;
  std::string portText() const;
  std::string password() const;

  // The four values joined with "." as of the last change (empty until the first change).
  const rcon::ServerAddress& address() const { return address_; }
  std::int64_t port() const { return port_; }

  // GetServerAddress and GetServerPort: refresh from the fields as they stand.
  void GetServerAddress();
  void GetServerPort();

 signals:
  void passwordChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void txtIP_Change(int index);
  void txtIP_LostFocus(int index);
  void onFocusChanged(QWidget* old, QWidget* now);

  QWidget* window_;
  rcon::MessageBoxService& messageBox_;
  QLineEdit* commandLine_;
  rcon::ServerAddress address_;
  std::int64_t port_ = 0;
  bool checking_ = false;  // an octet check (and its message box) is under way
  bool tidying_ = false;   // the check itself rewrites the text: no focus advance
};

}  // namespace ui
