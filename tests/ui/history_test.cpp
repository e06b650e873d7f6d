// Command history in the command line: Up and Down as in a shell, against a real socket.
#include <QTest>

#include "fakes/FakeGameServer.h"
#include "fakes/TestWindow.h"
#include "fakes/Typing.h"

namespace {

const QByteArray kPrefix("\xFF\xFF\xFF\xFFrcon pw ");

class HistoryTest : public QObject {
  Q_OBJECT
 private slots:
  // Three commands sent, then a draft typed.
  void browsesAsAShellAndSendsWhatItRecalls() {
    t.open();
    t.setServer(QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("pw"));
    t.window->controls().txtSend->setFocus();
    for (const char* command : {"status\r", "map ctf1\r", "kick 3\r"}) fakes::Type(command);
    QVERIFY(server.waitForDatagrams(3));
    fakes::Type(QStringLiteral("say hal"));
    QCOMPARE(press({Qt::Key_Up, Qt::Key_Up}), QStringLiteral("map ctf1"));
    QCOMPARE(press({Qt::Key_Down, Qt::Key_Down}), QStringLiteral("say hal"));  // the draft back
    QCOMPARE(press({Qt::Key_Up, Qt::Key_Up, Qt::Key_Return}), QString());
    QVERIFY(server.waitForDatagrams(4));
    QCOMPARE(server.received().last(), kPrefix + "map ctf1");
    QCOMPARE(press({Qt::Key_Up, Qt::Key_Up}), QStringLiteral("kick 3"));  // past the one sent again
  }

 private:
  // Presses the keys in the command line and returns what it shows then.
  QString press(std::initializer_list<Qt::Key> keys) {
    for (Qt::Key key : keys) fakes::Press(key);
    return t.window->controls().txtSend->text();
  }

  fakes::FakeGameServer server;
  fakes::TestWindow t;
};

}  // namespace

QTEST_MAIN(HistoryTest)
#include "history_test.moc"
