// SPDX-License-Identifier: GPL-3.0-or-later
// vortane-rcon end to end: requests, replies, status as JSON, standard input and exit statuses.
#include <sys/stat.h>
#include <QElapsedTimer>
#include <QJsonDocument>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include "cli/CliProcess.h"
#include "cli/Serving.h"

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
         "players": [{"score": 5, "ping": 50, "team": "1", "name": "Alpha", "name_plain": "Alpha"},
                     {"score": -2, "ping": 999, "team": null, "name": "No Team",
                      "name_plain": "No Team"}]})"));
    const QString errors = clitest::schemaErrors(json.out);
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
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
        {{"-p", "pw", "--timeout", "0.3", "SERVER", "x"}, {}, 1, ": no reply within 0.3 s"},
        {{"-p", "pw", "SERVER", "x"}, {{Print("Bad rconpassword.\n")}}, 3, "refused the password"},
        {{"0.0.0.0", "x"}, {}, 2, "0.0.0.0"},
        {{"--json", "SERVER"}, {}, 2, "--json goes with a COMMAND"},
        {{"--timeout", "0.3", "SERVER", "x"}, {}, 2, "no password for 127.0.0.1:"},
        {{"-p", "a", "--password-file", "/dev/null", "SERVER", "x"}, {}, 2, "exclude each other"},
        {{"--password-file", "/dev/null", "SERVER", "x"}, {}, 2, "holds no password"},
        {{"-p", "pw", "--messages", "/nonexistent/m", "SERVER"}, {}, 2, "cannot read the messages"},
        {{"--password-file", "/nonexistent/p", "SERVER", "x"}, {}, 2, "cannot read the password"},
    };
    for (const auto& [arguments, answers, status, message] : rows) {
      const Run run = Execute(arguments, answers);
      QVERIFY2(run.code == status && run.err.contains(message) &&
                   (status != 2 || run.sent.isEmpty()),  // usage errors send nothing
               qPrintable(arguments.join(' ') + ": " + QString::fromUtf8(run.err)));
    }
  }

  // -p or the file's first line over the environment; an empty variable gives none.
  void passwordOrder() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pw"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("from file\r\nsecond line\n") > 0);
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    const QString env = QString::fromUtf8("env\xC3\xA9");
    const QStringList command{"SERVER", "x"};
    const std::tuple<QStringList, QString, QByteArray> rows[] = {
        {QStringList{"-p", "typed"} + command, env, "rcon typed x"},
        {QStringList{"--password-file", path} + command, env, "rcon from file x"},
        {command, env, "rcon env\xE9 x"},
    };
    for (const auto& [arguments, variable, sent] : rows) {
      const Run run = Execute(arguments, {{Print("")}}, variable);
      QCOMPARE(run.sent.value(0), kPrefix + sent);
      QVERIFY2(!run.err.contains("other users"), run.err);  // only -p on a terminal warns
    }
    QVERIFY(Execute(command, {}, QStringLiteral("")).sent.isEmpty());  // empty: no password
    QVERIFY(file.setPermissions(file.permissions() | QFile::ReadOther));
    QVERIFY(Execute(QStringList{"--password-file", path} + command, {{Print("")}})
                .err.contains("can be read by other users"));
  }

  // A FIFO, as <(pass show x) gives: read as it is written.
  void passwordFromAFifo() {
    QTemporaryDir dir;
    const QByteArray fifo = dir.filePath(QStringLiteral("fifo")).toLocal8Bit();
    QVERIFY(mkfifo(fifo.constData(), 0600) == 0);
    QProcess writer;
    writer.start(QStringLiteral("sh"), {"-c", "printf 'piped\\nrest' > \"$0\"", fifo});
    QVERIFY(writer.waitForStarted(5000));
    const Run run = Execute({"--password-file", fifo, "SERVER", "x"}, {{Print("")}});
    QCOMPARE(run.sent.value(0), kPrefix + "rcon piped x");
    if (!writer.waitForFinished(5000)) writer.kill();
    QVERIFY2(!run.err.contains("other users"), run.err);
  }
};

}  // namespace

QTEST_GUILESS_MAIN(VortaneRconTest)
#include "vortane_rcon_test.moc"
