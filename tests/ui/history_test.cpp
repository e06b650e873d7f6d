// SPDX-License-Identifier: GPL-3.0-or-later
// Command history in the command line: Up and Down as in a shell.
#include <QTest>

#include "fakes/TestWindow.h"
#include "fakes/Typing.h"

namespace {

class HistoryTest : public QObject {
  Q_OBJECT
 private slots:
  // Three commands sent, then a draft typed.
  void browsesAsAShellAndSendsWhatItRecalls() {
    t.open();
    t.setServer(QStringLiteral("127.0.0.1"), 20100, QStringLiteral("pw"));
    t.line("txtSend")->setFocus();
    for (const char* command : {"status\r", "map ctf1\r", "kick 3\r"}) fakes::Type(command);
    QCOMPARE(t.socket.sent.size(), std::size_t{3});
    fakes::Type(QStringLiteral("say hal"));
    QCOMPARE(press({Qt::Key_Up, Qt::Key_Up}), QStringLiteral("map ctf1"));
    QCOMPARE(press({Qt::Key_Down, Qt::Key_Down}), QStringLiteral("say hal"));  // the draft back
    QCOMPARE(press({Qt::Key_Up, Qt::Key_Up, Qt::Key_Return}), QString());
    QCOMPARE(t.requests().back(), std::string("rcon pw map ctf1"));
    QCOMPARE(press({Qt::Key_Up, Qt::Key_Up}), QStringLiteral("kick 3"));  // past the one sent again
  }

 private:
  // Presses the keys in the command line and returns what it shows then.
  QString press(std::initializer_list<Qt::Key> keys) {
    for (Qt::Key key : keys) fakes::Press(key);
    return t.line("txtSend")->text();
  }

  fakes::TestWindow t;
};

}  // namespace

QTEST_MAIN(HistoryTest)
#include "history_test.moc"
