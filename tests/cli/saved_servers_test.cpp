// SPDX-License-Identifier: GPL-3.0-or-later
// vortane-rcon with saved servers: @NAME, @GROUP and @all from the servers file, passwords from a
// real Secret Service (the test runs itself again through tests/keyring/with-keyring.sh), then
// the password command, and the environment before both.
#include <unistd.h>

#include <QProcess>
#include <QTest>

#include "keyring/KeyringSession.h"
#include "cli/AnsweringServer.h"
#include "cli/Serving.h"
#include "platform/base/SecretStore.h"
#include "platform/base/ServersFile.h"

namespace {

using clitest::AnsweringServer;
using clitest::serve;
constexpr int kWaitMs = 30000;

// The requests a server received, end markers left out.
QList<QByteArray> commands(const AnsweringServer& server) {
  QList<QByteArray> found;
  for (const QByteArray& request : server.received) {
    if (!request.contains(" echo vortane-rcon-end-")) found << request;
  }
  return found;
}

class SavedServersTest : public QObject {
  Q_OBJECT
  AnsweringServer east, other;
  AnsweringServer west{QHostAddress(QHostAddress::LocalHostIPv6)};

 private slots:
  void initTestCase() {
    QVERIFY2(!qEnvironmentVariable("RCON_KEYRING_HOME").isEmpty(), "run through with-keyring.sh");
    rcon::ServerList list;
    QCOMPARE(list.save({"east", "localhost", east.port(), {}}), std::string());
    QCOMPARE(list.save({"west", "[::1]", west.port(), {}}), std::string());
    QCOMPARE(list.save({"other",
                        "127.0.0.1",
                        other.port(),
                        {{"password-command", "printf 'from-command\\nx'"}}}),
             std::string());
    QCOMPARE(list.setGroup("eu", {"east", "other"}), std::string());
    QCOMPARE(platform::ServersFile().save(list), std::string());
    platform::SecretStore store;
    QVERIFY(store.writePasswordBlocking("east", "east-secret", kWaitMs).ok());
    QVERIFY(store.writePasswordBlocking("west", "west-\xE9", kWaitMs).ok());
  }

  void passwordsInOrder() {
    const auto one = serve({"--timeout", "1", "@east", "status"});
    QCOMPARE(east.received.value(0), QByteArray("rcon east-secret status"));
    QCOMPARE(one.code, 1);  // the fake has no answer for "status"
    // A group: the store for one, the password command for the other.
    serve({"--timeout", "1", "@eu", "--", "map", "x"});
    QCOMPARE(commands(east).value(1), QByteArray("rcon east-secret map x"));
    QCOMPARE(commands(other).value(0), QByteArray("rcon from-command map x"));
    // The environment before the store, -p before the environment.
    serve({"--timeout", "1", "@east", "a"}, {{"VORTANE_RCON_PASSWORD", "env"}});
    serve({"--timeout", "1", "-p", "typed", "@east", "b"}, {{"VORTANE_RCON_PASSWORD", "env"}});
    QCOMPARE(commands(east).mid(2, 2), (QList<QByteArray>{"rcon env a", "rcon typed b"}));
  }

  void allServersAtOnce() {
    for (AnsweringServer* server : {&east, &west, &other}) {
      server->replies["who"] = {AnsweringServer::print("me\n")};
    }
    const auto all = serve({"--json", "@all", "--", "who"});
    QVERIFY2(all.code == 0, all.err);
    QCOMPARE(all.out.count("\"reply\":\"me\\n\""), 3);
    QVERIFY(all.out.contains("\"server\":\"@west\""));
    QVERIFY(west.received.contains("rcon west-\xE9 who"));
    const QString errors = clitest::schemaErrors(all.out);
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
    // bash completes the saved names and groups.
    QProcess bash;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), QStringLiteral(RCON_BINARY_DIR ":") +
                                                   environment.value(QStringLiteral("PATH")));
    bash.setProcessEnvironment(environment);
    bash.start(QStringLiteral("bash"),
               {"-c",
                ". \"$0\"; COMP_WORDS=(vortane-rcon @e); COMP_CWORD=1; _vortane_rcon; "
                "printf '%s\\n' \"${COMPREPLY[@]}\"",
                RCON_SOURCE_DIR "/rcon/cli/completions/vortane-rcon.bash"});
    QVERIFY(bash.waitForFinished(10000));
    QCOMPARE(bash.readAllStandardOutput(), QByteArray("@east\n@eu\n"));
    const auto unknown = serve({"@nobody", "x"});
    QVERIFY(unknown.code == 2 && unknown.err.contains("no saved server or group is called"));
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  if (const int failed = fakes::enterKeyringSession(argc, argv)) return failed;
  QCoreApplication app(argc, argv);
  SavedServersTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "saved_servers_test.moc"
