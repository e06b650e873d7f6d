// vortane-rcon end to end: requests, replies, status as JSON, standard input and exit statuses.
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include "cli/CliProcess.h"

namespace {

using clitest::Finish;
using clitest::kPrefix;
using clitest::Start;
using clitest::Target;
using fakes::FakeGameServer;

class VortaneRconTest : public QObject {
  Q_OBJECT
 private slots:
  void sendsOneDatagramAndJoinsASplitReply() {
    FakeGameServer server;
    QProcess cli;
    Start(cli, {QStringLiteral("-p"), QStringLiteral("secret"), Target(server),
                QStringLiteral("say"), QStringLiteral("hello"), QStringLiteral("world")});
    QVERIFY(server.waitForDatagrams(1));
    QCOMPARE(server.received().first(), kPrefix + "rcon secret say hello world");
    // A foreign sender first: it must not end up in the output.
    QUdpSocket stranger;
    stranger.writeDatagram(FakeGameServer::printReply("evil\n"), QHostAddress::LocalHost,
                           server.lastSenderPort());
    for (const char* piece : {"map: ctf1\nplay", "ers: 12\nti", "me: 3:00\n"}) {
      server.reply(FakeGameServer::printReply(piece));
    }
    QVERIFY(Finish(cli));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(cli.readAllStandardOutput(), QByteArray("map: ctf1\nplayers: 12\ntime: 3:00\n"));
    QVERIFY(cli.readAllStandardError().contains("ignored a datagram"));
    QCOMPARE(server.received().size(), 1);
  }

  void hugeRepliesArriveWhole() {
    FakeGameServer server;
    QProcess cli;
    Start(cli, {Target(server), QStringLiteral("dump")});
    QVERIFY(server.waitForDatagrams(1));
    QByteArray expected;
    for (int i = 0; i < 20; ++i) {
      const QByteArray piece(60000, static_cast<char>('a' + i));
      expected += piece;
      server.reply(FakeGameServer::printReply(piece));
      QTest::qWait(2);
    }
    QVERIFY(Finish(cli));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(cli.readAllStandardOutput(), expected);
  }

