// The File menu as a user drives it: the save-first prompt on closing, saving, opening, printing.
#include <QAction>
#include <QFile>
#include <QTest>

#include "fakes/TestWindow.h"
#include "platform/base/TextCodec.h"

namespace {

using rcon::MsgAnswer;

class FilesTest : public QObject {
  Q_OBJECT
 private slots:
  void closingAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("viaExit");
    QTest::addColumn<bool>("closes");
    QTest::newRow("close box, Cancel") << int(MsgAnswer::Cancel) << false << false;
    QTest::newRow("close box, box closed") << 0 << false << false;
    QTest::newRow("close box, No") << int(MsgAnswer::No) << false << true;
    QTest::newRow("Exit, Cancel") << int(MsgAnswer::Cancel) << true << false;
    QTest::newRow("Exit, Yes, save dialog cancelled") << int(MsgAnswer::Yes) << true << false;
    QTest::newRow("Exit, No") << int(MsgAnswer::No) << true << true;
  }

  void closingAsksFirst() {
    QFETCH(int, answer);
    QFETCH(bool, viaExit);
    QFETCH(bool, closes);
    fakes::TestWindow t;
    ui::frmRcon& w = t.open();
    w.ConsoleAppend("reply\r\n");
    if (answer != 0) t.messageBox.answers = {static_cast<MsgAnswer>(answer)};
    if (viaExit) {
      w.menus().mnuFileExit->trigger();
    } else {
      w.close();
    }
    QCOMPARE(t.messageBox.shown.size(), std::size_t{1});
    QCOMPARE(t.messageBox.shown[0].text, std::string("Do you want to save the console first?"));
    QCOMPARE(w.isVisible(), !closes);
    QCOMPARE(t.console(), std::string("reply\r\n"));
  }

  void openAndNewReplaceTheConsole() {
    fakes::TestWindow t;
    ui::frmRcon& w = t.open();
    QFile file(t.programDir.filePath(QStringLiteral("in.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("opened\r\n");
    file.close();
    t.fileDialog.answers = {platform::PathFromQString(file.fileName())};
    w.menus().mnuFileOpen->trigger();
    QCOMPARE(t.console(), std::string("opened\r\n"));
    QVERIFY(t.fileDialog.calls.at(0).open);
    w.ConsoleAppend("more\r\n");
    t.messageBox.answers = {MsgAnswer::Yes};
    w.menus().mnuFileNew->trigger();  // saves silently to in.txt, then clears
    QCOMPARE(t.console(), std::string());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("opened\r\nmore\r\n"));
    QCOMPARE(t.fileDialog.calls.size(), std::size_t{1});
  }

  void printWritesTheJobOrSaysWhy() {
    fakes::TestWindow t;
    ui::frmRcon& w = t.open();
    w.ConsoleAppend("reply\r\n");
    w.menus().mnuFilePrint->trigger();
    QVERIFY(QFile(t.programDir.filePath(QStringLiteral("print.pdf"))).size() > 0);
    QVERIFY(t.messageBox.shown.empty());
    t.printer.setPdfOutput(t.programDir.filePath(QStringLiteral("print.pdf/under-a-file.pdf")));
    w.menus().mnuFilePrint->trigger();
    QCOMPARE(t.messageBox.shown.size(), std::size_t{1});
    QCOMPARE(t.messageBox.shown[0].title, std::string("Vortane Rcon"));
    QVERIFY(w.isVisible());
  }
};

}  // namespace

QTEST_MAIN(FilesTest)
#include "files_test.moc"
