// vortane-rcon writing to a terminal: UTF-8, colour codes as colours, and nothing in a reply
// can steer the terminal. A pseudo-terminal stands in for the user's.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QTest>
#include <cstdlib>

#include "cli/CliProcess.h"

namespace {

// Everything the program writes to the terminal until it ends.
QByteArray RunOnTerminal(const QStringList& arguments, const QByteArray& reply) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return "no pty";
  const QByteArray slave = ptsname(master);
  fakes::FakeGameServer server;
  QProcess cli;
  cli.setChildProcessModifier([slave] {
    const int fd = open(slave.constData(), O_RDWR | O_NOCTTY);
    if (fd >= 0) dup2(fd, STDOUT_FILENO);
  });
  QStringList all = arguments;
  all << clitest::Target(server) << QStringLiteral("x");
  clitest::Start(cli, all);
  QByteArray out;
  if (server.waitForDatagrams(1)) server.reply(reply);
  QDeadlineTimer deadline(10000);
  char buffer[4096];
  while (!deadline.hasExpired()) {
    pollfd watch{master, POLLIN, 0};
    if (poll(&watch, 1, 50) > 0) {
      const ssize_t n = read(master, buffer, sizeof buffer);
      if (n <= 0) break;  // the program has ended and closed the terminal
      out.append(buffer, n);
    } else if (cli.state() == QProcess::NotRunning || cli.waitForFinished(0)) {
      break;
    }
  }
  clitest::Finish(cli);
  close(master);
  return out;
}

class TerminalTest : public QObject {
  Q_OBJECT
 private slots:
  void coloursAndUtf8() {
    // The terminal turns each line feed into CR LF.
    const QByteArray shown =
        RunOnTerminal({}, fakes::FakeGameServer::printReply("Caf\xE9 ^1red^7white\nnext"));
    QCOMPARE(shown, QByteArray("Caf\xC3\xA9 \x1b[31mred\x1b[37mwhite\x1b[0m\r\nnext\r\n"));
  }

  void controlCharactersCannotSteerTheTerminal() {
    const QByteArray shown =
        RunOnTerminal({}, fakes::FakeGameServer::printReply("a\x1b]0;owned\x07\x9D"
                                                            "b\n"));
    QCOMPARE(shown, QByteArray("a\xEF\xBF\xBD]0;owned\xEF\xBF\xBD\xEF\xBF\xBD"
                               "b\r\n"));
  }

  void rawKeepsTheBytes() {
    const QByteArray shown =
        RunOnTerminal({QStringLiteral("--raw")}, fakes::FakeGameServer::printReply("^1\xE9\n"));
    QCOMPARE(shown, QByteArray("^1\xE9\r\n"));
  }
};

}  // namespace

QTEST_GUILESS_MAIN(TerminalTest)
#include "terminal_test.moc"
