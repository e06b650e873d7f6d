// SPDX-License-Identifier: GPL-3.0-or-later
// vortane-rcon's interactive shell through a real pseudo-terminal: a prompt naming the server,
// history kept across two runs, Tab completion from the server's lists, Ctrl+D to leave.
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "cli/AnsweringServer.h"

namespace {

using clitest::AnsweringServer;

// The program on the slave side of a pseudo-terminal, as its controlling terminal.
class Terminal final {
 public:
  Terminal(const QString& target, const QString& stateHome) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    const QByteArray slave = ptsname(master_);
    cli_.setChildProcessModifier([slave] {
      setsid();
      const int fd = open(slave.constData(), O_RDWR);
      ioctl(fd, TIOCSCTTY, 0);
      for (int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) dup2(fd, stream);
    });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_STATE_HOME"), stateHome);
    environment.insert(QStringLiteral("TERM"), QStringLiteral("xterm"));
    environment.insert(QStringLiteral("VORTANE_RCON_PASSWORD"), QStringLiteral("pw"));
    cli_.setProcessEnvironment(environment);
    cli_.start(QStringLiteral(RCON_BINARY_DIR "/vortane-rcon"), {target});
  }
  ~Terminal() {
    if (cli_.state() != QProcess::NotRunning) cli_.kill();
    cli_.waitForFinished(2000);
    if (master_ >= 0) close(master_);
  }

  void type(const QByteArray& keys) {
    if (write(master_, keys.constData(), static_cast<std::size_t>(keys.size())) < 0) return;
  }
  // Serves the fakes and reads the screen until it shows text, at most ten seconds.
  bool waitFor(const QByteArray& text) {
    QDeadlineTimer deadline(10000);
    while (!screen_.contains(text) && !deadline.hasExpired() &&
           cli_.state() != QProcess::NotRunning) {
      QTest::qWait(5);
      pollfd watch{master_, POLLIN, 0};
      char buffer[4096];
      while (poll(&watch, 1, 0) > 0) {
        const ssize_t n = read(master_, buffer, sizeof buffer);
        if (n <= 0) break;
        screen_.append(buffer, n);
      }
    }
    return screen_.contains(text);
  }
  // Serves the fakes until the program ends, at most ten seconds; its exit code or -1.
  int finish() {
    QDeadlineTimer deadline(10000);
    while (cli_.state() != QProcess::NotRunning && !deadline.hasExpired()) QTest::qWait(5);
    return cli_.state() == QProcess::NotRunning && cli_.exitStatus() == QProcess::NormalExit
               ? cli_.exitCode()
               : -1;
  }
  QByteArray screen() const { return screen_; }

 private:
  int master_ = -1;
  QProcess cli_;
  QByteArray screen_;
};

// The requests a server received, end markers left out.
QList<QByteArray> commands(const AnsweringServer& server) {
  QList<QByteArray> found;
  for (const QByteArray& request : server.received) {
    if (!request.contains(" echo vortane-rcon-end-")) found << request;
  }
  return found;
}

class ShellTest : public QObject {
  Q_OBJECT
 private slots:
  void historyAcrossRunsAndCompletion() {
    QTemporaryDir state;
    AnsweringServer server;
    server.replies["status"] = {AnsweringServer::print("map: ctf1\n")};
    server.replies["cmdlist"] = {AnsweringServer::print("status\nmap\n2 commands\n")};
    server.replies["cvarlist"] = {
        AnsweringServer::print("S     A  sv_hostname \"Night\"\n1 total cvars\n")};
    {
      Terminal first(server.target(), state.path());
      QVERIFY2(first.waitFor(server.target().toUtf8() + "> "), first.screen());
      first.type("status\r");
      QVERIFY2(first.waitFor("map: ctf1"), first.screen());
      first.type("sv_h\t\r");                              // completed from cvarlist
      QVERIFY2(first.waitFor("ostname"), first.screen());  // the rest of the name is filled in
      first.type("quit\r");
      QCOMPARE(first.finish(), 0);
    }
    QCOMPARE(commands(server), (QList<QByteArray>{"rcon pw status", "rcon pw cmdlist",
                                                  "rcon pw cvarlist", "rcon pw sv_hostname"}));
    QFile history(state.filePath(QStringLiteral("VortaneRcon/history")));
    QVERIFY(history.open(QIODevice::ReadOnly));
    QCOMPARE(history.readAll(), QByteArray("status\nsv_hostname\n"));
    QCOMPARE(history.permissions() & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());

    Terminal second(server.target(), state.path());
    QVERIFY2(second.waitFor("> "), second.screen());
    second.type("\x1b[A\x1b[A\r");  // Up twice: the older command of the last run
    QVERIFY2(second.waitFor("map: ctf1"), second.screen());
    second.type("\x04");  // Ctrl+D at an empty line
    QCOMPARE(second.finish(), 0);
    QCOMPARE(commands(server).value(4), QByteArray("rcon pw status"));
  }
};

}  // namespace

QTEST_GUILESS_MAIN(ShellTest)
#include "shell_test.moc"
