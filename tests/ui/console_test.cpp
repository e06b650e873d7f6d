// The console txtReceive: appends, scrolling, wrapping, selection and copying, as a user meets
// them.
#include <QAction>
#include <QClipboard>
#include <QFontInfo>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "core/ConsoleBuffer.h"
#include "fakes/FakeGameServer.h"
#include "fakes/TestWindow.h"
#include "platform/base/TextCodec.h"
#include "ui/frmRcon/ConsoleView.h"

namespace {

// A console on its own, shown at a given size.
struct Console {
  explicit Console(QSize size = {400, 200}) : view(buffer) {
    view.resize(size);
    view.show();
    (void)QTest::qWaitForWindowExposed(&view, 5000);
  }
  void append(const std::string& text) {
    buffer.append(text);
    view.textAppended();
  }
  // A point just inside the left edge of a character cell on screen.
  QPoint cell(int row, int column) const {
    const qreal width = QFontMetricsF(view.font()).horizontalAdvance(QString(64, 'M')) / 64;
    const int height = QFontMetrics(view.font()).lineSpacing();
    return {2 + static_cast<int>(column * width + width / 4), row * height + height / 2};
  }
  void click(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, at);
  }
  rcon::ConsoleBuffer buffer;
  ui::ConsoleView view;
};

