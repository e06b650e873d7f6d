// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: commands leave through the session, replies come back into the console.
// One case goes over real UDP on 127.0.0.1; the rest read the fake socket's record.
#include <QAction>
#include <QFile>
#include <QTest>

#include "fakes/FakeGameServer.h"
#include "fakes/TestWindow.h"
#include "fakes/Typing.h"
#include "platform/base/UdpSocket.h"

namespace {

const QByteArray kPrefix("\xFF\xFF\xFF\xFF", 4);
QWidget* Focus() { return QApplication::focusWidget(); }

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    t = std::make_unique<fakes::TestWindow>();
    w = &t->open();
  }

  void startUpSendsNothingAndReadsTheMessageFile() {
    QCOMPARE(t->messaging().text, std::string());  // no file beside the program
    fakes::TestWindow other;
    QFile list(other.programDir.filePath(QStringLiteral("messaging.txt")));
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write("A\r\nB\r\n") == 6);
    list.close();
    other.open();
    QCOMPARE(other.messaging().text, std::string("A\r\nB\r\n"));
    QVERIFY(t->socket.sent.empty() && other.socket.sent.empty());
    QVERIFY(!t->action("mnuMsgStop")->isEnabled());
    QVERIFY(!t->session->console().unsaved);
  }

  // The command road end to end: keys in, one datagram out over UDP, the reply in the console.
  void commandAndReplyOverUdp() {
    platform::UdpSocket socket(nullptr, 0);
    fakes::FakeGameServer server;
    fakes::TestWindow real;
    real.sessionSocket = &socket;
    real.open();
    real.line("txtIP(0)")->setFocus();
    // The third digit moves on by itself; Enter walks on to the port, the password, the command.
    fakes::Type("1270\r0\r1\r" + QString::number(server.port()) + "\rs3cret\rkick all\r");
    QVERIFY(server.waitForDatagrams(1));
    QCOMPARE(server.received().first(), kPrefix + "rcon s3cret kick all");
    QVERIFY(real.line("txtSend")->text().isEmpty());
    server.reply(fakes::FakeGameServer::printReply("kicked\n"));
    QTRY_COMPARE_WITH_TIMEOUT(real.console(), std::string("kicked\r\n"), 5000);
    QVERIFY(real.session->console().unsaved);
  }

  void theCommandGoesOutWithThePasswordShownAtTheSend() {
    t->setServer(QStringLiteral("127.0.0.1"), 20100, QStringLiteral("old"));
    t->line("txtSend")->setText(QStringLiteral("status"));
    t->line("txtPass")->setText(QStringLiteral("new"));
    t->action("mnuServRcon")->trigger();
    QCOMPARE(t->requests(), std::vector<std::string>{"rcon new status"});
  }

  void emptyCommandLine() {
    t->setServer(QStringLiteral("127.0.0.1"), 20100);
    t->line("txtSend")->setFocus();
    fakes::Press(Qt::Key_Return);
    QCOMPARE(Focus(), t->find("txtReceive"));
    t->line("txtSend")->setFocus();
    t->action("mnuServRcon")->trigger();
    QCOMPARE(Focus(), t->line("txtSend"));
    QVERIFY(t->socket.sent.empty());
    fakes::Type(QStringLiteral("  \r"));  // blanks are a command
    QCOMPARE(t->requests(), std::vector<std::string>{"rcon    "});
  }

  void refusedDestinations_data() {
    QTest::addColumn<QString>("destination");  // address[:port]
    QTest::newRow("unset") << "0.0.0.0";
    QTest::newRow("octet 300") << "1.2.3.300";
    QTest::newRow("9e9") << "9e9.0.0.1";
    QTest::newRow("port abc") << "127.0.0.1:abc";
    QTest::newRow("port 65536") << "127.0.0.1:65536";
  }
  void refusedDestinations() {
    QFETCH(QString, destination);
    const QString address = destination.section(':', 0, 0), port = destination.section(':', 1);
    t->setServer(address, 20100);
    if (!port.isEmpty()) t->line("txtPort")->setText(port);
    t->line("txtSend")->setText(QStringLiteral("status"));
    t->messageBox.shown.clear();  // "9e9" filled txtIP(0), which moved on and refused it
    t->action("mnuServRcon")->trigger();
    QCOMPARE(t->messageBox.shown.size(), std::size_t{1});
    const rcon::MessageBoxRequest& box = t->messageBox.shown[0];
    QCOMPARE(box.text, std::string(port.isEmpty() ? "Please enter a valid IP address."
                                                  : "Please enter a valid server port."));
    QVERIFY(box.title == "Vortane Rcon" && box.icon == rcon::MsgIcon::Exclamation);
    QCOMPARE(Focus(), t->line(port.isEmpty() ? "txtIP(0)" : "txtPort"));
    QVERIFY(t->line("txtSend")->text().isEmpty());  // the command is gone, though not sent
    QVERIFY(t->socket.sent.empty());
  }

  void aFailedSendIsReported() {
    t->setServer(QStringLiteral("127.0.0.1"), 20100);
    t->socket.result = {false, "Datagram was too large to send"};
    t->line("txtSend")->setText(QStringLiteral("status"));
    t->action("mnuServRcon")->trigger();
    QCOMPARE(t->messageBox.shown.size(), std::size_t{1});
    QCOMPARE(t->messageBox.shown[0].text,
             std::string("Could not send to 127.0.0.1 port 20100: Datagram was too large to send"));
  }

  // Pieces of one line from one sender join within 250 ms; a later piece starts a new line.
  void repliesAppearAtTheEndInOrder() {
    t->contactServer();
    t->socket.reply("one ");
    t->clock.now += 250;
    t->socket.reply("line\n");
    t->socket.reply("late");
    t->clock.now += 251;
    t->socket.reply("next\n");
    QCOMPARE(t->console(), std::string("one line\r\nlate\r\nnext\r\n"));
    QVERIFY(t->session->console().unsaved);
  }

  void aReplyDuringAMessageBoxIsAppended() {
    // The "box" runs a nested event loop while it is up, as a real one does.
    t->contactServer();
    t->setServer(QStringLiteral("0.0.0.0"), 20100);
    t->messageBox.onShow = [&](const rcon::MessageBoxRequest&) { t->socket.reply("late\n"); };
    t->action("mnuServStatus")->trigger();
    QCOMPARE(t->messageBox.shown.size(), std::size_t{1});
    QCOMPARE(t->console(), std::string("late\r\n"));
  }

 private:
  std::unique_ptr<fakes::TestWindow> t;
  ui::MainWindow* w = nullptr;
};

}  // namespace

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
