// The main window end to end: commands and replies over real UDP on 127.0.0.1.
#include <QAction>
#include <QFile>
#include <QTest>

#include "fakes/FakeGameServer.h"
#include "fakes/TestWindow.h"
#include "fakes/Typing.h"
#include "ui/frmRcon/ConnectionFields.h"
#include "ui/frmRcon/ConsoleView.h"

namespace {

const QByteArray kPrefix("\xFF\xFF\xFF\xFF", 4);
QWidget* Focus() { return QApplication::focusWidget(); }

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    t = std::make_unique<fakes::TestWindow>();
    server = std::make_unique<fakes::FakeGameServer>();
    w = &t->open();
  }

  void startUpSendsNothingAndReadsTheMessageFile() {
    QCOMPARE(w->modVars().text, std::string());  // no file beside the program
    fakes::TestWindow other;
    QFile list(other.programDir.filePath(QStringLiteral("messaging.txt")));
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write("A\r\nB\r\n") == 6);
    list.close();
    QCOMPARE(other.open().modVars().text, std::string("A\r\nB\r\n"));
    QVERIFY(!server->waitForDatagrams(1, 200));
    QVERIFY(!w->menus().mnuMsgStop->isEnabled());
    QVERIFY(!w->console().blnConsoleChanged);
  }

  void enterSendsExactlyOneDatagramAndEmptiesTheLine() {
    w->fields().txtIP[0]->setFocus();
    // The third digit moves on by itself; Enter walks on to the port, the password, the command.
    fakes::Type("1270\r0\r1\r" + QString::number(server->port()) + "\rs3cret\rkick all\r");
    QVERIFY(server->waitForDatagrams(1));
    QCOMPARE(server->received().first(), kPrefix + "rcon s3cret kick all");
    QVERIFY(w->controls().txtSend->text().isEmpty());
    QVERIFY(!server->waitForDatagrams(2, 200));
    // A password changed after the command was typed still goes out with it.
    w->controls().txtSend->setText(QStringLiteral("status"));
    w->fields().txtPass->setText(QStringLiteral("new"));
    w->menus().mnuServRcon->trigger();
    QVERIFY(server->waitForDatagrams(2));
    QCOMPARE(server->received().last(), kPrefix + "rcon new status");
  }

  void emptyCommandLine() {
    t->setServer(QStringLiteral("127.0.0.1"), server->port());
    w->controls().txtSend->setFocus();
    fakes::Press(Qt::Key_Return);
    QCOMPARE(Focus(), w->controls().txtReceive);
    w->controls().txtSend->setFocus();
    w->menus().mnuServRcon->trigger();
    QCOMPARE(Focus(), w->controls().txtSend);
    QVERIFY(!server->waitForDatagrams(1, 200));
    fakes::Type(QStringLiteral("  \r"));  // blanks are a command
    QVERIFY(server->waitForDatagrams(1));
    QCOMPARE(server->received().first(), kPrefix + "rcon    ");
  }

  void refusedDestinations_data() {
    QTest::addColumn<QString>("destination");  // address[:port]; no port: the fake server's
    QTest::newRow("unset") << "0.0.0.0";
    QTest::newRow("octet 300") << "1.2.3.300";
    QTest::newRow("9e9") << "9e9.0.0.1";
    QTest::newRow("port abc") << "127.0.0.1:abc";
    QTest::newRow("port 65536") << "127.0.0.1:65536";
  }
  void refusedDestinations() {
    QFETCH(QString, destination);
    const QString address = destination.section(':', 0, 0), port = destination.section(':', 1);
    t->setServer(address, server->port());
    if (!port.isEmpty()) w->fields().txtPort->setText(port);
    w->controls().txtSend->setText(QStringLiteral("status"));
    t->messageBox.shown.clear();  // "9e9" filled txtIP(0), which moved on and refused it
    w->menus().mnuServRcon->trigger();
    QCOMPARE(t->messageBox.shown.size(), std::size_t{1});
    const rcon::MessageBoxRequest& box = t->messageBox.shown[0];
    QCOMPARE(box.text, std::string(port.isEmpty() ? "Please enter a valid IP address."
                                                  : "Please enter a valid server port."));
    QVERIFY(box.title == "Vortane Rcon" && box.icon == rcon::MsgIcon::Exclamation);
    QCOMPARE(Focus(), port.isEmpty() ? w->fields().txtIP[0] : w->fields().txtPort);
    QVERIFY(w->controls().txtSend->text().isEmpty());  // the command is gone, though not sent
    QVERIFY(!server->waitForDatagrams(1, 200));
  }

  void aFailedSendIsReported() {
    t->setServer(QStringLiteral("127.0.0.1"), server->port());
    w->controls().txtSend->setText(QString(70000, 'x'));  // larger than any UDP datagram can be
    w->menus().mnuServRcon->trigger();
    QCOMPARE(t->messageBox.shown.size(), std::size_t{1});
    const std::string& text = t->messageBox.shown[0].text;
    QVERIFY2(text.find("127.0.0.1") != std::string::npos, text.c_str());
    QVERIFY2(text.find(std::to_string(server->port())) != std::string::npos, text.c_str());
  }

  void repliesAppearAtTheEndInOrder() {
    std::string expected;
    for (int i = 0; i < 500; ++i) {
      const QByteArray line = "reply " + QByteArray::number(i);
      server->reply(fakes::FakeGameServer::printReply(line + '\n'), t->socket.localPort());
      expected += line.toStdString() + "\r\n";
    }
    QTRY_COMPARE_WITH_TIMEOUT(t->console(), expected, 5000);
    QVERIFY(w->console().blnConsoleChanged);
  }

  void aReplyDuringAMessageBoxIsAppended() {
    t->setServer(QStringLiteral("0.0.0.0"), server->port());
    // The "box" runs a nested event loop while it is up, as a real one does.
    t->messageBox.onShow = [&](const rcon::MessageBoxRequest&) {
      server->reply(fakes::FakeGameServer::printReply("late\n"), t->socket.localPort());
      QTRY_COMPARE_WITH_TIMEOUT(t->console(), std::string("late\r\n"), 5000);
    };
    w->menus().mnuServStatus->trigger();
    QCOMPARE(t->messageBox.shown.size(), std::size_t{1});
    QCOMPARE(t->console(), std::string("late\r\n"));
  }

 private:
  std::unique_ptr<fakes::TestWindow> t;
  std::unique_ptr<fakes::FakeGameServer> server;
  ui::frmRcon* w = nullptr;
};

}  // namespace

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
