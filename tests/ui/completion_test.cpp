// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+Space in the command line, against a fake server answering cmdlist and cvarlist over
// the side channel, on the virtual clock.
#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

#include "fakes/TestWindow.h"

namespace {

// The side channel's quiet period (or its time-out) passes on the virtual clock.
void pass(fakes::TestWindow& t, std::int64_t ms) {
  t.clock.now += ms;
  t.sideChannel->timer.fire();
}

void completeKey(QLineEdit* line) { QTest::keyClick(line, Qt::Key_Space, Qt::ControlModifier); }

class CompletionTest : public QObject {
  Q_OBJECT
 private slots:
  void completesFromTheServersNamesFetchedOncePerServer() {
    fakes::TestWindow t;
    t.open();
    t.setServer(QStringLiteral("127.0.0.1"), 20100, QStringLiteral("pw"));
    QLineEdit* line = t.line(QStringLiteral("txtSend"));
    line->setFocus();
    QTest::keyClicks(line, QStringLiteral("clientk"));
    completeKey(line);
    QVERIFY(t.sideChannel != nullptr);
    QCOMPARE(t.sideChannel->socket.sent.size(), std::size_t(1));
    QCOMPARE(t.sideChannel->socket.sent[0].bytes, std::string("\xFF\xFF\xFF\xFFrcon pw cmdlist"));
    QCOMPARE(line->text(), QStringLiteral("clientk"));            // waits for the names
    t.sideChannel->socket.reply("status\nclientkick\nkick\nki");  // split anywhere
    t.sideChannel->socket.reply("ckall\nset\n5 commands\n");
    pass(t, 300);
    QCOMPARE(t.sideChannel->socket.sent.size(), std::size_t(2));
    QCOMPARE(t.sideChannel->socket.sent[1].bytes, std::string("\xFF\xFF\xFF\xFFrcon pw cvarlist"));
    t.sideChannel->socket.reply(
        "S     A sv_hostname \"Friday\"\n        sv_maxclients \"8\"\n"
        "\n2 total cvars\n2 cvar indexes\n");
    pass(t, 300);
    QCOMPARE(line->text(), QStringLiteral("clientkick"));  // one match: put in at once
    // None of it went through the console's socket or into the console.
    QVERIFY(t.socket.sent.empty());
    QVERIFY(t.console().empty());

    // Several matches open a list; Escape closes it and leaves the line as it was.
    line->setText(QStringLiteral("set sv_ 1"));
    line->setCursorPosition(7);
    completeKey(line);
    QCOMPARE(t.sideChannel->socket.sent.size(), std::size_t(2));  // known: not asked again
    auto* list = qobject_cast<QAbstractItemView*>(QApplication::activePopupWidget());
    QVERIFY(list != nullptr && list->isVisible());
    QCOMPARE(list->objectName(), QStringLiteral("lstCompletion"));
    QCOMPARE(list->model()->rowCount(), 2);
    QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(!list->isVisible());
    QCOMPARE(line->text(), QStringLiteral("set sv_ 1"));
    QCOMPARE(line->cursorPosition(), 7);  // where it was, nothing selected: typing goes on
    QVERIFY(!line->hasSelectedText());
    // Chosen from the list: the word before the caret is replaced, the rest stays.
    completeKey(line);
    QTest::keyClick(list, Qt::Key_Down);
    const QString chosen = list->currentIndex().data().toString();
    QVERIFY(chosen.startsWith(QStringLiteral("sv_")));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(line->text(), QStringLiteral("set ") + chosen + QStringLiteral(" 1"));
    QVERIFY(t.socket.sent.empty());  // Return in the list chose; it sent nothing
  }

  void historyCompletesWhenTheServerIsSilentAndTabAndArrowsKeepTheirWork() {
    fakes::TestWindow t;
    t.open();
    t.setServer(QStringLiteral("127.0.0.1"), 20100, QStringLiteral("pw"));
    QLineEdit* line = t.line(QStringLiteral("txtSend"));
    line->setFocus();
    for (const char* command : {"status", "kick 3"}) {
      QTest::keyClicks(line, QString::fromLatin1(command));
      QTest::keyClick(line, Qt::Key_Return);
    }
    QCOMPARE(t.requests().size(), std::size_t(2));
    QTest::keyClicks(line, QStringLiteral("sta"));
    completeKey(line);
    pass(t, 3100);  // no answer: the history's words alone
    QCOMPARE(line->text(), QStringLiteral("status"));
    // Not fetched: asked again next time.
    line->clear();
    QTest::keyClicks(line, QStringLiteral("ki"));
    completeKey(line);
    QCOMPARE(t.sideChannel->socket.sent.size(), std::size_t(2));
    pass(t, 3100);
    QCOMPARE(line->text(), QStringLiteral("kick"));

    QTest::keyClick(line, Qt::Key_Up);
    QCOMPARE(line->text(), QStringLiteral("kick 3"));
    QTest::keyClick(line, Qt::Key_Up);
    QCOMPARE(line->text(), QStringLiteral("status"));
    QTest::keyClick(line, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtReceive"));
  }
};

}  // namespace

QTEST_MAIN(CompletionTest)
#include "completion_test.moc"
