// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu as a user drives it: the save-first prompt on closing, saving, opening, printing.
#include <QAction>
#include <QFile>
#include <QTest>

#include "fakes/TestWindow.h"

namespace {

using rcon::MsgAnswer;

class FilesTest : public QObject {
  Q_OBJECT
 private slots:
  void closingAsksFirst() {
    for (const auto& [viaExit, answer, closes] :
         {std::tuple{false, MsgAnswer::Cancel, false}, std::tuple{false, MsgAnswer::No, true},
          std::tuple{true, MsgAnswer::Yes, false}}) {  // Yes: the save dialog is cancelled
      fakes::TestWindow t;
      ui::MainWindow& w = t.open();
      t.session->appendToConsole("reply\r\n");
      t.messageBox.answers = {answer};
      viaExit ? t.action("mnuFileExit")->trigger() : void(w.close());
      QCOMPARE(t.messageBox.shown.size(), std::size_t{1});
      QCOMPARE(t.messageBox.shown[0].text, std::string("Do you want to save the console first?"));
      QCOMPARE(!w.isVisible(), closes);
      QCOMPARE(t.console(), std::string("reply\r\n"));
    }
  }

  void openNewAndPrint() {
    fakes::TestWindow t;
    t.open();
    const std::string path = t.programDir.filePath("in.txt").toStdString();
    t.files.write(path, "opened\r\n");
    t.fileDialog.answers = {path};
    t.action("mnuFileOpen")->trigger();
    QCOMPARE(t.console(), std::string("opened\r\n"));
    t.action("mnuFilePrint")->trigger();
    QVERIFY(QFile(t.programDir.filePath("print.pdf")).size() > 0);
    t.session->appendToConsole("more\r\n");
    t.messageBox.answers = {MsgAnswer::Yes};
    t.action("mnuFileNew")->trigger();  // saves silently to in.txt, then clears
    QCOMPARE(t.console(), std::string());
    QCOMPARE(t.files.read(path, 100).bytes, std::string("opened\r\nmore\r\n"));
    QCOMPARE(t.fileDialog.calls.size(), std::size_t{1});
    QCOMPARE(t.messageBox.shown.size(), std::size_t{1});  // the prompt only
    // A failed print job is reported; the program keeps running.
    t.printer.setPdfOutput(t.programDir.filePath("print.pdf/under-a-file.pdf"));
    t.action("mnuFilePrint")->trigger();
    QCOMPARE(t.messageBox.shown.size(), std::size_t{2});
    QCOMPARE(t.messageBox.shown[1].title, std::string("Vortane Rcon"));
  }
};

}  // namespace

QTEST_MAIN(FilesTest)
#include "files_test.moc"
