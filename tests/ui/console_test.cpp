// SPDX-License-Identifier: GPL-3.0-or-later
// The console as a user meets it: appends, scrolling, wrapping, selection, copying.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "fakes/TestWindow.h"
#include "platform/base/TextCodec.h"
#include "ui/frmRcon/ConsoleView.h"

namespace {

using namespace std::string_literals;

// A console on its own, 400 x 200 on screen.
struct Console {
  Console() : view(buffer) {
    view.resize(400, 200);
    view.show();
  }
  void append(const std::string& text) {
    buffer.append(text);
    view.textAppended();
  }
  // From the top: a click just inside the left edge of one cell, a Shift+click on another.
  QString select(int row, int column, int toRow, int toColumn) {
    const qreal w = QFontMetricsF(view.font()).horizontalAdvance(QString(64, 'M')) / 64;
    const int h = QFontMetrics(view.font()).lineSpacing();
    const auto cell = [&](int r, int c) { return QPoint(2 + int((c + .25) * w), r * h + h / 2); };
    view.verticalScrollBar()->setValue(0);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell(row, column));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, cell(toRow, toColumn));
    return view.selectedText();
  }
  rcon::ConsoleBuffer buffer;
  ui::ConsoleView view;
};

class ConsoleTest : public QObject {
  Q_OBJECT
 private slots:
  void anAppendLandsAtTheEndAndEndsTheSelection() {
    Console c;
    c.append("first line\r\nsecond line\r\n");
    QVERIFY(!c.select(0, 0, 0, 3).isEmpty());
    c.append("reply\r\n");  // what the window does with a reply
    QVERIFY(!c.view.hasSelection());
    // The caret went to the end: Shift+click selects up from there.
    QTest::mouseClick(c.view.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(3, 3));
    QCOMPARE(c.view.selectedText(), QStringLiteral("first line\nsecond line\nreply\n"));
  }

  void theWindowsConsoleTakesNoTypingAndLeavesCtrlAToSaveAs() {
    fakes::TestWindow t;
    const QString log = t.programDir.filePath(QStringLiteral("log.txt"));
    const std::string all = "first line\r\nsecond line\r\n";
    t.files.write(log.toStdString(), all);
    t.open();
    t.fileDialog.answers.push_back(log.toStdString());
    t.action(QStringLiteral("mnuFileOpen"))->trigger();
    QCOMPARE(t.console(), all);
    auto* view = t.find<ui::ConsoleView>(QStringLiteral("txtReceive"));
    view->setFocus();
    QTest::keyClicks(view, QStringLiteral("abc\r"));
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(t.console(), all);
    QSignalSpy saveAs(t.action(QStringLiteral("mnuFileSaveAs")), &QAction::triggered);
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(saveAs.size(), 1);
  }

  void scrollsToTheEndOnAppendWrapsAndCopiesThroughTheCodePage() {
    Console c;
    c.append("\x80\x81\x99\x9F\r\ta\0b\x01\x7F\r\n"s + std::string(1000, 'x'));  // 0x81: no char
    const QString first = QString::fromUtf16(u"\u20AC\u2122\u0178\tab\n");
    c.select(0, 0, 1, 3);
    QTest::keyClick(&c.view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), first + "xxx");
    // From the start of the long line's second row to the start of its third: one row.
    const QString row = c.select(2, 0, 3, 0);
    QVERIFY(row.size() > 10 && row == QString(row.size(), 'x'));
    QVERIFY(QFontMetricsF(c.view.font()).horizontalAdvance(row) <= c.view.viewport()->width());
    c.view.resize(200, 200);
    QVERIFY(c.select(2, 0, 3, 0).size() < row.size());
    for (int i = 0; i < 300; ++i) {
      c.append("\r\nline " + std::to_string(i));
      QVERIFY(c.view.isLineVisible(c.buffer.lineCount() - 1));
    }
    QTest::keyClick(&c.view, Qt::Key_Home, Qt::ControlModifier);
    QVERIFY(c.view.isLineVisible(0));
    QTest::keyClick(&c.view, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(c.view.isLineVisible(c.buffer.lineCount() - 1));
    QTest::keyClick(&c.view, Qt::Key_PageUp);
    c.append("more\r\n");  // scrolled up, an append still brings the end into view
    QVERIFY(c.view.isLineVisible(c.buffer.lineCount() - 1));
  }

  void everyCharacterTakesOneCell() {
    Console c;
    Console hyphen;
    std::string printable;
    for (int b = 0x20; b < 0x100; ++b)
      if (b != 0xAD && !rcon::isHiddenByte(b)) printable.push_back(static_cast<char>(b));
    const QString all = platform::ToQString(printable);
    const QFontMetricsF metrics(c.view.font());
    QCOMPARE(metrics.horizontalAdvance(all), metrics.horizontalAdvance(QString(all.size(), 'M')));
    // A soft hyphen, which text shaping would draw as nothing, shows as a hyphen.
    c.append("a\xAD"s + "b");
    hyphen.append("a-b");
    QCOMPARE(c.view.viewport()->grab().toImage(), hyphen.view.viewport()->grab().toImage());
  }

  // A screen reader reads the painted console through QAccessible: its lines, caret and
  // selection, in the buffer's offsets.
  void assistiveTechnologyReadsLinesCaretAndSelection() {
    Console c;
    c.append("first line\r\nsecond \xE9t\xE9\r\nlast");
    QAccessibleInterface* console = QAccessible::queryAccessibleInterface(&c.view);
    QVERIFY(console != nullptr);
    QCOMPARE(console->role(), QAccessible::EditableText);
    QVERIFY(console->state().readOnly && console->state().multiLine);
    QAccessibleTextInterface* text = console->textInterface();
    QVERIFY(text != nullptr);
    int start = -1;
    int end = -1;
    QCOMPARE(text->textAtOffset(15, QAccessible::LineBoundary, &start, &end),
             QString::fromUtf16(u"second \u00E9t\u00E9\r\n"));
    QCOMPARE(std::pair(start, end), std::pair(12, 24));
    QCOMPARE(text->textAtOffset(26, QAccessible::LineBoundary, &start, &end),
             QStringLiteral("last"));
    QCOMPARE(text->characterCount(), int(c.buffer.size()));
    QCOMPARE(text->cursorPosition(), int(c.buffer.size()));  // appends leave the caret at the end
    QCOMPARE(text->selectionCount(), 0);

    c.view.select(0, 5);
    QCOMPARE(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(0, 5));
    // And the other way: a reader selects, the view shows it.
    text->setSelection(0, 12, 18);
    QCOMPARE(c.view.selectedText(), QStringLiteral("second"));
    QCOMPARE(text->cursorPosition(), 18);
    const QRect cell = text->characterRect(14);  // on screen
    QCOMPARE(text->offsetAtPoint(cell.topLeft() + QPoint(1, cell.height() / 2)), 14);
  }
};

}  // namespace

QTEST_MAIN(ConsoleTest)
#include "console_test.moc"
