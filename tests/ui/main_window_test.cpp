// The main window end to end: commands and replies over real UDP on 127.0.0.1.
#include <QAction>
#include <QFile>
#include <QTest>

#include "core/Protocol.h"
#include "fakes/FakeGameServer.h"
#include "fakes/TestWindow.h"
#include "fakes/Typing.h"
#include "ui/frmRcon/ConnectionFields.h"
#include "ui/frmRcon/ConsoleView.h"

namespace {

const QByteArray kPrefix("\xFF\xFF\xFF\xFF", 4);

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void startUpSendsNothingAndReadsTheMessageFile() {
    fakes::TestWindow t;
    QFile list(t.programDir.filePath(QStringLiteral("messaging.txt")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("A\r\nB\r\n");
    list.close();
    fakes::FakeGameServer server;
    ui::frmRcon& w = t.open();
    QCOMPARE(w.strCommand(), std::string("rcon  "));
    QVERIFY(!w.menus().mnuMsgStop->isEnabled());
    QVERIFY(w.menus().mnuMsgStart->isEnabled());
    QVERIFY(w.menus().mnuMsgOptions->isEnabled());
    QVERIFY(!w.menus().mnuServConnect->isVisible());
    QCOMPARE(w.modVars().strMsgText, std::string("A\r\nB\r\n"));
    QCOMPARE(w.modVars().lngMsgSeconds, 120);
    QCOMPARE(w.modVars().intMsgUnit, 60);
    QCOMPARE(w.modVars().strMsgInterval, std::string("2"));
    QVERIFY(!server.waitForDatagrams(1, 200));
    QVERIFY(!w.console().blnConsoleChanged);
  }

  void missingMessageFileGivesAnEmptyList() {
    fakes::TestWindow t;
    QCOMPARE(t.open().modVars().strMsgText, std::string());
  }

  void enterSendsExactlyOneDatagramAndEmptiesTheLine() {
    fakes::TestWindow t;
    fakes::FakeGameServer server;
    ui::frmRcon& w = t.open();
    w.fields().txtIP[0]->setFocus();
    fakes::Type(QStringLiteral("1270\r0\r1\r"));  // the third digit moves on by itself
    QCOMPARE(QApplication::focusWidget(), w.fields().txtPort);
    fakes::Type(QString::number(server.port()) + '\r');
    fakes::Type(QStringLiteral("s3cret\r"));
    QCOMPARE(QApplication::focusWidget(), w.controls().txtSend);
    fakes::Type(QStringLiteral("kick all"));
    fakes::Press(Qt::Key_Return);
    QVERIFY(server.waitForDatagrams(1));
    QCOMPARE(server.received().first(), kPrefix + "rcon s3cret kick all");
    QVERIFY(w.controls().txtSend->text().isEmpty());
    QCOMPARE(w.strCommand(), std::string("rcon s3cret "));
    QVERIFY(!server.waitForDatagrams(2, 200));
  }

  void passwordChangeReachesTheNextCommand() {
    fakes::TestWindow t;
    fakes::FakeGameServer server;
    ui::frmRcon& w = t.open();
    t.setServer(QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("old"));
    w.controls().txtSend->setText(QStringLiteral("status"));
    w.fields().txtPass->setText(QStringLiteral("new"));
    w.menus().mnuServRcon->trigger();
    QVERIFY(server.waitForDatagrams(1));
    QCOMPARE(server.received().first(), kPrefix + "rcon new status");
  }

  void emptyCommandLine() {
    fakes::TestWindow t;
    fakes::FakeGameServer server;
    ui::frmRcon& w = t.open();
    t.setServer(QStringLiteral("127.0.0.1"), server.port());
    w.controls().txtSend->setFocus();
    fakes::Press(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.controls().txtReceive);
    w.controls().txtSend->setFocus();
    w.menus().mnuServRcon->trigger();
    QCOMPARE(QApplication::focusWidget(), w.controls().txtSend);
    QVERIFY(!server.waitForDatagrams(1, 200));
    // Blanks are a command.
    fakes::Type(QStringLiteral("  "));
    fakes::Press(Qt::Key_Return);
    QVERIFY(server.waitForDatagrams(1));
    QCOMPARE(server.received().first(), kPrefix + "rcon    ");
  }

  void refusedDestinations_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("unset") << "0.0.0.0"
                           << "20100"
                           << "Please enter a valid IP address."
                           << "txtIP(0)";
    QTest::newRow("octet 300") << "1.2.3.300"
                               << "20100"
                               << "Please enter a valid IP address."
                               << "txtIP(0)";
    QTest::newRow("9e9") << "9e9.0.0.1"
                         << "20100"
                         << "Please enter a valid IP address."
                         << "txtIP(0)";
    QTest::newRow("port 0") << "127.0.0.1"
                            << "abc"
                            << "Please enter a valid server port."
                            << "txtPort";
    QTest::newRow("port 65536") << "127.0.0.1"
                                << "65536"
                                << "Please enter a valid server port."
                                << "txtPort";
  }
  void refusedDestinations() {
    QFETCH(QString, address);
    QFETCH(QString, port);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    fakes::TestWindow t;
    ui::frmRcon& w = t.open();
    const QStringList octets = address.split('.');
    for (int i = 0; i < 4; ++i) w.fields().txtIP[static_cast<std::size_t>(i)]->setText(octets[i]);
    w.fields().txtPort->setText(port);
    w.controls().txtSend->setText(QStringLiteral("status"));
    // A refused octet keeps the focus in its box; the menu still sends.
    t.messageBox.shown.clear();
    w.menus().mnuServRcon->trigger();
    QCOMPARE(t.messageBox.shown.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(t.messageBox.shown[0].text), message);
    QCOMPARE(t.messageBox.shown[0].title, std::string("Vortane Rcon"));
    QCOMPARE(t.messageBox.shown[0].icon, rcon::MsgIcon::Exclamation);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    // The command is gone even though nothing was sent.
    QVERIFY(w.controls().txtSend->text().isEmpty());
  }

  void aFailedSendIsReported() {
    fakes::TestWindow t;
    fakes::FakeGameServer server;
    ui::frmRcon& w = t.open();
    t.setServer(QStringLiteral("127.0.0.1"), server.port());
    // Larger than any UDP datagram can be: the socket refuses it.
    w.controls().txtSend->setText(QString(70000, 'x'));
    w.menus().mnuServRcon->trigger();
    QCOMPARE(t.messageBox.shown.size(), std::size_t{1});
    const std::string& text = t.messageBox.shown[0].text;
    QVERIFY2(text.find("127.0.0.1") != std::string::npos, text.c_str());
    QVERIFY2(text.find(std::to_string(server.port())) != std::string::npos, text.c_str());
  }

  void repliesAppearAtTheEndInOrder() {
    fakes::TestWindow t;
    fakes::FakeGameServer server;
    ui::frmRcon& w = t.open();
    t.setServer(QStringLiteral("127.0.0.1"), server.port());
    w.menus().mnuServStatus->trigger();  // lets the server learn our port
    QVERIFY(server.waitForDatagrams(1));
    std::string expected;
    for (int i = 0; i < 500; ++i) {
      const QByteArray line = "reply " + QByteArray::number(i);
      server.reply(fakes::FakeGameServer::printReply(line + '\n'));
      expected += line.toStdString() + "\r\n";
    }
    QTRY_COMPARE_WITH_TIMEOUT(t.console().size(), expected.size(), 5000);
    QCOMPARE(t.console(), expected);
    QVERIFY(w.console().blnConsoleChanged);
  }

  void aReplyDuringAMessageBoxIsAppended() {
    fakes::TestWindow t;
    fakes::FakeGameServer server;
    ui::frmRcon& w = t.open();
    t.setServer(QStringLiteral("127.0.0.1"), server.port());
    w.menus().mnuServStatus->trigger();
    QVERIFY(server.waitForDatagrams(1));
    const quint16 ourPort = server.lastSenderPort();
    // The "box" runs a nested event loop while it is up, as a real one does.
    t.messageBox.onShow = [&](const rcon::MessageBoxRequest&) {
      server.reply(fakes::FakeGameServer::printReply("late\n"), ourPort);
      QTRY_COMPARE_WITH_TIMEOUT(t.console(), std::string("late\r\n"), 5000);
    };
    w.fields().txtIP[0]->setText(QStringLiteral("0"));
    w.fields().txtIP[1]->setText(QStringLiteral("0"));
    w.fields().txtIP[2]->setText(QStringLiteral("0"));
    w.fields().txtIP[3]->setText(QStringLiteral("0"));
    w.menus().mnuServStatus->trigger();
    QCOMPARE(t.messageBox.shown.size(), std::size_t{1});
    QCOMPARE(t.console(), std::string("late\r\n"));
  }
};

}  // namespace

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
