// SPDX-License-Identifier: GPL-3.0-or-later
// Saved servers end to end against a real Secret Service (the test runs itself again through
// tests/keyring/with-keyring.sh): one run of the window saves a server with its password, a
// second run connects to it and sends a command over UDP to a game server on 127.0.0.1. The
// datagram carries the password; no file under the test's home holds it.
#include <unistd.h>

#include <QApplication>
#include <QDirIterator>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "keyring/KeyringSession.h"
#include "fakes/FakeGameServer.h"
#include "fakes/TestWindow.h"
#include "platform/base/SecretStore.h"
#include "platform/base/ServersFile.h"
#include "platform/base/TextCodec.h"
#include "platform/base/UdpSocket.h"

namespace {

constexpr int kWaitMs = 30000;
// Bytes above 127, as the server's 8-bit text allows; the marker is what the search looks for.
const QByteArray kMarker("e2e-s3cret");
const QByteArray kPassword = kMarker + "-\xE9";

QWidget* shown(const char* objectName) {
  for (QWidget* window : QApplication::allWidgets())
    if (window->objectName() == QLatin1String(objectName) && window->isVisible()) return window;
  return nullptr;
}

// Each slot is one run of the program, in a process of its own.
class Runs : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    t = std::make_unique<fakes::TestWindow>();
    t->services.serversFile = &file;
    t->services.passwords = &store;
    t->sessionSocket = &socket;
  }
  void cleanup() { t.reset(); }

  void saveServer() {
    t->open();
    t->setServer(QStringLiteral("127.0.0.1"), port(), platform::ToQString(kPassword.toStdString()));
    t->action("mnuServSaved")->trigger();
    QVERIFY(shown("frmServers"));
    QTest::mouseClick(shown("frmServers")->findChild<QPushButton*>("cmdSaveCurrent"),
                      Qt::LeftButton);
    QWidget* editor = shown("frmServerEdit");
    QVERIFY(editor);
    editor->findChild<QLineEdit*>("txtName")->setText(QStringLiteral("e2e"));
    QTest::mouseClick(editor->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    // The store answers through the event loop; this run must not end before it has.
    platform::SecretStore reader;
    QTRY_VERIFY_WITH_TIMEOUT(reader.readPasswordBlocking("e2e", kWaitMs).ok(), kWaitMs);
    QVERIFY(platform::ServersFile().load().servers.find("e2e"));
    QVERIFY(t->messageBox.shown.empty());
  }

  void connectAndSend() {
    t->open();
    QCOMPARE(t->line("txtPass")->text(), QString());  // nothing opens by itself
    t->action("mnuServSaved")->trigger();
    QPointer<QWidget> dialog = shown("frmServers");
    QVERIFY(dialog);
    QCOMPARE(dialog->findChild<QTreeWidget*>("lstServers")->currentItem()->text(0),
             QStringLiteral("e2e"));
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdConnect"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog, kWaitMs);
    QCOMPARE(t->line("txtPort")->text(), QString::number(port()));
    QCOMPARE(t->window->windowTitle(), QStringLiteral("Vortane Remote Console - e2e"));
    t->line("txtSend")->setText(QStringLiteral("status"));
    QTest::keyClick(t->line("txtSend"), Qt::Key_Return);
    QCOMPARE(t->socket.sent.size(), 0u);  // it went through the real socket
    QVERIFY(t->messageBox.shown.empty());
  }

 private:
  static quint16 port() { return quint16(qEnvironmentVariableIntValue("RCON_E2E_PORT")); }

  platform::ServersFile file;
  platform::SecretStore store;
  platform::UdpSocket socket{nullptr, 0};
  std::unique_ptr<fakes::TestWindow> t;
};

class SavedServersKeyringTest : public QObject {
  Q_OBJECT
 private slots:
  void aRememberedPasswordSurvivesARestartAndNeverReachesTheDisk() {
    const QString root = qEnvironmentVariable("RCON_KEYRING_HOME");
    QVERIFY(!root.isEmpty());
    fakes::FakeGameServer server;
    for (const char* run : {"saveServer", "connectAndSend"}) {
      QProcess program;
      QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
      environment.insert(QStringLiteral("RCON_E2E_PORT"), QString::number(server.port()));
      environment.insert(QStringLiteral("RCON_E2E_RUN"), QStringLiteral("1"));
      program.setProcessEnvironment(environment);
      program.setProcessChannelMode(QProcess::MergedChannels);
      program.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(run)});
      // The game server answers to its socket meanwhile: no blocking wait here.
      QTRY_VERIFY_WITH_TIMEOUT(program.state() == QProcess::NotRunning, 2 * kWaitMs);
      QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0,
               program.readAll().constData());
    }
    QVERIFY(server.waitForDatagrams(1));
    QCOMPARE(server.received(), QList<QByteArray>{"\xFF\xFF\xFF\xFFrcon " + kPassword + " status"});

    // The servers file and the keyring are there, and neither holds the password in the clear.
    QVERIFY(QFile::exists(root + "/config/VortaneRcon/servers.ini"));
    QVERIFY(!QDir(root + "/data/keyrings").entryList({"*.keyring"}, QDir::Files).isEmpty());
    int files = 0;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QFile file(it.next());
      if (!file.open(QIODevice::ReadOnly)) continue;
      ++files;
      QVERIFY2(!file.readAll().contains(kMarker), qPrintable(file.fileName()));
    }
    QVERIFY(files >= 2);
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  if (const int failed = fakes::enterKeyringSession(argc, argv)) return failed;
  QApplication app(argc, argv);
  if (qEnvironmentVariable("RCON_E2E_RUN") == QLatin1String("1")) {
    Runs runs;
    return QTest::qExec(&runs, argc, argv);
  }
  SavedServersKeyringTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "saved_servers_window_test.moc"
