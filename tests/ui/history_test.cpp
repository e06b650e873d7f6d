// Command history in the command line: Up and Down as in a shell, against a real socket.
#include <QTest>

#include "fakes/FakeGameServer.h"
#include "fakes/TestWindow.h"
#include "fakes/Typing.h"

namespace {

const QByteArray kPrefix("\xFF\xFF\xFF\xFF", 4);

class HistoryTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    t = std::make_unique<fakes::TestWindow>();
    w = &t->open();
    t->setServer(QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("pw"));
    server.clear();
    w->controls().txtSend->setFocus();
    for (const char* command : {"status", "map ctf1", "kick 3"}) {
      fakes::Type(QString::fromLatin1(command) + '\r');
    }
    QVERIFY(server.waitForDatagrams(3));
  }
  void cleanup() { t.reset(); }

  void upUpEnterSendsTheSecondAgain() {
    fakes::Press(Qt::Key_Up);
    QCOMPARE(w->controls().txtSend->text(), QStringLiteral("kick 3"));
    fakes::Press(Qt::Key_Up);
    QCOMPARE(w->controls().txtSend->text(), QStringLiteral("map ctf1"));
    fakes::Press(Qt::Key_Return);
    QVERIFY(server.waitForDatagrams(4));
    QCOMPARE(server.received().last(), kPrefix + "rcon pw map ctf1");
    QVERIFY(w->controls().txtSend->text().isEmpty());
    // The command sent again is now the newest.
    fakes::Press(Qt::Key_Up);
    QCOMPARE(w->controls().txtSend->text(), QStringLiteral("map ctf1"));
    fakes::Press(Qt::Key_Up);
    QCOMPARE(w->controls().txtSend->text(), QStringLiteral("kick 3"));
  }

  void downPastTheNewestRestoresTheDraft() {
    fakes::Type(QStringLiteral("say hal"));
    fakes::Press(Qt::Key_Up);
    fakes::Press(Qt::Key_Up);
    fakes::Press(Qt::Key_Up);
    fakes::Press(Qt::Key_Up);  // nothing older: stays on the oldest
    QCOMPARE(w->controls().txtSend->text(), QStringLiteral("status"));
    fakes::Press(Qt::Key_Down);
    fakes::Press(Qt::Key_Down);
    QCOMPARE(w->controls().txtSend->text(), QStringLiteral("kick 3"));
    fakes::Press(Qt::Key_Down);
    QCOMPARE(w->controls().txtSend->text(), QStringLiteral("say hal"));
    fakes::Press(Qt::Key_Down);
    QCOMPARE(w->controls().txtSend->text(), QStringLiteral("say hal"));
    fakes::Type(QStringLiteral("f\r"));
    QVERIFY(server.waitForDatagrams(4));
    QCOMPARE(server.received().last(), kPrefix + "rcon pw say half");
  }

  void theMenuCommandIsKeptToo() {
    fakes::Type(QStringLiteral("restart"));
    w->menus().mnuServRcon->trigger();
    QVERIFY(server.waitForDatagrams(4));
    fakes::Press(Qt::Key_Up);
    QCOMPARE(w->controls().txtSend->text(), QStringLiteral("restart"));
  }

 private:
  fakes::FakeGameServer server;
  std::unique_ptr<fakes::TestWindow> t;
  ui::frmRcon* w = nullptr;
};

}  // namespace

QTEST_MAIN(HistoryTest)
#include "history_test.moc"
