// SPDX-License-Identifier: GPL-3.0-or-later
// View > Colour Codes in the console: off by default, escapes hidden and text coloured when
// ticked, the choice kept in the saved servers' file, and the bytes themselves never touched.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

#include "fakes/TestWindow.h"
#include "ui/frmRcon/ConsoleView.h"

namespace {

// Pixels of a hue in the console: red, or a grey (the stand-in for black), never the orange.
int countPixels(ui::ConsoleView* view, bool grey) {
  const QImage image = view->viewport()->grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const bool isRed = c.red() > 100 && c.green() * 5 < c.red() && c.blue() * 5 < c.red();
      const bool isGrey = c.red() > 60 && c.red() == c.green() && c.green() == c.blue();
      count += (grey ? isGrey : isRed) ? 1 : 0;
    }
  }
  return count;
}

// The column where the byte at an offset shows (the console leaves two pixels before column 0).
int columnOf(ui::ConsoleView* view, std::size_t offset) {
  const qreal cell = QFontMetricsF(view->font()).horizontalAdvance(QString(64, 'M')) / 64;
  return qRound((view->cellRect(offset).left() - 2) / cell);
}

class ColourCodesTest : public QObject {
  Q_OBJECT
 private slots:
  void tickedHidesEscapesAndColoursTheTextButKeepsTheBytes() {
    fakes::TestWindow t;
    t.open();
    t.contactServer();
    const std::size_t savesBefore = t.serversFile.saved.size();  // the recent list's
    QAction* colourCodes = t.action(QStringLiteral("mnuViewColourCodes"));
    QVERIFY(!colourCodes->isChecked());  // the design's look until asked
    const std::string line = "^1ab ^0grey ^7white^^2x";
    t.socket.reply(line + "\n");
    auto* view = t.find<ui::ConsoleView>(QStringLiteral("txtReceive"));
    QCOMPARE(columnOf(view, 3), 3);
    QCOMPARE(countPixels(view, false), 0);
    QCOMPARE(countPixels(view, true), 0);

    colourCodes->trigger();
    QVERIFY(view->colourCodes());
    // "b" now stands in the second column: the escape takes none; "^^2x" shows "^x".
    QCOMPARE(columnOf(view, 3), 1);
    QCOMPARE(columnOf(view, line.size() - 1), 14);
    QVERIFY(countPixels(view, false) > 0);
    QVERIFY(countPixels(view, true) > 0);
    QCOMPARE(t.serversFile.saved.size(), savesBefore + 1);
    QVERIFY(t.serversFile.saved.back().options.colourCodes);

    // Copy and Save keep every byte as received, escapes included.
    view->setFocus();
    t.action(QStringLiteral("mnuEditSelectAll"))->trigger();
    t.action(QStringLiteral("mnuEditCopy"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromLatin1(line + "\n"));
    const QString file = t.programDir.filePath(QStringLiteral("console.txt"));
    t.fileDialog.answers.push_back(file.toStdString());
    t.action(QStringLiteral("mnuFileSaveAs"))->trigger();
    const rcon::ReadResult saved = t.files.read(file.toStdString(), 1 << 20);
    QVERIFY(saved.ok());
    QCOMPARE(saved.bytes.substr(0, line.size()), line);

    colourCodes->trigger();
    QCOMPARE(countPixels(view, false), 0);
    QVERIFY(!t.serversFile.saved.back().options.colourCodes);
  }

  void theKeptChoiceComesBackAndAFailedSaveIsSaid() {
    fakes::TestWindow t;
    t.serversFile.onDisk.options.colourCodes = true;
    t.serversFile.saveError = "The disk is full.";
    t.open();
    QAction* colourCodes = t.action(QStringLiteral("mnuViewColourCodes"));
    QVERIFY(colourCodes->isChecked());
    QVERIFY(t.find<ui::ConsoleView>(QStringLiteral("txtReceive"))->colourCodes());
    colourCodes->trigger();
    QVERIFY(!t.find<ui::ConsoleView>(QStringLiteral("txtReceive"))->colourCodes());
    QCOMPARE(t.messageBox.shown.size(), std::size_t(1));
    QVERIFY(t.messageBox.shown[0].text.find("The disk is full.") != std::string::npos);
  }
};

}  // namespace

QTEST_MAIN(ColourCodesTest)
#include "colour_codes_test.moc"
