// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Find... and the rest of the Edit menu, as a user meets them in the main window.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "fakes/TestWindow.h"
#include "ui/frmRcon/ConsoleView.h"

namespace {

class FindTest : public QObject {
  Q_OBJECT
 private slots:
  void findsWrapsGoesOnAfterRepliesAndScrollsTheMatchIntoView() {
    fakes::TestWindow t;
    t.open();
    t.contactServer();
    std::string text;
    for (int i = 0; i < 300; ++i) {
      text += i == 5     ? "a Needle\n"
              : i == 250 ? "the needle\n"
                         : "line " + std::to_string(i) + "\n";
    }
    t.socket.reply(text);
    auto* view = t.find<ui::ConsoleView>(QStringLiteral("txtReceive"));
    QVERIFY(!view->isLineVisible(5));

    t.action(QStringLiteral("mnuEditFind"))->trigger();
    auto* box = t.find<QWidget>(QStringLiteral("frmFind"));
    QVERIFY(box != nullptr && box->isVisible());
    auto* what = t.line(QStringLiteral("txtFind"));
    auto* result = t.find<QLabel>(QStringLiteral("lblFindResult"));
    QTest::keyClicks(what, QStringLiteral("needle"));
    QTest::keyClick(what, Qt::Key_Return);
    // The caret stood at the end: the search went round to the top, whatever the case.
    QCOMPARE(view->selectedText(), QStringLiteral("Needle"));
    QVERIFY(view->isLineVisible(5));
    QVERIFY(result->text().contains(QStringLiteral("continued from the top")));

    // A reply ends the selection; Find Next still goes on from the match, not from the end.
    t.socket.reply("more\n");
    QVERIFY(!view->hasSelection());
    t.action(QStringLiteral("mnuEditFindNext"))->trigger();
    QCOMPARE(view->selectedText(), QStringLiteral("needle"));
    QVERIFY(view->isLineVisible(250));
    QVERIFY(result->text().isEmpty());

    // Upwards with match case: "Needle" no longer counts, so the search comes round to itself.
    t.find<QCheckBox>(QStringLiteral("chkMatchCase"))->setChecked(true);
    t.find<QRadioButton>(QStringLiteral("optUp"))->setChecked(true);
    const auto before = view->selectionRange();
    QTest::keyClick(what, Qt::Key_F3);
    QCOMPARE(view->selectionRange(), before);
    QVERIFY(result->text().contains(QStringLiteral("continued from the bottom")));

    // Nothing found: said so, and the selection stays.
    what->setText(QStringLiteral("absent"));
    QTest::keyClick(what, Qt::Key_Return);
    QCOMPARE(result->text(), QStringLiteral("Cannot find \"absent\"."));
    QCOMPARE(view->selectionRange(), before);

    QTest::keyClick(what, Qt::Key_Escape);
    QVERIFY(!box->isVisible());
  }

  void copyAndSelectAllActOnTheFieldBeingEditedElseOnTheConsole() {
    fakes::TestWindow t;
    t.open();
    t.contactServer();
    t.socket.reply("one\ntwo\n");
    QGuiApplication::clipboard()->clear();
    auto* command = t.line(QStringLiteral("txtSend"));
    command->setText(QStringLiteral("status"));
    command->setFocus();
    t.action(QStringLiteral("mnuEditSelectAll"))->trigger();
    t.action(QStringLiteral("mnuEditCopy"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("status"));

    t.find<ui::ConsoleView>(QStringLiteral("txtReceive"))->setFocus();
    t.action(QStringLiteral("mnuEditSelectAll"))->trigger();
    t.action(QStringLiteral("mnuEditCopy"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one\ntwo\n"));
    // Select All has no key of its own: Ctrl+A stays Save As.
    QVERIFY(t.action(QStringLiteral("mnuEditSelectAll"))->shortcut().isEmpty());
  }
};

}  // namespace

QTEST_MAIN(FindTest)
#include "find_test.moc"