  void statusAsJson() {
    FakeGameServer server;
    QProcess cli;
    Start(cli, {QStringLiteral("--status"), QStringLiteral("--json"), Target(server)});
    QVERIFY(server.waitForDatagrams(1));
    QCOMPARE(server.received().first(), kPrefix + "getstatus");
    server.reply(
        QByteArray("\xFF\xFF\xFF\xFFstatusResponse\n"
                   "\\hostname\\Caf\xE9 ^1Night\\mode\\ctf\\mode\\tdm\\maxplayers\\16\n"
                   "5 50 1 \"Alpha\"\n-2 999 \"No Team\"\n"));
    QVERIFY(Finish(cli));
    QCOMPARE(cli.exitCode(), 0);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(cli.readAllStandardOutput(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject expected{
        {"settings", QJsonObject{{"hostname", QString::fromUtf8("Café ^1Night")},
                                 {"mode", "tdm"},
                                 {"maxplayers", "16"}}},
        {"players",
         QJsonArray{
             QJsonObject{{"score", 5}, {"ping", 50}, {"team", "1"}, {"name", "Alpha"}},
             QJsonObject{
                 {"score", -2}, {"ping", 999}, {"team", QJsonValue()}, {"name", "No Team"}}}}};
    QCOMPARE(json.object(), expected);
  }

  void statusReportWithLineFeeds() {
    FakeGameServer server;
    QProcess cli;
    Start(cli, {QStringLiteral("--status"), Target(server)});
    QVERIFY(server.waitForDatagrams(1));
    server.reply(QByteArray("\xFF\xFF\xFF\xFFstatusResponse\n\\mode\\ctf\n12 48 0 \"C\"\n"));
    QVERIFY(Finish(cli));
    const QByteArray out = cli.readAllStandardOutput();
    QVERIFY(out.contains("\n                mode  ctf\n") && out.contains("\n 12    48   0 C\n\n"));
    QVERIFY(!out.contains('\r'));
  }

  void standardInputIsPaced() {
    FakeGameServer server;
    QProcess cli;
    Start(cli, {QStringLiteral("--pace"), QStringLiteral("400"), QStringLiteral("--quiet"),
                QStringLiteral("50"), QStringLiteral("-p"), QStringLiteral("pw"), Target(server)});
    cli.write("status\r\n\nkick 2\nsay bye");
    cli.closeWriteChannel();
    QElapsedTimer clock;
    QList<qint64> arrivals;
    for (int n = 1; n <= 3; ++n) {
      QVERIFY(server.waitForDatagrams(n));
      arrivals.append(clock.isValid() ? clock.elapsed() : (clock.start(), 0));
      server.reply(FakeGameServer::printReply("reply " + QByteArray::number(n) + "\n"));
    }
    QVERIFY(Finish(cli));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(server.received(),
             (QList<QByteArray>{kPrefix + "rcon pw status", kPrefix + "rcon pw kick 2",
                                kPrefix + "rcon pw say bye"}));
    // At least the pace apart (the fake server looks every few milliseconds).
    QVERIFY2(arrivals[1] - arrivals[0] >= 380, qPrintable(QString::number(arrivals[1])));
    QVERIFY2(arrivals[2] - arrivals[1] >= 380, qPrintable(QString::number(arrivals[2])));
    QCOMPARE(cli.readAllStandardOutput(), QByteArray("reply 1\nreply 2\nreply 3\n"));
  }

  void exitStatuses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("reply");  // empty: the server stays silent
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("no reply") << QStringList{"--timeout", "0.3", "SERVER", "status"} << QByteArray()
                              << 1 << QByteArray("no reply from 127.0.0.1:");
    QTest::newRow("refused password") << QStringList{"-p", "wrong", "SERVER", "status"}
                                      << FakeGameServer::printReply("Bad rconpassword.\n") << 3
                                      << QByteArray("refused the password");
    QTest::newRow("unset address")
        << QStringList{"0.0.0.0", "status"} << QByteArray() << 2 << QByteArray("0.0.0.0");
    QTest::newRow("octet over 255") << QStringList{"1.2.3.300", "status"} << QByteArray() << 2
                                    << QByteArray("not a valid IPv4 address");
    QTest::newRow("port 0") << QStringList{"127.0.0.1:0", "status"} << QByteArray() << 2
                            << QByteArray("not a valid server port");
    QTest::newRow("json alone") << QStringList{"--json", "SERVER", "status"} << QByteArray() << 2
                                << QByteArray("--json goes with --status");
    QTest::newRow("bad timeout") << QStringList{"--timeout", "soon", "SERVER", "status"}
                                 << QByteArray() << 2 << QByteArray("--timeout");
    QTest::newRow("missing messages file")
        << QStringList{"--messages", "/nonexistent/list", "SERVER"} << QByteArray() << 2
        << QByteArray("cannot read the messages file");
    QTest::newRow("missing password file")
        << QStringList{"--password-file", "/nonexistent/pw", "SERVER", "status"} << QByteArray()
        << 2 << QByteArray("cannot read the password file");
  }

  void exitStatuses() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, reply);
    QFETCH(int, status);
    QFETCH(QByteArray, message);
    FakeGameServer server;
    arguments.replaceInStrings(QStringLiteral("SERVER"), Target(server));
    QProcess cli;
    Start(cli, arguments);
    if (!reply.isEmpty()) {
      QVERIFY(server.waitForDatagrams(1));
      server.reply(reply);
    }
    QVERIFY(Finish(cli));
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), status);
    const QByteArray error = cli.readAllStandardError();
    QVERIFY2(error.contains(message), error.constData());
    if (status == 2) QVERIFY(server.received().isEmpty());
  }

  void passwordSources_data() {
    QTest::addColumn<bool>("file");
    QTest::addColumn<bool>("environment");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("-p alone") << false << false << QByteArray("rcon typed x");
    QTest::newRow("environment over -p") << false << true << QByteArray("rcon env\xE9 x");
    QTest::newRow("file over both") << true << true << QByteArray("rcon from file x");
  }

  void passwordSources() {
    QFETCH(bool, file);
    QFETCH(bool, environment);
    QFETCH(QByteArray, sent);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("password"));
    QFile password(path);
    QVERIFY(password.open(QIODevice::WriteOnly));
    password.write("from file\r\nsecond line\n");
    password.close();
    FakeGameServer server;
    QStringList arguments{QStringLiteral("-p"), QStringLiteral("typed")};
    if (file) arguments << QStringLiteral("--password-file") << path;
    arguments << Target(server) << QStringLiteral("x");
    QProcess cli;
    Start(cli, arguments, environment ? QString::fromUtf8("env\xC3\xA9") : QString());
    QVERIFY(server.waitForDatagrams(1));
    QCOMPARE(server.received().last(), kPrefix + sent);
    server.reply(FakeGameServer::printReply(""));
    QVERIFY(Finish(cli));
    QCOMPARE(cli.exitCode(), 0);
  }
};

}  // namespace

QTEST_GUILESS_MAIN(VortaneRconTest)
#include "vortane_rcon_test.moc"
