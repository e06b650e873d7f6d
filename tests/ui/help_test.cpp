// The Help menu: the read-me viewer and the About box, each shown while the main window waits,
// and the About box's system-information button with this platform's real look-up.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include "fakes/TestWindow.h"
#include "fakes/Typing.h"
#include "platform/base/SysInfoServices.h"
#include "rcon/Version.h"

namespace {

// The one help window shown, or null when there is none or more than one.
QWidget* OnlyDialogShown() {
  QWidgetList shown = QApplication::topLevelWidgets();
  shown.removeIf([](QWidget* w) { return !qobject_cast<QDialog*>(w) || !w->isVisible(); });
  return shown.size() == 1 ? shown[0] : nullptr;
}

class HelpTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { t = std::make_unique<fakes::TestWindow>(); }
  void cleanup() { t.reset(); }

  // The read-me viewer shows the whole file; every way out enables the main window again.
  void helpWindows_data() {
    QTest::addColumn<int>("key");  // 0: the close box
    QTest::addColumn<bool>("about");
    QTest::addColumn<QByteArray>("readme");  // null: no file at all
    QTest::addColumn<QString>("shown");
    const QByteArray wide = QByteArray(500, 'w') + ' ' + QByteArray(500, 'w');
    QTest::newRow("readme 8-bit, long line; Enter")
        << +Qt::Key_Return << false << "caf\xE9\r\n\r\n" + wide << "caf\u00E9\n\n" + QString(wide);
    QTest::newRow("readme empty; close box") << 0 << false << QByteArray("") << QString();
    QTest::newRow("readme missing; Enter")
        << +Qt::Key_Return << false << QByteArray() << QString("Readme.txt could not be read.");
    QTest::newRow("about Esc") << +Qt::Key_Escape << true << QByteArray() << QString();
  }
  void helpWindows() {
    QFETCH(bool, about);
    QFETCH(QByteArray, readme);
    QFETCH(int, key);
    if (!readme.isNull())
      t->files.write(t->programDir.filePath("Readme.txt").toStdString(), readme.toStdString());
    const auto& menus = t->open().menus();
    QPointer<QWidget> help = open(about ? menus.mnuHelpAbout : menus.mnuHelpReadme);
    QVERIFY(help);
    if (!about) {
      auto* box = help->findChild<QPlainTextEdit*>();
      QTEST(box->toPlainText(), "shown");
      QCOMPARE(box->horizontalScrollBar()->maximum(), 0);  // long lines wrap
      fakes::Press(Qt::Key_Escape);                        // does nothing here
      QVERIFY(help && help->isVisible());
    }
    if (key == 0) help->close();
    if (key != 0) fakes::Press(Qt::Key(key));
    QVERIFY(QTest::qWaitFor([&] { return !help && t->window->isEnabled(); }));
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), t->window.get(), 5000);
  }

  // Installed, the program is in bin/ with no read-me beside it: the read-me comes from the
  // package's document folder, found from the program's folder.
  void readmeInstalled() {
    const QDir prefix(t->programDir.path());
    t->services.programDir = prefix.filePath(QStringLiteral("bin"));
    const QString docDir = QDir::cleanPath(
        t->services.programDir + '/' +
        QString::fromLatin1(rcon::kDocDirFromBinDir.data(),
                            static_cast<qsizetype>(rcon::kDocDirFromBinDir.size())));
    QVERIFY(docDir.startsWith(prefix.path() + '/'));
    QVERIFY(prefix.mkpath(t->services.programDir) && prefix.mkpath(docDir));
    QVERIFY(t->files.write((docDir + "/Readme.txt").toStdString(), "installed\r\n").ok);
    QPointer<QWidget> help = open(t->open().menus().mnuHelpReadme);
    QVERIFY(help);
    QCOMPARE(help->findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("installed\n"));
    help->close();
  }

  // The About box is the only help window, fits its text, stays in reach, and its button starts
  // the first system-information tool on the search path, detached.
  void aboutBox() {
    static platform::SysInfoRegistry registry;  // static: they outlive the window
    static platform::QtFileProbe probe;
    static platform::DetachedProcessStarter processes;
    t->services.registry = &registry;
    t->services.fileProbe = &probe;
    t->services.processes = &processes;
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8());
    for (const char* name : {"gnome-system-monitor", "hardinfo"}) {
      QFile tool(bin.filePath(name));
      QVERIFY(tool.open(QIODevice::WriteOnly) && tool.write("#!/bin/sh\n: > \"$0.ran\"\n") > 0);
      tool.setPermissions(tool.permissions() | QFileDevice::ExeUser);
    }
    const auto& menus = t->open().menus();
    QPointer<QWidget> about = open(menus.mnuHelpAbout);
    QVERIFY(about);
    menus.mnuHelpReadme->trigger();
    menus.mnuHelpAbout->trigger();
    QCOMPARE(OnlyDialogShown(), about.data());
    for (QLabel* label : about->findChildren<QLabel*>()) {
      QVERIFY2(about->rect().contains(label->geometry()), qPrintable(label->objectName()));
      QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }
    fakes::Press(Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bin.filePath("hardinfo.ran")), 5000);
    QVERIFY(!QFile::exists(bin.filePath("gnome-system-monitor.ran")));
    qputenv("PATH", path);
    // With no task-bar entry to come back from, a minimised help window returns at once.
    about->showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(about->isVisible() && !about->isMinimized(), 5000);
  }

 private:
  // Chooses a Help menu item; its window must be the only one, active, with the main one waiting.
  QWidget* open(QAction* item) {
    item->trigger();
    QWidget* help = OnlyDialogShown();
    if (!help || !QTest::qWaitForWindowActive(help, 5000)) return nullptr;
    return t->window->isEnabled() ? nullptr : help;
  }

  std::unique_ptr<fakes::TestWindow> t;
};

}  // namespace

QTEST_MAIN(HelpTest)
#include "help_test.moc"
