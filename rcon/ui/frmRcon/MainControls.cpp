// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/MainControls.h"

#include "core/ServerSession.h"
#include "ui/common/Look.h"
#include "ui/frmRcon/CommandHistoryKeys.h"
#include "ui/frmRcon/ConnectionFields.h"
#include "ui/frmRcon/ConsoleView.h"

namespace ui {
namespace {

Shape* frame(QWidget* client, const char* name, bool filled = false) {
  auto* shape = new Shape(client, filled);
  shape->setObjectName(QString::fromLatin1(name));
  return shape;
}

QLabel* label(QWidget* client, const char* name, const QString& caption, Qt::Alignment align) {
  auto* l = new QLabel(caption, client);
  l->setObjectName(QString::fromLatin1(name));
  l->setAlignment(align);
  return l;
}

}  // namespace

MainControls createMainControls(QWidget* client, rcon::ServerSession& session) {
  MainControls c;
  // Frames first, so that the boxes they frame are drawn over them.
  c.consoleFrame = frame(client, "shpReceive");
  c.commandFrame = frame(client, "shpSend");
  c.addressFrame = frame(client, "shpIP", true);
  c.portFrame = frame(client, "shpPort");
  c.passwordFrame = frame(client, "shpPass");

  const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
  c.commandLabel = label(client, "lblSend", QStringLiteral("Command:"), right);
  c.addressLabel = label(client, "lblIP", QStringLiteral("IP Address:"), right);
  c.portLabel = label(client, "lblPort", QStringLiteral("Server Port:"), right);
  c.passwordLabel = label(client, "lblPass", QStringLiteral("Rcon Password:"), right);
  c.titleLabel = label(client, "lblTitle", QStringLiteral("Instructions on use:"), left);
  c.howToLabel = label(client, "lblHowTo",
                       QStringLiteral("This program is intended for the purpose of being a "
                                      "remote server management tool.  Enter the appropriate "
                                      "information, and then press enter immediately after "
                                      "typing your command."),
                       left);
  c.howToLabel->setWordWrap(true);

  c.console = new ConsoleView(session.console().buffer, client);
  c.console->setObjectName(QStringLiteral("txtReceive"));
  c.commandLine = new QLineEdit(client);
  c.commandLine->setObjectName(QStringLiteral("txtSend"));
  new CommandHistoryKeys(*c.commandLine);  // owned by the command line
  c.fields = new ConnectionFields(client, session, c.commandLine);
  for (std::size_t i = 0; i < c.dots.size(); ++i) {
    c.dots[i] = label(client, QStringLiteral("lblDot%1").arg(i + 1).toLatin1().constData(),
                      QStringLiteral("."), Qt::AlignLeft | Qt::AlignBottom);
    // The dots sit on the black fill behind the octet boxes.
    c.dots[i]->raise();
  }

  // Tab order: the four octets, port, password, command line, console.
  const std::array<QWidget*, 8> order{
      c.fields->octets[0], c.fields->octets[1], c.fields->octets[2], c.fields->octets[3],
      c.fields->port,      c.fields->password,  c.commandLine,       c.console};
  for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
  return c;
}

}  // namespace ui
