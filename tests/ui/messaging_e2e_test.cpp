// Messaging end to end: the Messaging menu and the scheduler sending the list over real UDP on
// 127.0.0.1.
#include <QAction>
#include <QElapsedTimer>
#include <QTest>

#include "fakes/FakeGameServer.h"
#include "fakes/TestWindow.h"
#include "platform/base/TickTimer.h"

namespace {

QByteArray Say(const char* message) { return QByteArray("\xFF\xFF\xFF\xFFrcon pw say ") + message; }

class MessagingTest : public QObject {
  Q_OBJECT
 private slots:
  void sendsTheListEverySecondUntilStopped() {
    platform::TickTimer timer;  // the real, precise timer; outlives the window
    fakes::TestWindow t;
    t.services.msgTimer = &timer;
    t.files.write(t.programDir.filePath("messaging.txt").toStdString(), "A\r\nB\r\n");
    fakes::FakeGameServer server;
    ui::frmRcon& w = t.open();
    t.setServer(QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("pw"));
    w.modVars().seconds = 1;
    w.menus().mnuMsgStart->trigger();
    QVERIFY(!w.menus().mnuMsgStart->isEnabled() && !w.menus().mnuMsgOptions->isEnabled());
    QElapsedTimer clock;
    for (int n = 1; n <= 3; ++n) {
      QVERIFY(server.waitForDatagrams(n, 3000));
      // A message per tick, not several at once (timing itself is benched; a stalled test
      // process may see two ticks closer than the interval).
      if (n > 1) QVERIFY2(clock.elapsed() > 100, "two messages at once");
      clock.start();
    }
    QCOMPARE(server.received().mid(0, 3), QList<QByteArray>({Say("A"), Say("B"), Say("A")}));
    w.menus().mnuMsgStop->trigger();
    QVERIFY(w.menus().mnuMsgStart->isEnabled() && !w.menus().mnuMsgStop->isEnabled());
    QVERIFY(!server.waitForDatagrams(int(server.received().size()) + 1, 2500));
  }

  void refusalBoxesDoNotPileUp() {
    fakes::TestWindow t;
    t.files.write(t.programDir.filePath("messaging.txt").toStdString(), "A\r\nB\r\nC\r\n");
    fakes::FakeGameServer server;
    ui::frmRcon& w = t.open();  // the address is still 0.0.0.0
    w.modVars().seconds = 1;
    w.menus().mnuMsgStart->trigger();
    // Two more ticks fall due while the refusal is on screen: A, B and C count as sent.
    t.messageBox.onShow = [&t](const rcon::MessageBoxRequest&) {
      t.timer.fire();
      t.timer.fire();
    };
    t.timer.fire();
    QCOMPARE(t.messageBox.shown.size(), 1u);
    t.messageBox.onShow = nullptr;
    // With an address the next tick sends A again.
    t.setServer(QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("pw"));
    t.timer.fire();
    QVERIFY(server.waitForDatagrams(1));
    QCOMPARE(server.received().first(), Say("A"));
    w.menus().mnuMsgStop->trigger();
    t.timer.fire();  // a tick already queued when Stop came
    QVERIFY(!server.waitForDatagrams(2, 300));
  }
};

}  // namespace

QTEST_MAIN(MessagingTest)
#include "messaging_e2e_test.moc"
