// SPDX-License-Identifier: GPL-3.0-or-later
// vortane-rcon writing to a terminal: UTF-8, colour codes as colours, and nothing in a reply
// can steer the terminal. A pseudo-terminal stands in for the user's.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QTest>
#include <cstdlib>

#include "cli/CliProcess.h"

namespace {

// Everything the program writes to the terminal until it ends and closes it, each wait for
// more output at most ten seconds. The terminal turns each line feed into CR LF.
QByteArray Shown(QStringList options, const QByteArray& reply, bool noColor = false) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return "no pty";
  const QByteArray slave = ptsname(master);
  fakes::FakeGameServer server;
  QProcess cli;
  cli.setChildProcessModifier(
      [slave] { dup2(open(slave.constData(), O_RDWR | O_NOCTTY), STDOUT_FILENO); });
  if (noColor) qputenv("NO_COLOR", "1");
  clitest::Start(cli, options << "-p"
                              << "pw" << clitest::Target(server) << QStringLiteral("x"));
  qunsetenv("NO_COLOR");
  if (server.waitForDatagrams(1)) server.reply(fakes::FakeGameServer::printReply(reply));
  QByteArray out;
  char buffer[4096];
  pollfd watch{master, POLLIN, 0};
  for (ssize_t n; poll(&watch, 1, 10000) > 0 && (n = read(master, buffer, sizeof buffer)) > 0;)
    out.append(buffer, n);
  clitest::Finish(cli);
  close(master);
  return out;
}

class TerminalTest : public QObject {
  Q_OBJECT
 private slots:
  void shown() {
    QCOMPARE(Shown({}, "Caf\xE9 ^1red^7white\nnext"),
             QByteArray("Caf\xC3\xA9 \x1b[31mred\x1b[39mwhite\x1b[0m\r\nnext\r\n"));
    QCOMPARE(Shown({}, "^1red^7white\n", true), QByteArray("redwhite\r\n"));  // NO_COLOR
    QCOMPARE(Shown({}, "a\x1b]0;owned\x07\x9Dz\n"),  // nothing steers the terminal
             QByteArray("a\xEF\xBF\xBD]0;owned\xEF\xBF\xBD\xEF\xBF\xBDz\r\n"));
    QCOMPARE(Shown({"--raw"}, "^1\xE9\n"), QByteArray("^1\xE9\r\n"));
  }
};

}  // namespace

QTEST_GUILESS_MAIN(TerminalTest)
#include "terminal_test.moc"
