// SPDX-License-Identifier: GPL-3.0-or-later
// vortane-rcon end to end against answering fakes on 127.0.0.1 and ::1: host names, fleets in
// text and JSON, the end marker, the deadline, colour and write errors.
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "cli/AnsweringServer.h"
#include "cli/Serving.h"

namespace {

using clitest::AnsweringServer;
using clitest::serve;

QByteArray print(const QByteArray& text) { return AnsweringServer::print(text); }

QList<QJsonObject> jsonLines(const QByteArray& out) {
  QList<QJsonObject> objects;
  for (const QByteArray& line : out.split('\n')) {
    if (!line.isEmpty()) objects << QJsonDocument::fromJson(line).object();
  }
  return objects;
}

class FleetTest : public QObject {
  Q_OBJECT
 private slots:
  void hostNameAndIpv6Literal() {
    AnsweringServer four;
    AnsweringServer six{QHostAddress(QHostAddress::LocalHostIPv6)};
    four.replies["status"] = {print("four\n")};
    six.replies["status"] = {print("six\n")};
    const auto byName =
        serve({"-p", "pw", QStringLiteral("localhost:%1").arg(four.port()), "status"});
    QCOMPARE(byName.out, QByteArray("four\n"));
    const auto bySix = serve({"-p", "pw", six.target(), "status"});
    QCOMPARE(bySix.out, QByteArray("six\n"));
    QVERIFY(byName.code == 0 && bySix.code == 0 && six.target().startsWith("[::1]:"));
  }

  // Three servers, one silent: every reply grouped in the order given, the worst status, and
  // each request followed by its end marker.
  void fleetOfThreeOneSilent() {
    AnsweringServer a, b, silent;
    silent.silent = true;
    a.replies["status"] = {print("^1A\n")};
    b.replies["status"] = {print("B1\nB"), print("2\n")};
    const QStringList fleet{"-p",       "pw",       "--timeout",     "1",  "--quiet", "5000",
                            a.target(), b.target(), silent.target(), "--", "status"};
    const auto text = serve(fleet);
    QCOMPARE(text.code, 1);
    QCOMPARE(text.out, QByteArray("=== " + a.target().toUtf8() + "\nA\n=== " + b.target().toUtf8() +
                                  "\nB1\nB2\n"));
    QVERIFY2(text.err.contains(silent.target().toUtf8() + ": no reply within 1 s"), text.err);
    QCOMPARE(a.received.value(0), QByteArray("rcon pw status"));
    QVERIFY(a.received.value(1).startsWith("rcon pw echo vortane-rcon-end-"));

    const auto json = serve(QStringList{"--json"} + fleet);
    QCOMPARE(json.code, 1);
    const QString errors = clitest::schemaErrors(json.out);
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
    const QList<QJsonObject> lines = jsonLines(json.out);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[1]["reply"].toString(), QStringLiteral("B1\nB2\n"));
    QCOMPARE(lines[0]["reply"].toString(), QStringLiteral("^1A\n"));
    QVERIFY(lines[0]["ok"].toBool() && !lines[2]["ok"].toBool());
    QCOMPARE(lines[2]["server"].toString(), silent.target());
  }

  void statusAsJsonAndMetrics() {
    AnsweringServer a, silent;
    silent.silent = true;
    const auto one = serve({"--status", "--json", a.target()});
    const auto fleet =
        serve({"--status", "--json", "--timeout", "0.5", a.target(), silent.target()});
    const QString errors = clitest::schemaErrors(one.out + fleet.out);
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
    // The server's order of settings, numbers as numbers, names with and without colour.
    QVERIFY2(one.out.startsWith(R"({"settings":{"sv_hostname":"^1Red ^7Base","mapname":"ctf1",)"),
             one.out);
    QVERIFY2(
        one.out.contains(R"({"score":3,"ping":50,"team":null,"name":"^2Al","name_plain":"Al"})"),
        one.out);
    QCOMPARE(fleet.code, 1);
    QCOMPARE(jsonLines(fleet.out).value(1)["error"].toString(),
             QStringLiteral("no reply within 0.5 s"));

    const auto metrics = serve(
        {"--status", "--format", "prometheus", "--timeout", "0.5", a.target(), silent.target()});
    const QByteArray at = "{server=\"" + a.target().toUtf8() + "\"}";
    for (const QByteArray& line :
         {"vortane_up" + at + " 1", "vortane_players" + at + " 1", "vortane_bots" + at + " 1",
          "vortane_max_clients" + at + " 16",
          "vortane_up{server=\"" + silent.target().toUtf8() + "\"} 0",
          "vortane_map_info{server=\"" + a.target().toUtf8() + "\",map=\"ctf1\"} 1"}) {
      QVERIFY2(metrics.out.contains(line + '\n'), metrics.out);
    }
    QCOMPARE(metrics.out.count("# TYPE vortane_up gauge"), 1);
  }

