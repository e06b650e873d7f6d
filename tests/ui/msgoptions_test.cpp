// SPDX-License-Identifier: GPL-3.0-or-later
// The messaging options dialog driven as a user drives it: keys, clicks and its File menu, with
// real files in the program folder and scripted message boxes and file dialogs. The dialog's
// decisions are tested on their own in tests/core; here, the controls and their wiring.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

#include "fakes/TestWindow.h"

namespace {

const QByteArray kList("A\r\nB\r\n");
const std::string kInvalid("Invalid Filename, Please Enter Another");

class MsgOptionsTest : public QObject {
  Q_OBJECT
 private slots:
  // Every test starts with the dialog open over a list A, B and the default settings.
  void init() {
    t = std::make_unique<fakes::TestWindow>();
    write("messaging.txt", kList);
    w = &t->open();
    QVERIFY(open());
  }
  void cleanup() { t.reset(); }

  void cancelKeepsUnitAndPathOnly() {
    click("optInterval(0)");
    for (const auto& [typed, tidied] : {std::pair{"2.9", "2"}, std::pair{"-3.5", "-4"}}) {
      type(interval(), QString::fromLatin1(typed));
      QTest::keyClick(interval(), Qt::Key_Tab);  // leaving the box tidies it
      QCOMPARE(interval()->text(), QString::fromLatin1(tidied));
    }
    type(file(), path("other.txt"));
    click("cmdCancel");
    QVERIFY(closed());
    QCOMPARE(t->messaging().file, path("other.txt").toStdString());
    QCOMPARE(t->messaging().seconds, 120);  // but not the interval
    // Reopened: the kept unit and path, and the missing file as an empty list.
    QVERIFY(open());
    QVERIFY(c("optInterval(0)")->property("checked").toBool());
    QCOMPARE(QStringList({file()->text(), list()->toPlainText()}),
             QStringList({path("other.txt"), ""}));
    dlg->close();  // the close box
    QVERIFY(closed());
  }

  void okAcceptsTheInterval() {
    for (const auto& [typed, inSeconds, stored, seconds] :
         {std::tuple{"", true, "1", 1}, std::tuple{"abc", true, "1", 1},
          std::tuple{"0", false, "1", 60}, std::tuple{"-5", true, "5", 5},
          std::tuple{"3", false, "3", 180}}) {
      click(inSeconds ? "optInterval(0)" : "optInterval(1)");
      type(interval(), QString::fromLatin1(typed));
      click("cmdOK");
      QVERIFY(closed());
      QCOMPARE(t->messaging().intervalText, std::string(stored));
      QCOMPARE(t->messaging().seconds, seconds);
      QCOMPARE(read("messaging.txt"), kList);  // unedited: not one line longer
      QVERIFY(open());
    }
  }

  void saveFirstPrompt_data() {
    QTest::addColumn<bool>("viaOpen");  // else New
    QTest::addColumn<int>("answer");    // 0: the list is unedited
    QTest::addColumn<bool>("saveFails");
    QTest::newRow("New, unedited") << false << 0 << false;
    QTest::newRow("New, Yes") << false << int(rcon::MsgAnswer::Yes) << false;
    QTest::newRow("Open, No") << true << int(rcon::MsgAnswer::No) << false;
    QTest::newRow("New, Cancel") << false << int(rcon::MsgAnswer::Cancel) << false;
    QTest::newRow("Open, Yes, save fails") << true << int(rcon::MsgAnswer::Yes) << true;
  }
  void saveFirstPrompt() {
    QFETCH(bool, viaOpen);
    QFETCH(int, answer);
    QFETCH(bool, saveFails);
    write("chosen.txt", "X\r\n");
    if (saveFails) type(file(), path("nowhere/list.txt"));
    if (answer) type(list(), QStringLiteral("C"));
    t->messageBox.answers.push_back(rcon::MsgAnswer(answer));
    t->msgFileDialog.answers.push_back(path("chosen.txt").toStdString());
    menu(viaOpen ? "mnuFileOpen" : "mnuFileNew");

    const auto& shown = t->messageBox.shown;
    QCOMPARE(shown.size(), std::size_t(answer != 0) + saveFails);
    if (answer) QCOMPARE(shown[0].text, std::string("Would you like to save the commands first?"));
    if (saveFails) QCOMPARE(shown[1].text, kInvalid);
    const bool saved = answer == int(rcon::MsgAnswer::Yes) && !saveFails;
    const bool goesOn = !answer || (answer != int(rcon::MsgAnswer::Cancel) && !saveFails);
    QCOMPARE(read("messaging.txt"), saved ? QByteArray("A\r\nB\r\nC\r\n") : kList);
    QCOMPARE(list()->toPlainText(), QString(goesOn ? (viaOpen ? "X\n" : "") : "A\nB\nC"));
    // After New or Open nothing is unsaved: a New goes straight to its dialog.
    menu("mnuFileNew");
    QCOMPARE(t->msgFileDialog.calls.size(), goesOn ? 2u : 0u);
  }

  void cancelledOrRefusedSavesWriteNothing() {
    type(list(), QStringLiteral("C\rD"));
    QTest::keyClick(list(), Qt::Key_A, Qt::ControlModifier);  // Save As, not select-all
    QVERIFY(t->msgFileDialog.calls.size() == 1 &&
            t->msgFileDialog.calls[0].request.overwritePrompt);
    t->msgFileDialog.answers.push_back(path("nowhere/x.txt").toStdString());
    menu("mnuFileSaveAs");
    type(file(), path("nowhere/list.txt"));
    click("cmdOK");  // into a missing folder: refused, the dialog stays
    QVERIFY(!dlg.isNull() && dlg->isVisible());
    QCOMPARE(t->messageBox.shown.size(), 2u);
    QCOMPARE(t->messageBox.shown[1].text, kInvalid);
    QCOMPARE(read("messaging.txt"), kList);
    type(file(), path("list.txt"));
    click("cmdOK");
    QVERIFY(closed());
    QCOMPARE(read("list.txt"), QByteArray("A\r\nB\r\nC\r\nD\r\n"));  // typed lines end in CR LF
  }

