// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows as a whole, with the real services: two windows each talking to its own
// server over UDP on 127.0.0.1, and a real process keeping its unsaved console when SIGTERM
// comes.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "core/ServerSession.h"
#include "fakes/FakeGameServer.h"
#include "ui/AppServices.h"
#include "ui/Application.h"
#include "ui/frmRcon/MainWindow.h"

namespace {

constexpr char kChildFlag[] = "--rescue-child";

void pointAt(QWidget& window, quint16 port) {
  const QStringList octets{"127", "0", "0", "1"};
  for (int i = 0; i < 4; ++i)
    window.findChild<QLineEdit*>(QStringLiteral("txtIP(%1)").arg(i))->setText(octets[i]);
  window.findChild<QLineEdit*>(QStringLiteral("txtPort"))->setText(QString::number(port));
  window.findChild<QLineEdit*>(QStringLiteral("txtPass"))->setText(QStringLiteral("pw"));
}

void send(QWidget& window, const QString& command) {
  window.findChild<QLineEdit*>(QStringLiteral("txtSend"))->setText(command);
  window.findChild<QAction*>(QStringLiteral("mnuServRcon"))->trigger();
}

class ApplicationTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    // Recovery and overflow files go to a folder of the test's own.
    QVERIFY(state.isValid());
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", state.path().toLocal8Bit());
  }

  void twoWindowsEachWithItsOwnServer() {
    ui::AppServices services;
    ui::Application windows(services);
    ui::MainWindow& first = windows.openWindow();
    first.findChild<QAction*>(QStringLiteral("mnuFileNewWindow"))->trigger();
    QCOMPARE(windows.windowCount(), 2u);
    fakes::FakeGameServer one, two;
    pointAt(first, one.port());
    send(first, QStringLiteral("first"));
    QVERIFY(one.waitForDatagrams(1));
    auto* second = qobject_cast<ui::MainWindow*>(QApplication::activeWindow());
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top != &first && top->objectName() == QLatin1String("frmRcon"))
        second = qobject_cast<ui::MainWindow*>(top);
    }
    QVERIFY(second != nullptr && second != &first);
    pointAt(*second, two.port());
    send(*second, QStringLiteral("second"));
    QVERIFY(two.waitForDatagrams(1));
    QCOMPARE(one.received().size(), 1);  // each request to its own server
    one.reply(fakes::FakeGameServer::printReply("one\n"));
    two.reply(fakes::FakeGameServer::printReply("two\n"));
    QTRY_COMPARE_WITH_TIMEOUT(windows.session(0).console().buffer.text(), std::string("one\r\n"),
                              5000);
    QTRY_COMPARE_WITH_TIMEOUT(windows.session(1).console().buffer.text(), std::string("two\r\n"),
                              5000);
    // The message list is one for all windows.
    QCOMPARE(&windows.session(0).messaging(), &windows.session(1).messaging());
  }

  void sigtermKeepsTheUnsavedConsole() {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {kChildFlag});
    QVERIFY(child.waitForStarted(10000));
    QVERIFY(child.waitForReadyRead(20000));
    QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));
    child.terminate();  // SIGTERM
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QDir folder(state.filePath(QStringLiteral("VortaneRcon")));
    const QStringList kept = folder.entryList({QStringLiteral("console-recovery-*.txt")});
    QCOMPARE(kept.size(), 1);
    QFile file(folder.filePath(kept[0]));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("typed and received\r\n"));
    file.close();

    // The next start names the kept file in the console, once.
    ui::AppServices services;
    ui::Application windows(services);
    windows.openWindow();
    const std::string& console = windows.session(0).console().buffer.text();
    QVERIFY2(console.find("console-recovered-") != std::string::npos, console.c_str());
    QCOMPARE(folder.entryList({QStringLiteral("console-recovery-*.txt")}).size(), 0);
  }

 private:
  QTemporaryDir state;
};

// The child: a window whose console holds unsaved text, until a signal ends it.
int runChild(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::AppServices services;
  ui::Application windows(services);
  windows.openWindow();
  windows.session(0).appendToConsole("typed and received\r\n");
  std::printf("ready\n");
  std::fflush(stdout);
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], kChildFlag) == 0) return runChild(argc, argv);
  QApplication app(argc, argv);
  ApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