  // A split reply ends at the marker, which is never printed; a server without "echo" falls
  // back to the quiet rule, said once.
  void endMarker() {
    AnsweringServer server;
    server.replies["status"] = {print("map: ctf1\nplay"), print("ers: 2\n")};
    const auto marked = serve({"-p", "pw", "--end-marker", server.target(), "status"});
    QCOMPARE(marked.out, QByteArray("map: ctf1\nplayers: 2\n"));
    QVERIFY2(marked.code == 0 && marked.err.isEmpty(), marked.err);
    QCOMPARE(server.received.size(), 2);

    server.echoes = false;
    const auto fallback =
        serve({"-p", "pw", "--end-marker", "--quiet", "50", "--pace", "0", server.target()}, {},
              "status\nstatus\n");
    QCOMPARE(fallback.out, QByteArray("map: ctf1\nplayers: 2\nmap: ctf1\nplayers: 2\n"));
    QCOMPARE(fallback.err.count("did not answer the end marker"), 1);
  }

  void tricklingReplyIsBounded() {
    AnsweringServer server;
    server.replies["dots"] = {print(".")};
    server.trickleCommand = "dots";
    const auto bounded = serve({"-p", "pw", "--deadline", "0.8", server.target(), "dots"});
    QCOMPARE(bounded.code, 1);
    QVERIFY2(bounded.out.startsWith("...") && bounded.err.contains("still coming after 0.8 s"),
             bounded.out + bounded.err);
    // Empty datagrams never hold the reply open.
    AnsweringServer empties;
    empties.replies["x"] = {print("a\n")};
    empties.trickleCommand = "x";
    empties.trickle = print("");
    const auto quiet = serve({"-p", "pw", "--quiet", "300", empties.target(), "x"});
    QVERIFY2(quiet.code == 0 && quiet.out == "a\n", quiet.out + quiet.err);
  }

  void colourAndWriteErrors() {
    AnsweringServer server;
    server.replies["c"] = {print("^1red ^7def\x1b[2J\n")};
    const QStringList c{"-p", "pw", server.target(), "c"};
    QCOMPARE(serve(QStringList{"--color=always"} + c).out,
             QByteArray("\x1b[31mred \x1b[39mdef\xEF\xBF\xBD[2J\x1b[0m\n"));
    const QByteArray plain("red def\xEF\xBF\xBD[2J\n");  // auto: not a terminal
    QCOMPARE(serve(c).out, plain);
    QCOMPARE(serve(QStringList{"--color", "never"} + c).out, plain);
    QCOMPARE(serve(QStringList{"--raw"} + c).out, QByteArray("^1red ^7def\x1b[2J\n"));

    const auto full = serve(c, {}, {}, QStringLiteral("/dev/full"));
    QVERIFY2(full.code == 4 && full.err.contains("cannot write to standard output"), full.err);
    QCOMPARE(serve({"--help"}, {}, {}, QStringLiteral("/dev/full")).code, 4);
  }

  void messagesAsJson() {
    AnsweringServer server;
    QTemporaryDir dir;
    QFile list(dir.filePath(QStringLiteral("m.txt")));
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write("Caf\xE9\n") > 0);
    list.close();
    QProcess cli;
    cli.start(
        QStringLiteral(RCON_BINARY_DIR "/vortane-rcon"),
        {"-p", "pw", "--json", "--messages", list.fileName(), "--interval", "1", server.target()});
    QDeadlineTimer deadline(10000);
    while (server.received.isEmpty() && !deadline.hasExpired()) QTest::qWait(5);
    cli.terminate();
    QVERIFY(cli.waitForFinished(10000) && cli.exitCode() == 0);
    const QByteArray out = cli.readAllStandardOutput();
    QVERIFY2(out.contains(R"("message":"Café")"), out.constData());  // the file is 8-bit
    const QString errors = clitest::schemaErrors(out);
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
  }

  // "--" ends the options: a command may begin with "-". --help-all is help, and sends nothing.
  void dashDashAndHelpAll() {
    AnsweringServer server;
    QCOMPARE(serve({"-p", "pw", "--timeout", "0.3", server.target(), "--", "-x", "y"}).code, 1);
    QCOMPARE(server.received.value(0), QByteArray("rcon pw -x y"));
    server.received.clear();
    const auto help = serve({"--help-all", server.target(), "status"});
    QVERIFY(help.code == 0 && help.out.contains("--end-marker") && server.received.isEmpty());
  }
};

}  // namespace

QTEST_GUILESS_MAIN(FleetTest)
#include "fleet_test.moc"
