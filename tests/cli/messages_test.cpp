// SPDX-License-Identifier: GPL-3.0-or-later
// vortane-rcon --messages: the rotation goes out pass after pass until a signal or a refusal.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "cli/CliProcess.h"

namespace {

class MessagesTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir;
  fakes::FakeGameServer server;
  QProcess cli;

 private slots:
  // A and B, blank lines skipped, either line end, one a second.
  void init() {
    QFile list(dir.filePath(QStringLiteral("messages.txt")));
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write("\r\nA\r\n\r\nB\n") > 0 && list.flush());
    server.clear();
    clitest::Start(cli, {"-p", "pw", "--messages", list.fileName(), "--interval", "1",
                         clitest::Target(server)});
    QVERIFY(server.waitForDatagrams(1, 8000));
  }
  void cleanup() { clitest::Finish(cli, 0); }

  void rotatesUntilTerminated() {
    QVERIFY(server.waitForDatagrams(3, 8000));
    cli.terminate();  // SIGTERM
    QVERIFY(clitest::Finish(cli) && cli.exitStatus() == QProcess::NormalExit && !cli.exitCode());
    const QByteArray a = clitest::kPrefix + "rcon pw say A";
    QCOMPARE(server.received().mid(0, 3),
             (QList<QByteArray>{a, clitest::kPrefix + "rcon pw say B", a}));
    // Each message with its time, never the password.
    const QString out = QString::fromLatin1(cli.readAllStandardOutput());
    const QRegularExpression shown(R"(^(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d )A\n(?1)B\n(?1)A\n)");
    QVERIFY2(shown.match(out).hasMatch(), qPrintable(out));
  }

  void refusedPasswordEndsTheRun() {
    server.reply(fakes::FakeGameServer::printReply("Bad rconpassword.\n"));
    QVERIFY(clitest::Finish(cli));
    QCOMPARE(cli.exitCode(), 3);
  }
};

}  // namespace

QTEST_GUILESS_MAIN(MessagesTest)
#include "messages_test.moc"
