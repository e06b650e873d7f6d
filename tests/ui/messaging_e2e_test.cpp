// SPDX-License-Identifier: GPL-3.0-or-later
// Messaging: the Messaging menu and the scheduler sending the list. The ticks come from a fake
// timer; one case sends over real UDP on 127.0.0.1.
#include <QAction>
#include <QTest>

#include "fakes/FakeGameServer.h"
#include "fakes/TestWindow.h"
#include "platform/base/UdpSocket.h"

namespace {

class MessagingTest : public QObject {
  Q_OBJECT
 private slots:
  void sendsTheListTickByTickUntilStopped() {
    platform::UdpSocket socket(nullptr, 0);
    fakes::FakeGameServer server;
    fakes::TestWindow t;
    t.sessionSocket = &socket;
    t.files.write(t.programDir.filePath("messaging.txt").toStdString(), "A\r\nB\r\n");
    t.open();
    t.setServer(QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("pw"));
    t.messaging().seconds = 1;
    t.action("mnuMsgStart")->trigger();
    QVERIFY(!t.action("mnuMsgStart")->isEnabled() && !t.action("mnuMsgOptions")->isEnabled());
    QCOMPARE(t.timer.current, 1000u);
    for (int tick = 0; tick < 3; ++tick) t.timer.fire();
    QVERIFY(server.waitForDatagrams(3));
    const QByteArray say("\xFF\xFF\xFF\xFFrcon pw say ");
    QCOMPARE(server.received(), QList<QByteArray>({say + "A", say + "B", say + "A"}));
    t.action("mnuMsgStop")->trigger();
    QVERIFY(t.action("mnuMsgStart")->isEnabled() && !t.action("mnuMsgStop")->isEnabled());
    QCOMPARE(t.timer.current, 0u);
  }

  void anLfFileSendsEachLineAsAMessage() {
    fakes::TestWindow t;
    t.files.write(t.programDir.filePath("messaging.txt").toStdString(), "A\nB\n\nC\n");
    t.open();
    t.setServer(QStringLiteral("127.0.0.1"), 20100, QStringLiteral("pw"));
    t.messaging().seconds = 1;
    t.action("mnuMsgStart")->trigger();
    for (int tick = 0; tick < 4; ++tick) t.timer.fire();
    QCOMPARE(t.requests(), std::vector<std::string>({"rcon pw say A", "rcon pw say B",
                                                     "rcon pw say C", "rcon pw say A"}));
  }

  void refusalBoxesDoNotPileUp() {
    fakes::TestWindow t;
    t.files.write(t.programDir.filePath("messaging.txt").toStdString(), "A\r\nB\r\nC\r\n");
    t.open();  // the address is still 0.0.0.0
    t.messaging().seconds = 1;
    t.action("mnuMsgStart")->trigger();
    // Two more ticks fall due while the refusal is on screen: A, B and C count as sent.
    t.messageBox.onShow = [&t](const rcon::MessageBoxRequest&) {
      t.timer.fire();
      t.timer.fire();
    };
    t.timer.fire();
    QCOMPARE(t.messageBox.shown.size(), 1u);
    t.messageBox.onShow = nullptr;
    // With an address the next tick sends A again.
    t.setServer(QStringLiteral("127.0.0.1"), 20100, QStringLiteral("pw"));
    t.timer.fire();
    QCOMPARE(t.requests(), std::vector<std::string>{"rcon pw say A"});
    t.action("mnuMsgStop")->trigger();
    t.timer.fire();  // a tick already queued when Stop came
    QCOMPARE(t.socket.sent.size(), 1u);
  }
};

}  // namespace

QTEST_MAIN(MessagingTest)
#include "messaging_e2e_test.moc"
