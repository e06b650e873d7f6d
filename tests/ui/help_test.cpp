// The Help menu: the read-me viewer and the About box, each shown while the main window waits,
// and the About box's system-information button with this platform's real look-up.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "fakes/TestWindow.h"
#include "platform/base/SysInfoServices.h"
#include "platform/base/TextCodec.h"
#include "ui/frmAbout/frmAbout.h"
#include "ui/frmReadme/frmReadme.h"

namespace {

QList<QWidget*> HelpWindowsShown() {
  QList<QWidget*> shown;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if ((qobject_cast<ui::frmReadme*>(w) || qobject_cast<ui::frmAbout*>(w)) && w->isVisible())
      shown << w;
  }
  return shown;
}

// Chooses a Help menu item and waits until its window has taken the keyboard.
template <class Window>
Window* Open(QAction* item) {
  item->trigger();
  const QList<QWidget*> shown = HelpWindowsShown();
  auto* window = shown.size() == 1 ? qobject_cast<Window*>(shown.front()) : nullptr;
  if (!window) return nullptr;
  return QTest::qWaitForWindowActive(window, 5000) ? window : nullptr;
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

class HelpTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    t = std::make_unique<fakes::TestWindow>();
    t->services.registry = &registry;
    t->services.fileProbe = &probe;
    t->services.processes = &processes;
    bin = std::make_unique<QTemporaryDir>();
    qputenv("PATH", bin->path().toUtf8());  // no system-information tool unless a test adds one
  }
  void cleanup() {
    t.reset();
    qputenv("PATH", savedPath);
  }

  void readmeShowsTheWholeFile_data() {
    QTest::addColumn<QByteArray>("file");  // null: no file at all
    QTest::addColumn<QString>("shown");
    QFile shipped(QStringLiteral(RCON_SOURCE_DIR "/rcon/resources/Readme.txt"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray readme = shipped.readAll();
    QTest::newRow("shipped") << readme
                             << platform::ToQString(readme.toStdString()).replace("\r\n", "\n");
    QTest::newRow("8-bit") << QByteArray("caf\xE9\r\n\r\nend")
                           << QStringLiteral("caf\u00E9\n\nend");
    const QByteArray longLine = QByteArray(500, 'w') + ' ' + QByteArray(500, 'w');
    QTest::newRow("long line") << longLine << QString::fromLatin1(longLine);
    QTest::newRow("empty") << QByteArray("") << QString();
    QTest::newRow("missing") << QByteArray() << QStringLiteral("Readme.txt could not be read.");
  }
  void readmeShowsTheWholeFile() {
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);
    QFile readmeFile(t->programDir.filePath(QStringLiteral("Readme.txt")));
    QVERIFY(file.isNull() ||
            (readmeFile.open(QIODevice::WriteOnly) && readmeFile.write(file) >= 0));
    readmeFile.close();
    ui::frmRcon& main = t->open();
    QPointer<ui::frmReadme> readme = Open<ui::frmReadme>(main.menus().mnuHelpReadme);
    QVERIFY(readme);
    QVERIFY(!main.isEnabled());
    auto* box = readme->findChild<QPlainTextEdit*>(QStringLiteral("txtReadme"));
    QCOMPARE(box->toPlainText(), shown);
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->verticalScrollBar()->value(), 0);  // the reader starts at the top
    QCOMPARE(box->horizontalScrollBar()->maximum(), 0);
    const QByteArray tag = QTest::currentDataTag();
    if (tag == "shipped") QVERIFY(box->verticalScrollBar()->maximum() > 0);
    if (tag == "long line") QVERIFY(box->document()->firstBlock().layout()->lineCount() > 2);

    // Esc does nothing; Enter presses OK, which has the focus.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
    Press(Qt::Key_Escape);
    QTest::qWait(50);
    QVERIFY(readme && readme->isVisible());
    Press(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!readme, 5000);
    QVERIFY(main.isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), &main, 5000);
  }

  void everyWayOutEnablesTheMainWindow_data() {
    QTest::addColumn<bool>("about");
    QTest::addColumn<int>("way");  // 0 close box, else the key
    QTest::newRow("readme close box") << false << 0;
    QTest::newRow("about close box") << true << 0;
    QTest::newRow("about Esc") << true << int(Qt::Key_Escape);
    QTest::newRow("about Enter") << true << int(Qt::Key_Return);
  }
  void everyWayOutEnablesTheMainWindow() {
    QFETCH(bool, about);
    QFETCH(int, way);
    ui::frmRcon& main = t->open();
    QPointer<QWidget> help =
        about ? static_cast<QWidget*>(Open<ui::frmAbout>(main.menus().mnuHelpAbout))
              : Open<ui::frmReadme>(main.menus().mnuHelpReadme);
    QVERIFY(help);
    QVERIFY(!main.isEnabled());
    if (way == 0) help->close();
    if (way != 0) Press(Qt::Key(way));
    QTRY_VERIFY_WITH_TIMEOUT(!help, 5000);
    QVERIFY(main.isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), &main, 5000);
  }

  void helpWindowIsTheOnlyOneAndStaysInReach() {
    ui::frmRcon& main = t->open();
    QPointer<ui::frmAbout> about = Open<ui::frmAbout>(main.menus().mnuHelpAbout);
    QVERIFY(about);
    QVERIFY(!main.menuBar()->isEnabled());
    main.menus().mnuHelpReadme->trigger();
    main.menus().mnuHelpAbout->trigger();
    QCOMPARE(HelpWindowsShown().size(), 1);

    // With no task-bar entry to come back from, a minimised help window returns at once.
    about->showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(about->isVisible() && !about->isMinimized(), 5000);

    // The main window going away takes the open help window with it.
    t->window.reset();
    QVERIFY(!about);
  }

  void aboutBoxFitsItsText() {
    ui::frmRcon& main = t->open();
    auto* about = Open<ui::frmAbout>(main.menus().mnuHelpAbout);
    QVERIFY(about);
    QVERIFY(!about->findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().isNull());
    // Whatever the desktop's font, no text is cut off.
    for (QWidget* control : about->findChildren<QWidget*>()) {
      QVERIFY2(about->rect().contains(control->geometry()), qPrintable(control->objectName()));
      if (auto* label = qobject_cast<QLabel*>(control))
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(label->objectName()));
    }
  }

  // The first tool on the search path is started, detached; without one the user is told.
  void systemInfoStartsTheFirstToolFound_data() {
    QTest::addColumn<QStringList>("tools");
    QTest::newRow("two tools") << QStringList{"gnome-system-monitor", "hardinfo"};
    QTest::newRow("none") << QStringList{};
  }
  void systemInfoStartsTheFirstToolFound() {
    QFETCH(QStringList, tools);
    const QString marker = bin->filePath(QStringLiteral("started"));
    for (const QString& name : tools) {
      QFile tool(bin->filePath(name));
      QVERIFY(tool.open(QIODevice::WriteOnly));
      const QByteArray to = marker.toUtf8();
      tool.write("#!/bin/sh\necho \"$0\" > '" + to + ".new' && /bin/mv '" + to + ".new' '" + to +
                 "'\n");
      tool.close();
      tool.setPermissions(tool.permissions() | QFileDevice::ExeUser);
    }
    ui::frmRcon& main = t->open();
    QPointer<ui::frmAbout> about = Open<ui::frmAbout>(main.menus().mnuHelpAbout);
    QVERIFY(about);
    // Alt+S presses the button after a short animation; each press looks afresh.
    for (std::size_t presses = 1; presses <= 2; ++presses) {
      Press(Qt::Key_S, Qt::AltModifier);
      if (tools.isEmpty()) {
        QTRY_COMPARE_WITH_TIMEOUT(t->messageBox.shown.size(), presses, 5000);
        QCOMPARE(t->messageBox.shown.back().text, "System Information Is Unavailable At This Time");
        continue;
      }
      QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 5000);
      QFile started(marker);
      QVERIFY(started.open(QIODevice::ReadOnly));
      QCOMPARE(started.readAll().trimmed(), bin->filePath(QStringLiteral("hardinfo")).toUtf8());
      QVERIFY(started.remove());
    }
    if (!tools.isEmpty()) QVERIFY(t->messageBox.shown.empty());
    QVERIFY(about && about->isVisible());
  }

 private:
  platform::SysInfoRegistry registry;
  platform::QtFileProbe probe;
  platform::DetachedProcessStarter processes;
  std::unique_ptr<QTemporaryDir> bin;
  QByteArray savedPath = qgetenv("PATH");
  std::unique_ptr<fakes::TestWindow> t;
};

}  // namespace

QTEST_MAIN(HelpTest)
#include "help_test.moc"