class ConsoleTest : public QObject {
  Q_OBJECT
 private slots:
  void aReplyLandsAtTheEndAndClearsTheSelection() {
    fakes::TestWindow t;
    fakes::FakeGameServer server;
    ui::frmRcon& w = t.open();
    ui::ConsoleView* view = w.controls().txtReceive;
    w.ConsoleAppend("first line\r\nsecond line\r\n");
    view->verticalScrollBar()->setValue(0);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseMove(view->viewport(), QPoint(view->viewport()->width() / 2, 3));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {},
                        QPoint(view->viewport()->width() / 2, 3));
    QVERIFY(view->hasSelection());
    server.reply(fakes::FakeGameServer::printReply("reply\n"), t.socket.localPort());
    QTRY_COMPARE_WITH_TIMEOUT(t.console(), std::string("first line\r\nsecond line\r\nreply\r\n"),
                              5000);
    QVERIFY(!view->hasSelection());
    QVERIFY(view->isLineVisible(2));
    // Shift+click now selects up from the end, where the caret went.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(3, 3));
    QCOMPARE(view->selectedText(), QStringLiteral("first line\nsecond line\nreply\n"));
  }

  void theLastLineShowsAfterEveryAppend() {
    Console c;
    for (int i = 0; i < 300; ++i) {
      c.append("line " + std::to_string(i) + "\r\n");
      QVERIFY(c.view.isLineVisible(c.buffer.lineCount() - 1));
    }
    QVERIFY(!c.view.isLineVisible(0));
    c.view.setFocus();
    QTest::keyClick(&c.view, Qt::Key_Home, Qt::ControlModifier);
    QVERIFY(c.view.isLineVisible(0));
    QTest::keyClick(&c.view, Qt::Key_PageDown);
    QVERIFY(!c.view.isLineVisible(0));
    QTest::keyClick(&c.view, Qt::Key_PageUp);
    QVERIFY(c.view.isLineVisible(0));
    QTest::keyClick(&c.view, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(c.view.isLineVisible(c.buffer.lineCount() - 1));
    // The wheel scrolls too.
    const int before = c.view.verticalScrollBar()->value();
    const QPointF at(c.cell(1, 1));
    QWheelEvent wheel(at, c.view.viewport()->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(c.view.viewport(), &wheel);
    QVERIFY(c.view.verticalScrollBar()->value() < before);
    c.view.verticalScrollBar()->setValue(0);
    c.append("more\r\n");
    QVERIFY(c.view.isLineVisible(c.buffer.lineCount() - 1));
  }

  void longLinesWrapAtTheViewsWidth() {
    Console c;
    const std::string line(1000, 'x');
    c.append("above\r\n" + line + "\r\nbelow");
    c.view.verticalScrollBar()->setValue(0);
    // From the start of the long line's second row to the start of its third: one row.
    c.click(c.cell(2, 0));
    c.click(c.cell(3, 0), Qt::ShiftModifier);
    const qsizetype row = c.view.selectedText().size();
    QVERIFY(row > 10);
    QVERIFY(QFontMetricsF(c.view.font()).horizontalAdvance(QString(row, 'x')) <=
            c.view.viewport()->width());
    QCOMPARE(c.view.selectedText(), QString(row, 'x'));
    // Narrower, it wraps shorter.
    c.view.resize(200, 200);
    c.view.verticalScrollBar()->setValue(0);
    c.click(c.cell(2, 0));
    c.click(c.cell(3, 0), Qt::ShiftModifier);
    QVERIFY(c.view.selectedText().size() < row);
  }

  void ctrlCAndTheMenuCopyTheSelection() {
    Console c;
    c.append("alpha\tbeta\r\ngamma\r\n");
    c.view.verticalScrollBar()->setValue(0);
    c.click(c.cell(0, 0));
    c.click(c.cell(1, 3), Qt::ShiftModifier);
    c.view.setFocus();
    QTest::keyClick(&c.view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha\tbeta\ngam"));
    // Select All from the context menu, chosen by its mnemonic.
    QTimer::singleShot(0, [] {
      if (QWidget* menu = QApplication::activePopupWidget()) QTest::keyClick(menu, Qt::Key_A);
    });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, c.cell(0, 0),
                           c.view.viewport()->mapToGlobal(c.cell(0, 0)));
    QApplication::sendEvent(c.view.viewport(), &menu);
    QCOMPARE(c.view.selectedText(), QStringLiteral("alpha\tbeta\ngamma\n"));
  }

  void bytesShowThroughTheCodePage() {
    Console c;
    std::string high;
    for (int b = 0x80; b < 0xA0; ++b) high.push_back(static_cast<char>(b));
    // A lone carriage return and other control bytes show as nothing and break nothing.
    c.append(high + "\r" + std::string("a\0b\x01\x7F", 5) + "\r\n");
    (void)c.view.grab();
    c.view.selectAll();
    const QString shown = c.view.selectedText();
    QCOMPARE(shown.front(), QChar(0x20AC));
    QCOMPARE(shown.at(1), QChar(0x201A));  // 0x81 has no character and is not shown
    QVERIFY(shown.contains(QChar(0x2122)));
    QVERIFY(shown.endsWith(QString(QChar(0x0178)) + "ab\n"));
    for (const char16_t hidden : {u'\x81', u'\x8D', u'\x8F', u'\x90', u'\x9D', u'\r', u'\0'}) {
      QVERIFY(!shown.contains(QChar(hidden)));
    }
    QCOMPARE(shown.size(), 27 + 3);
  }

  void everyCharacterTakesOneCell() {
    Console c;
    QVERIFY(QFontInfo(c.view.font()).fixedPitch());
    std::string printable;
    for (int b = 0x20; b < 0x100; ++b) {
      if (b != 0x7F && b != 0xAD && !rcon::IsHiddenByte(static_cast<unsigned char>(b))) {
        printable.push_back(static_cast<char>(b));
      }
    }
    const QString all = platform::ToQString(printable);
    const QFontMetricsF metrics(c.view.font());
    QCOMPARE(metrics.horizontalAdvance(all), metrics.horizontalAdvance(QString(all.size(), 'M')));
    // A soft hyphen, which text shaping would draw as nothing, shows as a hyphen.
    c.append(
        "a\xAD"
        "b");
    Console hyphen;
    hyphen.append("a-b");
    QCOMPARE(c.view.viewport()->grab().toImage(), hyphen.view.viewport()->grab().toImage());
  }

  void typingChangesNothing() {
    fakes::TestWindow t;
    ui::frmRcon& w = t.open();
    ui::ConsoleView* view = w.controls().txtReceive;
    w.ConsoleAppend("text\r\n");
    w.console().blnConsoleChanged = false;
    view->setFocus();
    QTest::keyClicks(view, QStringLiteral("abc"));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete}) {
      QTest::keyClick(view, key);
    }
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(t.console(), std::string("text\r\n"));
    QVERIFY(!w.console().blnConsoleChanged);
    // Ctrl+A stays the menu's (Save As), not a select-all of the console.
    QSignalSpy saveAs(w.menus().mnuFileSaveAs, &QAction::triggered);
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(saveAs.size(), 1);
    QVERIFY(!view->hasSelection());
  }
};

}  // namespace

QTEST_MAIN(ConsoleTest)
#include "console_test.moc"
