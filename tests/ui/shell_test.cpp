// SPDX-License-Identifier: GPL-3.0-or-later
// The window shell: the layout at real window sizes, and the notification-area icon that
// stands in for the minimised window.
#include <QAction>
#include <QTest>

#include "fakes/TestWindow.h"
#include <QMenu>

namespace {

class ShellTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    t = std::make_unique<fakes::TestWindow>();
    w = &t->open();
  }
  void cleanup() { t.reset(); }

  void controlsFollowTheClientArea() {
    w->resize(w->size() - w->centralWidget()->size() + QSize(800, 500));
    QTRY_COMPARE_WITH_TIMEOUT(w->centralWidget()->size(), QSize(800, 500), 5000);
    QCOMPARE(t->find("txtReceive")->geometry(), QRect(8, 8, 784, 387));
    QCOMPARE(t->find("txtSend")->geometry(), QRect(120, 400, 672, 19));
    for (int i = 0; i < 4; ++i)
      QCOMPARE(t->find(QStringLiteral("txtIP(%1)").arg(i))->geometry(), QRect(120 + 27 * i, 424, 25, 19));
    QCOMPARE(t->find("txtPort")->geometry(), QRect(120, 448, 106, 19));
    QCOMPARE(t->find("txtPass")->geometry(), QRect(120, 472, 106, 19));
    // The window cannot be made smaller than the design client area.
    w->resize(300, 200);
    QTRY_COMPARE_WITH_TIMEOUT(w->centralWidget()->size(), QSize(617, 330), 5000);
    QCOMPARE(t->find("txtReceive")->geometry(), QRect(8, 8, 601, 217));
  }

  void minimisingHidesBehindOneIcon() {
    w->showMaximized();
    QTRY_VERIFY_WITH_TIMEOUT(w->centralWidget()->width() > 617, 5000);
    w->showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(t->tray.shown, 5000);
    QVERIFY(!w->isVisible());
    QCOMPARE(t->tray.lastTip, QStringLiteral("Vortane Remote Console"));
    QCOMPARE(t->tray.contextMenu.data(), t->find<QMenu>("mnuSysTray"));
    w->showMinimized();  // already there: still the one icon
    QTest::qWait(50);
    QCOMPARE(t->tray.timesShown, 1);
    // Restore brings the window back in the normal state, laid out, and takes the icon away.
    t->action("mnuSysRestore")->trigger();
    QVERIFY(w->isVisible() && !w->isMaximized() && !w->isMinimized());
    QVERIFY(!t->tray.shown);
    QCOMPARE(t->find("txtReceive")->size(), w->centralWidget()->size() - QSize(16, 113));
  }

  void exitFromTheIconGoesThroughTheSavePrompt() {
    t->session->appendToConsole("unsaved\r\n");
    w->showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(t->tray.shown, 5000);
    t->messageBox.answers = {rcon::MsgAnswer::Cancel, rcon::MsgAnswer::No};
    t->action("mnuSysExit")->trigger();
    QVERIFY(t->tray.shown && !w->isVisible());
    t->action("mnuSysExit")->trigger();
    QVERIFY(t->messageBox.shown.size() == 2 && !t->tray.shown);  // asked twice, then gone
  }

  void withoutANotificationAreaMinimiseIsOrdinary() {
    w->showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(t->tray.shown, 5000);
    t->tray.loseNotificationArea();  // the hidden window comes back at once
    QVERIFY(w->isVisible() && !w->isMinimized() && !t->tray.shown);
    w->showMinimized();  // and now stays in the taskbar
    QTest::qWait(50);
    QVERIFY(w->isVisible() && w->isMinimized());
    QCOMPARE(t->tray.timesShown, 1);
  }

 private:
  std::unique_ptr<fakes::TestWindow> t;
  ui::MainWindow* w = nullptr;
};

}  // namespace

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
