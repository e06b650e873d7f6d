// The window shell: the layout at real window sizes, and the notification-area icon that
// stands in for the minimised window.
#include <QAction>
#include <QMenu>
#include <QTest>

#include "fakes/TestWindow.h"
#include "ui/frmRcon/ConnectionFields.h"
#include "ui/frmRcon/ConsoleView.h"

namespace {

// Resizes the real window until its client area has the given size.
void SetClientSize(ui::frmRcon& w, QSize client) {
  w.resize(w.size() - w.clientArea()->size() + client);
  QTRY_COMPARE_WITH_TIMEOUT(w.clientArea()->size(), client, 5000);
}

QList<QRect> Geometries(ui::frmRcon& w) {
  QList<QRect> all;
  for (QWidget* child : w.clientArea()->findChildren<QWidget*>()) all << child->geometry();
  return all;
}

class ShellTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    t = std::make_unique<fakes::TestWindow>();
    w = &t->open();
  }
  void cleanup() { t.reset(); }

  void controlsFollowTheClientArea() {
    QCOMPARE(w->clientArea()->size(), QSize(617, 330));
    QCOMPARE(w->controls().txtReceive->geometry(), QRect(8, 8, 601, 217));
    QCOMPARE(w->fields().txtPass->geometry(), QRect(120, 302, 106, 19));

    SetClientSize(*w, {800, 500});
    QCOMPARE(w->controls().txtReceive->geometry(), QRect(8, 8, 784, 387));
    QCOMPARE(w->controls().txtSend->geometry(), QRect(120, 400, 672, 19));
    const int lefts[] = {120, 147, 174, 201};
    for (std::size_t i = 0; i < 4; ++i)
      QCOMPARE(w->fields().txtIP[i]->geometry(), QRect(lefts[i], 424, 25, 19));
    QCOMPARE(w->fields().txtPort->geometry(), QRect(120, 448, 106, 19));
    QCOMPARE(w->fields().txtPass->geometry(), QRect(120, 472, 106, 19));
    // Labels are at least as tall as their text, though the design gives some less.
    QVERIFY(w->controls().lblTitle->height() >= w->controls().lblTitle->sizeHint().height());
    QCOMPARE(w->controls().lblTitle->y(), 426);
    QVERIFY(w->controls().lblHowTo->height() >= w->controls().lblHowTo->heightForWidth(369));

    // The window cannot be made smaller than the design client area.
    w->resize(300, 200);
    QTRY_COMPARE_WITH_TIMEOUT(w->clientArea()->size(), QSize(617, 330), 5000);
    QCOMPARE(w->controls().txtReceive->geometry(), QRect(8, 8, 601, 217));

    w->showMaximized();
    QTRY_VERIFY_WITH_TIMEOUT(w->clientArea()->width() > 617, 5000);
    const QSize client = w->clientArea()->size();
    QCOMPARE(w->controls().txtReceive->size(), client - QSize(16, 113));
    QCOMPARE(w->fields().txtPass->y(), client.height() - 28);
  }

  void minimisingHidesBehindOneIcon() {
    const QList<QRect> before = Geometries(*w);
    w->showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(t->tray.shown, 5000);
    QVERIFY(!w->isVisible());
    QCOMPARE(t->tray.timesShown, 1);
    QCOMPARE(t->tray.lastTip, QStringLiteral("Vortane Remote Console"));
    QCOMPARE(t->tray.lastIcon.cacheKey(), w->windowIcon().cacheKey());
    QCOMPARE(Geometries(*w), before);
    QCOMPARE(t->tray.contextMenu.data(), w->menus().mnuSysTray);
    const QList<QAction*> items = w->menus().mnuSysTray->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->text(), QStringLiteral("&Restore"));
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2]->text(), QStringLiteral("E&xit"));

    w->showMinimized();  // already there: still the one icon
    QTest::qWait(50);
    QCOMPARE(t->tray.timesShown, 1);

    w->menus().mnuSysRestore->trigger();
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowState() & ~Qt::WindowActive, Qt::WindowNoState);
    QVERIFY(!t->tray.shown);

    // A maximised window comes back in the normal state, laid out. (Its size comes from the
    // window manager, which the offscreen platform only imitates: tests/xvfb checks it.)
    w->showMaximized();
    QTRY_VERIFY_WITH_TIMEOUT(w->clientArea()->width() > 617, 5000);
    w->showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(t->tray.shown, 5000);
    QCOMPARE(t->tray.timesShown, 2);
    w->menus().mnuSysRestore->trigger();
    QVERIFY(!t->tray.shown);
    QVERIFY(w->isVisible());
    QVERIFY(!w->isMaximized() && !w->isMinimized());
    QCOMPARE(w->controls().txtReceive->size(), w->clientArea()->size() - QSize(16, 113));
  }

  void exitFromTheIconGoesThroughTheSavePrompt() {
    w->ConsoleAppend("unsaved\r\n");
    w->showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(t->tray.shown, 5000);
    t->messageBox.answers = {rcon::MsgAnswer::Cancel};
    w->menus().mnuSysExit->trigger();
    QCOMPARE(t->messageBox.shown.size(), std::size_t{1});
    QVERIFY(!w->isVisible());
    QVERIFY(t->tray.shown);

    t->messageBox.answers = {rcon::MsgAnswer::No};
    w->menus().mnuSysExit->trigger();
    QVERIFY(!t->tray.shown);
  }

  void withoutANotificationAreaMinimiseIsOrdinary() {
    t->tray.available = false;
    w->showMinimized();
    QTest::qWait(50);
    QVERIFY(w->isVisible());
    QVERIFY(w->isMinimized());
    QVERIFY(!t->tray.shown);
    QCOMPARE(t->tray.timesShown, 0);
    w->showNormal();
    QCOMPARE(w->controls().txtReceive->geometry(), QRect(8, 8, 601, 217));
  }

  void losingTheNotificationAreaWhileHiddenBringsTheWindowBack() {
    w->showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(t->tray.shown, 5000);
    t->tray.loseNotificationArea();
    QVERIFY(w->isVisible());
    QVERIFY(!w->isMinimized());
    QVERIFY(!t->tray.shown);
  }

 private:
  std::unique_ptr<fakes::TestWindow> t;
  ui::frmRcon* w = nullptr;
};

}  // namespace

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