  void anUneditedListRoundTripsByteForByte() {
    const QByteArray mixed("A\nB\r\rC\r\n\xA0\r\n", 11);
    write("mixed.txt", mixed);
    t->msgFileDialog.answers.push_back(path("mixed.txt").toStdString());
    menu("mnuFileOpen");
    QVERIFY(QFile::remove(path("mixed.txt")));  // Save must write it all again
    QTest::keyClick(list(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(read("mixed.txt"), mixed);
  }

  void anLfFileKeepsItsBytesAndItsLineEnds() {
    click("cmdCancel");
    QVERIFY(closed());
    write("messaging.txt", "A\nB\n");
    QVERIFY(open());
    click("cmdOK");
    QVERIFY(closed());
    QCOMPARE(read("messaging.txt"), QByteArray("A\nB\n"));
    QVERIFY(open());
    type(list(), QStringLiteral("C"));  // after the last line end
    click("cmdOK");
    QVERIFY(closed());
    QCOMPARE(read("messaging.txt"), QByteArray("A\nB\nC\n"));
    QCOMPARE(t->messaging().text, std::string("A\nB\nC"));
  }

  void okAsksBeforeReplacingAFileItDidNotLoad_data() {
    QTest::addColumn<bool>("afterNew");  // else another file's path typed into the File box
    QTest::newRow("another file") << false;
    QTest::newRow("New, Save As cancelled") << true;
  }
  void okAsksBeforeReplacingAFileItDidNotLoad() {
    QFETCH(bool, afterNew);
    write("other.txt", "X\r\n");
    const char* target = afterNew ? "messaging.txt" : "other.txt";
    const QByteArray before = read(target);
    if (afterNew) {
      menu("mnuFileNew");  // the Save As dialog it opens is cancelled
    } else {
      type(file(), path("other.txt"));
    }
    t->messageBox.answers = {rcon::MsgAnswer::No};
    click("cmdOK");
    QVERIFY(!dlg.isNull() && dlg->isVisible());  // No: the dialog stays, the file as it was
    QCOMPARE(read(target), before);
    QCOMPARE(t->messageBox.shown.size(), 1u);
    const rcon::MessageBoxRequest& asked = t->messageBox.shown[0];
    QCOMPARE(asked.buttons, rcon::MsgButtons::YesNo);
    QCOMPARE(asked.text,
             path(target).toStdString() + " already exists.\nDo you want to replace it?");
    t->messageBox.answers = {rcon::MsgAnswer::Yes};
    click("cmdOK");
    QVERIFY(closed());
    QCOMPARE(read(target), afterNew ? QByteArray("\r\n") : kList);
  }

  void okLeavesAFileItCouldNotReadAsItWas() {
    click("cmdCancel");
    QVERIFY(closed() && QFile::resize(path("messaging.txt"), (64 << 20) + 1));  // too large
    QVERIFY(open());
    QCOMPARE(list()->toPlainText(), QString());
    click("cmdOK");
    QVERIFY(closed());
    QCOMPARE(QFile(path("messaging.txt")).size(), (64 << 20) + 1);
  }

 private:
  QString path(const char* name) const { return t->programDir.filePath(QString::fromLatin1(name)); }
  QByteArray read(const char* name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "<missing>";
  }
  void write(const char* n, QByteArray b) {
    t->files.write(path(n).toStdString(), b.toStdString());
  }
  // Opens the dialog from the Messaging menu; the main window waits while it is open.
  bool open() {
    t->action(QStringLiteral("mnuMsgOptions"))->trigger();
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == QLatin1String("frmMsgOptions") && top->isVisible()) dlg = top;
    QCoreApplication::processEvents();  // the activation the window system was asked for
    return dlg && dlg->isActiveWindow() && !w->isEnabled();
  }
  // However the dialog closes, the main window is enabled and active again.
  bool closed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return !dlg && w->isEnabled() && w->isActiveWindow();
  }
  QWidget* c(const char* name) const { return dlg->findChild<QWidget*>(QLatin1String(name)); }
  QLineEdit* interval() const { return static_cast<QLineEdit*>(c("txtInterval")); }
  QLineEdit* file() const { return static_cast<QLineEdit*>(c("txtFile")); }
  QPlainTextEdit* list() const { return static_cast<QPlainTextEdit*>(c("txtText")); }
  void click(const char* name) const { QTest::mouseClick(c(name), Qt::LeftButton); }
  void menu(const char* name) const { dlg->findChild<QAction*>(QLatin1String(name))->trigger(); }
  // A line box is typed over; the list box gets the text at its end.
  void type(QWidget* box, const QString& text) const {
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    if (auto* line = qobject_cast<QLineEdit*>(box)) line->clear();
    QTest::keyClicks(box, text);
  }

  std::unique_ptr<fakes::TestWindow> t;
  QWidget* w = nullptr;  // the main window, as the window system sees it
  QPointer<QWidget> dlg;
};

}  // namespace

QTEST_MAIN(MsgOptionsTest)
#include "msgoptions_test.moc"
