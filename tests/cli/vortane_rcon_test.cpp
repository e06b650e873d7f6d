// vortane-rcon end to end: requests, replies, status as JSON, standard input and exit statuses.
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QTemporaryFile>
#include <QTest>
#include <QUdpSocket>

#include "cli/CliProcess.h"

namespace {

using clitest::kPrefix;
using fakes::FakeGameServer;
using Answers = QList<QList<QByteArray>>;

QByteArray Print(const QByteArray& text) { return FakeGameServer::printReply(text); }

struct Run {
  int code;  // -1: the program crashed or had to be killed
  QByteArray out, err;
  QList<QByteArray> sent;
  QList<qint64> times;  // when each request came, in ms after the start
};

// Runs the program with input on its standard input; "SERVER" in the arguments stands for the
// fake server, which answers request k with the datagrams answers[k], each time after a
// stranger's datagram that must never show.
Run Execute(QStringList arguments, const Answers& answers = {}, const QString& env = {},
            const QByteArray& input = {}) {
  FakeGameServer server;
  arguments.replaceInStrings(QStringLiteral("SERVER"), clitest::Target(server));
  QProcess cli;
  clitest::Start(cli, arguments, env);
  cli.write(input);
  cli.closeWriteChannel();
  QElapsedTimer clock;
  clock.start();
  QList<qint64> times;
  for (qsizetype k = 0; k < answers.size() && server.waitForDatagrams(k + 1); ++k) {
    times << clock.elapsed();
    QUdpSocket().writeDatagram(Print("evil\n"), QHostAddress::LocalHost, server.lastSenderPort());
    for (const QByteArray& datagram : answers[k]) server.reply(datagram);
  }
  const bool finished = clitest::Finish(cli);
  server.waitForDatagrams(0, 0);  // takes in whatever has come
  return {finished && cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
          cli.readAllStandardOutput(), cli.readAllStandardError(), server.received(), times};
}

class VortaneRconTest : public QObject {
  Q_OBJECT
 private slots:
  void sendsOneDatagramAndJoinsASplitReply() {
    const QByteArray big(60000, '9');  // near the largest datagram
    const Run run =
        Execute({"-p", "secret", "SERVER", "say", "hello", "world"},
                {{Print("map: ctf1\nplay"), Print("ers: " + big + "\nti"), Print("me: 3\n")}});
    QCOMPARE(run.sent, QList<QByteArray>{kPrefix + "rcon secret say hello world"});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, "map: ctf1\nplayers: " + big + "\ntime: 3\n");
    QVERIFY(run.err.contains("ignored a datagram"));
  }

  void statusAsJsonAndAsReport() {
    const QByteArray status(
        "\xFF\xFF\xFF\xFFstatusResponse\n\\hostname\\Caf\xE9 ^1Night\\mode\\ctf\\mode\\tdm\n"
        "5 50 1 \"Alpha\"\n-2 999 \"No Team\"\n");
    const Run json = Execute({"--status", "--json", "SERVER"}, {{status}});
    QCOMPARE(json.sent, QList<QByteArray>{kPrefix + "getstatus"});
    QCOMPARE(json.code, 0);
    QCOMPARE(QJsonDocument::fromJson(json.out), QJsonDocument::fromJson(R"(
        {"settings": {"hostname": "Café ^1Night", "mode": "tdm"},
         "players": [{"score": 5, "ping": 50, "team": "1", "name": "Alpha"},
                     {"score": -2, "ping": 999, "team": null, "name": "No Team"}]})"));
    const QByteArray report = Execute({"--status", "SERVER"}, {{status}}).out;
    QVERIFY2(report.contains("\n                mode  tdm\n") &&
                 report.contains("\n 5     50   Red       Alpha\n") && !report.contains('\r'),
             report.constData());
  }

  void standardInputIsPaced() {
    const Run run = Execute({"--pace", "400", "--quiet", "50", "-p", "pw", "SERVER"},
                            {{Print("reply 1\n")}, {Print("reply 2\n")}, {Print("reply 3\n")}}, {},
                            "status\r\n\nkick 2\nsay bye");
    QCOMPARE(run.code, 0);
    QCOMPARE(run.sent, (QList<QByteArray>{kPrefix + "rcon pw status", kPrefix + "rcon pw kick 2",
                                          kPrefix + "rcon pw say bye"}));
    QCOMPARE(run.out, QByteArray("reply 1\nreply 2\nreply 3\n"));
    // At least the pace apart (the fake server looks every few milliseconds).
    QCOMPARE_GE(run.times.value(1) - run.times.value(0), 380);
    QCOMPARE_GE(run.times.value(2) - run.times.value(1), 380);
  }

  void exitStatuses() {
    const std::tuple<QStringList, Answers, int, const char*> rows[] = {
        {{"--timeout", "0.3", "SERVER", "x"}, {}, 1, "no reply from 127.0.0.1:"},
        {{"SERVER", "x"}, {{Print("Bad rconpassword.\n")}}, 3, "refused the password"},
        {{"0.0.0.0", "x"}, {}, 2, "0.0.0.0"},
        {{"--json", "SERVER", "x"}, {}, 2, "--json goes with --status"},
        {{"--messages", "/nonexistent/m", "SERVER"}, {}, 2, "cannot read the messages file"},
        {{"--password-file", "/nonexistent/p", "SERVER", "x"}, {}, 2, "cannot read the password"},
    };
    for (const auto& [arguments, answers, status, message] : rows) {
      const Run run = Execute(arguments, answers);
      QVERIFY2(run.code == status && run.err.contains(message) &&
                   (status != 2 || run.sent.isEmpty()),  // usage errors send nothing
               qPrintable(arguments.join(' ') + ": " + QString::fromUtf8(run.err)));
    }
  }

  // The first line of the password file over the environment over -p.
  void passwordSources() {
    QTemporaryFile file;
    QVERIFY(file.open() && file.write("from file\r\nsecond line\n") > 0 && file.flush());
    const QString env = QString::fromUtf8("env\xC3\xA9");
    const QStringList typed{"-p", "typed", "SERVER", "x"};
    QCOMPARE(Execute(typed, {{Print("")}}).sent.value(0), kPrefix + "rcon typed x");
    QCOMPARE(Execute(typed, {{Print("")}}, env).sent.value(0), kPrefix + "rcon env\xE9 x");
    QCOMPARE(Execute(QStringList{"--password-file", file.fileName()} + typed, {{Print("")}}, env)
                 .sent.value(0),
             kPrefix + "rcon from file x");
  }
};

}  // namespace

QTEST_GUILESS_MAIN(VortaneRconTest)
#include "vortane_rcon_test.moc"
