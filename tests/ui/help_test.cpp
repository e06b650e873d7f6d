// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: the read-me viewer and the About box, each shown while the main window waits,
// and the About box's system-information button with this platform's real look-up (the tool it
// finds is recorded, not run).
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "fakes/TestWindow.h"
#include "fakes/Typing.h"
#include "platform/base/SysInfoServices.h"
#include "rcon/Version.h"

namespace {

// Lets the window system's activations, deferred deletions and zero-delay timers run.
void Settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

struct RecordingStarter final : rcon::ProcessStarter {
  bool startDetached(const std::string& path) override {
    started.push_back(path);
    return true;
  }
  std::vector<std::string> started;
};

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
    t->open();
    QPointer<QWidget> help = open(about ? "mnuHelpAbout" : "mnuHelpReadme");
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
    Settle();
    QVERIFY(!help && t->window->isEnabled());
    QCOMPARE(QApplication::activeWindow(), t->window.get());
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
    t->open();
    QPointer<QWidget> help = open("mnuHelpReadme");
    QVERIFY(help);
    QCOMPARE(help->findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("installed\n"));
    help->close();
  }

  // The About box is the only help window, fits its text, stays in reach, and its button starts
  // the first system-information tool on the search path.
  void aboutBox() {
    static platform::SysInfoRegistry registry;  // static: they outlive the window
    static platform::QtFileProbe probe;
    static RecordingStarter processes;
    t->services.registry = &registry;
    t->services.fileProbe = &probe;
    t->services.processes = &processes;
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8());
    for (const char* name : {"gnome-system-monitor", "hardinfo"}) {
      QFile tool(bin.filePath(name));
      QVERIFY(tool.open(QIODevice::WriteOnly) && tool.write("#!/bin/sh\n") > 0);
      tool.setPermissions(tool.permissions() | QFileDevice::ExeUser);
    }
    t->open();
    QPointer<QWidget> about = open("mnuHelpAbout");
    QVERIFY(about);
    t->action(QStringLiteral("mnuHelpReadme"))->trigger();
    t->action(QStringLiteral("mnuHelpAbout"))->trigger();
    QCOMPARE(OnlyDialogShown(), about.data());
    for (QLabel* label : about->findChildren<QLabel*>()) {
      QVERIFY2(about->rect().contains(label->geometry()), qPrintable(label->objectName()));
      QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }
    // Alt+S reaches the button (which would click itself a moment later); the click itself
    // is given at once.
    auto* button = about->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    fakes::Press(Qt::Key_S, Qt::AltModifier);
    QVERIFY(button->isDown());
    button->click();
    qputenv("PATH", path);
    QCOMPARE(processes.started, std::vector<std::string>{bin.filePath("hardinfo").toStdString()});
    // With no task-bar entry to come back from, a minimised help window returns at once.
    about->showMinimized();
    Settle();
    QVERIFY(about->isVisible() && !about->isMinimized());
  }

 private:
  // Chooses a Help menu item; its window must be the only one, active, with the main one waiting.
  QWidget* open(const char* item) {
    t->action(QString::fromLatin1(item))->trigger();
    Settle();
    QWidget* help = OnlyDialogShown();
    if (!help || !help->isActiveWindow()) return nullptr;
    return t->window->isEnabled() ? nullptr : help;
  }

  std::unique_ptr<fakes::TestWindow> t;
};

}  // namespace

QTEST_MAIN(HelpTest)
#include "help_test.moc"
