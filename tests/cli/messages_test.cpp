// vortane-rcon --messages: the rotation goes out pass after pass and SIGTERM ends it cleanly.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "cli/CliProcess.h"

namespace {

using clitest::kPrefix;

class MessagesTest : public QObject {
  Q_OBJECT
 private slots:
  void rotatesUntilTerminated() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("messages.txt"));
    QFile list(path);
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("\r\nA\r\n\r\nB\r\n");
    list.close();
    fakes::FakeGameServer server;
    QProcess cli;
    clitest::Start(cli,
                   {QStringLiteral("-p"), QStringLiteral("pw"), QStringLiteral("--messages"), path,
                    QStringLiteral("--interval"), QStringLiteral("1"), clitest::Target(server)});
    QVERIFY(server.waitForDatagrams(3, 8000));
    cli.terminate();  // SIGTERM
    QVERIFY(clitest::Finish(cli));
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(server.received().mid(0, 3),
             (QList<QByteArray>{kPrefix + "rcon pw say A", kPrefix + "rcon pw say B",
                                kPrefix + "rcon pw say A"}));
    // Each message with its time, never the password.
    const QList<QByteArray> lines = cli.readAllStandardOutput().split('\n');
    QVERIFY(lines.size() >= 4);
    const QByteArray time("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d ");
    for (int i = 0; i < 3; ++i) {
      QVERIFY2(QRegularExpression(QString::fromLatin1(time + (i == 1 ? "B$" : "A$")))
                   .match(QString::fromLatin1(lines[i]))
                   .hasMatch(),
               lines[i].constData());
    }
  }

  void refusedPasswordEndsTheRun() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("messages.txt"));
    QFile list(path);
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("A\n");  // a line feed alone ends a message too
    list.close();
    fakes::FakeGameServer server;
    QProcess cli;
    clitest::Start(cli, {QStringLiteral("--messages"), path, QStringLiteral("--interval"),
                         QStringLiteral("1"), clitest::Target(server)});
    QVERIFY(server.waitForDatagrams(1, 8000));
    QCOMPARE(server.received().first(), kPrefix + "rcon  say A");
    server.reply(fakes::FakeGameServer::printReply("Bad rconpassword.\n"));
    QVERIFY(clitest::Finish(cli));
    QCOMPARE(cli.exitCode(), 3);
  }
};

}  // namespace

QTEST_GUILESS_MAIN(MessagesTest)
#include "messages_test.moc"
