// Messaging end to end: the Messaging menu, the options dialog and the scheduler sending the
// list over real UDP on 127.0.0.1.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include "core/Connection.h"
#include "fakes/FakeGameServer.h"
#include "fakes/TestWindow.h"
#include "platform/base/TickTimer.h"

namespace {

const QByteArray kPrefix("\xFF\xFF\xFF\xFF", 4);

void WriteList(const fakes::TestWindow& t, const QByteArray& bytes) {
  QFile file(t.programDir.filePath(QStringLiteral("messaging.txt")));
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QWidget* OptionsDialog() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == QLatin1String("frmMsgOptions") && top->isVisible()) return top;
  }
  return nullptr;
}

class MessagingTest : public QObject {
  Q_OBJECT
 private slots:
  void sendsTheListEverySecondUntilStopped() {
    platform::TickTimer timer;  // the real, precise timer; outlives the window
    fakes::TestWindow t;
    t.services.msgTimer = &timer;
    WriteList(t, "A\r\nB\r\n");
    fakes::FakeGameServer server;
    ui::frmRcon& w = t.open();
    t.setServer(QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("pw"));

    // One second, set through the options dialog.
    w.menus().mnuMsgOptions->trigger();
    QPointer<QWidget> options = OptionsDialog();
    QVERIFY(options);
    QApplication::setActiveWindow(options);
    QVERIFY(QTest::qWaitForWindowActive(options, 5000));
    QTest::mouseClick(options->findChild<QWidget*>(QStringLiteral("optInterval(0)")),
                      Qt::LeftButton);
    auto* interval = options->findChild<QLineEdit*>(QStringLiteral("txtInterval"));
    interval->selectAll();
    QTest::keyClicks(interval, QStringLiteral("1"));
    QTest::mouseClick(options->findChild<QWidget*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return options.isNull(); }, 5000));
    QCOMPARE(w.modVars().lngMsgSeconds, 1);
    QFile list(t.programDir.filePath(QStringLiteral("messaging.txt")));
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll(), QByteArray("A\r\nB\r\n"));

    w.menus().mnuMsgStart->trigger();
    QVERIFY(!w.menus().mnuMsgStart->isEnabled() && !w.menus().mnuMsgOptions->isEnabled());
    QVERIFY(w.menus().mnuMsgStop->isEnabled());
    QVERIFY(server.waitForDatagrams(3, 10000));
    const QList<QByteArray> expected{kPrefix + "rcon pw say A", kPrefix + "rcon pw say B",
                                     kPrefix + "rcon pw say A"};
    QCOMPARE(server.received().mid(0, 3), expected);

    w.menus().mnuMsgStop->trigger();
    QVERIFY(w.menus().mnuMsgStart->isEnabled() && w.menus().mnuMsgOptions->isEnabled());
    QVERIFY(!w.menus().mnuMsgStop->isEnabled());
    const auto count = server.received().size();
    QVERIFY(!server.waitForDatagrams(static_cast<int>(count) + 1, 2500));
  }

  void refusalBoxesDoNotPileUp() {
    fakes::TestWindow t;
    WriteList(t, "A\r\nB\r\nC\r\n");
    fakes::FakeGameServer server;
    ui::frmRcon& w = t.open();  // the address is still 0.0.0.0
    w.modVars().lngMsgSeconds = 1;
    w.menus().mnuMsgStart->trigger();
    QCOMPARE(t.timer.intervals.back(), 1000u);

    // Two more ticks fall due while the refusal is on screen.
    t.messageBox.onShow = [&t](const rcon::MessageBoxRequest&) {
      t.timer.fire();
      t.timer.fire();
    };
    t.timer.fire();
    QCOMPARE(t.messageBox.shown.size(), 1u);
    QCOMPARE(t.messageBox.shown[0].title, std::string(rcon::kMainTitle));
    t.messageBox.onShow = nullptr;

    // A, B and C counted as sent; with an address the next tick sends A again.
    t.setServer(QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("pw"));
    t.timer.fire();
    QVERIFY(server.waitForDatagrams(1));
    QCOMPARE(server.received().first(), kPrefix + "rcon pw say A");

    w.menus().mnuMsgStop->trigger();
    QCOMPARE(t.timer.intervals.back(), 0u);
    t.timer.fire();  // a tick already queued when Stop came
    QVERIFY(!server.waitForDatagrams(2, 300));
  }
};

}  // namespace

QTEST_MAIN(MessagingTest)
#include "messaging_e2e_test.moc"
