// SPDX-License-Identifier: GPL-3.0-or-later
// Server > Players... over the fakes and a virtual clock: the list, its refreshes, the actions
// and the fallback to the status reply. The window's own traffic goes over its side channel.
#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QTableView>
#include <QTest>

#include "fakes/TestWindow.h"

namespace {

const std::string kStatus =
    "map: oa_dm1\n"
    "cl score ping name            address                                 rate\n"
    "-- ----- ---- --------------- --------------------------------------- -----\n"
    " 0     1    0 Sarge           ^7bot                                     16384\n"
    " 3     7   48 ^1Red^2Green      10.0.0.5:27960                            25000\n"
    " 5     2 CNCT Two Words       [::1]:27961                               25000\n";

struct Players {
  fakes::TestWindow t;
  QWidget* window = nullptr;
  QTableView* table = nullptr;

  explicit Players(const QString& password = QStringLiteral("pw")) {
    t.open();
    t.setServer(QStringLiteral("127.0.0.1"), 20100, password);
    t.action(QStringLiteral("mnuServPlayers"))->trigger();
    window = t.find(QStringLiteral("frmPlayers"));
    table = t.find<QTableView>(QStringLiteral("lstPlayers"));
  }
  fakes::FakeSocket& side() { return t.sideChannel->socket; }
  std::string lastSent() { return side().sent.back().bytes.substr(4); }
  // The server answers and its reply's quiet period passes.
  void answer(std::string_view text) {
    side().reply(text);
    t.clock.now += 300;
    t.sideChannel->timer.fire();
  }
  void answerStatus(std::string_view text) {
    side().arrive({{"\xFF\xFF\xFF\xFFstatusResponse\n" + std::string(text), "127.0.0.1", 20100}});
  }
  void tick() {
    t.clock.now += 5000;
    t.windowTimer->fire();
  }
  // The view's row showing slot.
  int rowOf(int slot) {
    for (int row = 0; row < table->model()->rowCount(); ++row) {
      if (table->model()->index(row, 0).data().toString() == QString::number(slot)) return row;
    }
    return -1;
  }
  QString cell(int row, int column) { return table->model()->index(row, column).data().toString(); }
  QAction* action(const char* name) { return window->findChild<QAction*>(QLatin1String(name)); }
  QString state() { return window->findChild<QLabel*>(QStringLiteral("lblState"))->text(); }
};

class PlayersTest : public QObject {
  Q_OBJECT
 private slots:
  void listFillsAndRefreshesKeepingTheSelection() {
    Players p;
    QVERIFY(p.window && p.window->isVisible() && !p.window->isModal());
    QCOMPARE(p.side().sent.size(), 1u);
    QCOMPARE(p.lastSent(), std::string("rcon pw status"));
    QCOMPARE(p.t.windowTimer->current, 5000u);
    p.tick();  // unanswered: no second request
    QCOMPARE(p.side().sent.size(), 1u);
    p.answer(kStatus);
    QCOMPARE(p.table->model()->rowCount(), 3);
    const int red = p.rowOf(3);
    QCOMPARE(p.cell(red, 1), QStringLiteral("RedGreen"));
    QCOMPARE(p.cell(red, 4), QStringLiteral("10.0.0.5:27960"));
    QCOMPARE(p.cell(p.rowOf(5), 1), QStringLiteral("Two Words"));
    QCOMPARE(p.cell(p.rowOf(5), 3), QStringLiteral("CNCT"));
    QVERIFY(p.state().contains(QStringLiteral("3 player(s) on oa_dm1")));
    p.table->selectRow(red);

    p.tick();
    QCOMPARE(p.side().sent.size(), 2u);
    p.answer(kStatus.substr(0, kStatus.find(" 3 ")) +
             " 1     0   20 Newcomer        10.0.0.9:27960 25000\n"
             " 3     9   50 ^1Red^2Green      10.0.0.5:27960 25000\n");
    QCOMPARE(p.table->model()->rowCount(), 3);
    const QModelIndexList chosen = p.table->selectionModel()->selectedRows();
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen[0].data().toString(), QStringLiteral("3"));
    QCOMPARE(p.cell(chosen[0].row(), 2), QStringLiteral("9"));

    // Nothing of the window's traffic reaches the console or the console's socket.
    QVERIFY(p.t.socket.sent.empty());
    QCOMPARE(p.t.console(), std::string());
  }

  void kickAsksThenSendsThroughTheSession() {
    Players p;
    p.answer(kStatus);
    p.table->selectRow(p.rowOf(3));
    p.t.messageBox.answers = {rcon::MsgAnswer::No, rcon::MsgAnswer::Yes};
    p.action("mnuPlayerKick")->trigger();
    QVERIFY(p.t.requests().empty());
    QVERIFY(p.t.messageBox.shown.back().text.find("RedGreen") != std::string::npos);
    p.action("mnuPlayerKick")->trigger();
    QCOMPARE(p.t.requests(), std::vector<std::string>{"rcon pw clientkick 3"});

    p.table->selectRow(p.rowOf(0));  // a bot: no address to ban
    QVERIFY(!p.action("mnuPlayerBan")->isEnabled());
    QVERIFY(p.action("mnuPlayerKick")->isEnabled());
  }

  void tellRefusesASemicolonAndSendsOneQuotedArgument() {
    Players p;
    p.answer(kStatus);
    p.table->selectRow(p.rowOf(3));
    const auto tell = [&p](const QString& text) {
      p.action("mnuPlayerTell")->trigger();
      auto* dialog = p.window->findChild<QInputDialog*>(QStringLiteral("dlgTell"));
      QVERIFY(dialog != nullptr);
      dialog->setTextValue(text);
      dialog->accept();
      delete dialog;
    };
    tell(QStringLiteral("hi; quit"));
    QVERIFY(p.t.requests().empty());
    QVERIFY(p.t.messageBox.shown.back().text.find("semicolon") != std::string::npos);
    tell(QStringLiteral("be nice"));
    QCOMPARE(p.t.requests(), std::vector<std::string>{"rcon pw tell 3 \"be nice\""});
  }

  void fallsBackToTheStatusReply() {
    Players p(QString{});  // no password
    QCOMPARE(p.lastSent(), std::string("getstatus"));
    p.answerStatus("\\mapname\\oa_dm1\n5 50 \"^1Al\"\n");
    QCOMPARE(p.table->model()->rowCount(), 1);
    QCOMPARE(p.cell(0, 0), QString());
    p.table->selectRow(0);
    QVERIFY(!p.action("mnuPlayerKick")->isEnabled() && !p.action("mnuPlayerTell")->isEnabled());
    QVERIFY(p.action("mnuPlayerCopyName")->isEnabled());
    QVERIFY(p.state().contains(QStringLiteral("Without the password")));

    p.t.line(QStringLiteral("txtPass"))->setText(QStringLiteral("wrong"));
    p.tick();
    QCOMPARE(p.lastSent(), std::string("rcon wrong status"));
    p.answer("Bad rconpassword.\n");
    QVERIFY(p.state().contains(QStringLiteral("refused the password")));
    p.tick();
    QCOMPARE(p.lastSent(), std::string("getstatus"));
    QCOMPARE(p.t.console(), std::string());
  }
};

}  // namespace

QTEST_MAIN(PlayersTest)
#include "players_test.moc"
