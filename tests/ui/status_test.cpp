// SPDX-License-Identifier: GPL-3.0-or-later
// "Get Status" end to end: the request on the wire and the report in the console.
#include <QAction>
#include <QTest>

#include "fakes/FakeGameServer.h"
#include "fakes/TestWindow.h"
#include "platform/base/UdpSocket.h"

namespace {

const QByteArray kReply(
    "\xFF\xFF\xFF\xFFstatusResponse\n\\hostname\\Friday Night\\mode\\ctf\\maxplayers\\16\n"
    "5 50 1 \"Alpha\"\n0 999 3 \"Bravo Two\"\n12 48 0 \"C\"\n");

const std::string kReport =
    "                Cvar  Value\r\n"
    "--------------------  --------------------\r\n"
    "            hostname  Friday Night\r\n"
    "                mode  ctf\r\n"
    "          maxplayers  16\r\n\r\n"
    "   Player List\r\n"
    "   ------ ----\r\n"
    "Score Ping    Team    Players\r\n"
    "----- ----- --------- --------------------\r\n"
    " 5     50   Red       Alpha\r\n"
    " 0     999  Spectator Bravo Two\r\n"
    " 12    48   0 C\r\n\r\n";

class StatusTest : public QObject {
  Q_OBJECT
 private slots:
  void getStatusShowsTheReport() {
    platform::UdpSocket socket(nullptr, 0);
    fakes::TestWindow t;
    t.sessionSocket = &socket;
    fakes::FakeGameServer server;
    t.open();
    t.setServer(QStringLiteral("127.0.0.1"), server.port());
    t.action("mnuServStatus")->trigger();
    QVERIFY(server.waitForDatagrams(1));
    QCOMPARE(server.received().first(), QByteArray("\xFF\xFF\xFF\xFFgetstatus"));  // 13 bytes
    QCOMPARE(t.console(), std::string());                                          // no echo
    server.reply(kReply);
    QTRY_COMPARE_WITH_TIMEOUT(t.console(), kReport, 5000);
  }
};

}  // namespace

QTEST_MAIN(StatusTest)
#include "status_test.moc"
