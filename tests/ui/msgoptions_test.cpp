// The messaging options dialog driven as a user drives it: keys, clicks and its File menu, with
// real files in the program folder and scripted message boxes and file dialogs.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/Connection.h"
#include "core/MessagingOptions.h"
#include "fakes/TestWindow.h"
#include "platform/base/TextCodec.h"

namespace {

using rcon::MsgAnswer;

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

struct Options {
  fakes::TestWindow t;
  ui::frmRcon* w = nullptr;
  QPointer<QWidget> dlg;

  explicit Options(const QByteArray* list = nullptr) {
    if (list) Write(path("messaging.txt"), *list);
    w = &t.open();
  }
  QString path(const char* name) const { return t.programDir.filePath(QString::fromLatin1(name)); }
  std::string bytesPath(const char* name) const { return platform::PathFromQString(path(name)); }

  bool open() {
    w->menus().mnuMsgOptions->trigger();
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == QLatin1String("frmMsgOptions") && top->isVisible()) dlg = top;
    }
    if (!dlg) return false;
    QApplication::setActiveWindow(dlg);
    return QTest::qWaitForWindowActive(dlg, 5000);
  }
  bool closed() {
    return QTest::qWaitFor([this] { return dlg.isNull(); }, 5000) && w->isEnabled();
  }
  template <class T>
  T* c(const char* name) const {
    return dlg->findChild<T*>(QString::fromLatin1(name));
  }
  QLineEdit* interval() const { return c<QLineEdit>("txtInterval"); }
  QLineEdit* file() const { return c<QLineEdit>("txtFile"); }
  QPlainTextEdit* list() const { return c<QPlainTextEdit>("txtText"); }
  void click(const char* name) const { QTest::mouseClick(c<QWidget>(name), Qt::LeftButton); }
  void typeInto(QWidget* box, const QString& text) const {
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box, text);
  }
  void replace(QLineEdit* box, const QString& text) const {
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
  }
  void menu(const char* name) const { c<QAction>(name)->trigger(); }
  const rcon::MessagingSettings& vars() const { return w->modVars(); }
};

const QByteArray kList("A\r\nB\r\n");

class MsgOptionsTest : public QObject {
  Q_OBJECT
 private slots:
  void looksAsDesigned() {
    Options o(&kList);
    QVERIFY(o.open());
    QCOMPARE(o.dlg->windowTitle(), QStringLiteral("Server Messaging Options"));
    QVERIFY(
        !(o.dlg->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!o.w->isEnabled());
    QCOMPARE(o.c<QWidget>("client")->size(), QSize(330, 274));
    const QList<std::pair<const char*, QRect>> places{
        {"txtInterval", {81, 13, 72, 19}},    {"optInterval(0)", {80, 40, 17, 17}},
        {"optInterval(1)", {80, 56, 17, 17}}, {"txtFile", {81, 78, 240, 19}},
        {"txtText", {9, 121, 312, 107}},      {"cmdOK", {168, 240, 73, 25}},
        {"cmdCancel", {248, 240, 73, 25}},    {"Shape2", {8, 120, 314, 109}}};
    for (const auto& [name, rect] : places) QCOMPARE(o.c<QWidget>(name)->geometry(), rect);
    QCOMPARE(o.c<QPushButton>("cmdCancel")->text(), QStringLiteral("&Cancel"));
    QCOMPARE(o.c<QAction>("mnuFileSaveAs")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    // Tab order from the interval box to Cancel.
    QWidget* at = o.interval();
    for (const char* next :
         {"optInterval(0)", "optInterval(1)", "txtFile", "txtText", "cmdOK", "cmdCancel"}) {
      at = at->nextInFocusChain();
      while (at->focusPolicy() == Qt::NoFocus) at = at->nextInFocusChain();
      QCOMPARE(at->objectName(), QString::fromLatin1(next));
    }
    // Load shows the settings and the file on disk.
    QCOMPARE(o.interval()->text(), QStringLiteral("2"));
    QVERIFY(o.c<QRadioButton>("optInterval(1)")->isChecked());
    QCOMPARE(o.file()->text(), o.path("messaging.txt"));
    QCOMPARE(o.list()->toPlainText(), QStringLiteral("A\nB\n"));
    QCOMPARE(QApplication::focusWidget(), o.interval());
    o.dlg->close();  // the close box
    QVERIFY(o.closed());
    QVERIFY(o.w->isActiveWindow());
  }

  void closesWithTheMainWindow() {
    Options o;
    QVERIFY(o.open());
    o.t.window.reset();
    QVERIFY(o.dlg.isNull());
  }

  void okAcceptsTheInterval_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("seconds");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<qint64>("lngMsgSeconds");
    QTest::newRow("empty") << "" << true << "1" << 1ll;
    QTest::newRow("no digits") << "abc" << true << "1" << 1ll;
    QTest::newRow("zero minutes") << "0" << false << "1" << 60ll;
    QTest::newRow("minus five") << "-5" << true << "5" << 5ll;
    QTest::newRow("three minutes") << "3" << false << "3" << 180ll;
  }
  void okAcceptsTheInterval() {
    QFETCH(QString, typed);
    QFETCH(bool, seconds);
    Options o(&kList);
    QVERIFY(o.open());
    if (seconds) o.click("optInterval(0)");
    o.replace(o.interval(), typed);
    o.click("cmdOK");
    QVERIFY(o.closed());
    QTEST(QString::fromStdString(o.vars().strMsgInterval), "stored");
    QTEST(static_cast<qint64>(o.vars().lngMsgSeconds), "lngMsgSeconds");
    QCOMPARE(o.vars().intMsgUnit, seconds ? 1 : 60);
    // The unedited list is written back as it was, not one line longer.
    QCOMPARE(Read(o.path("messaging.txt")), kList);
    QVERIFY(o.t.messageBox.shown.empty());
  }

  void leavingTheIntervalTidiesIt() {
    Options o;
    QVERIFY(o.open());
    for (const auto& [typed, tidied] : {std::pair{"2.9", "2"}, std::pair{"-3.5", "-4"}}) {
      o.replace(o.interval(), QString::fromLatin1(typed));
      QTest::keyClick(o.interval(), Qt::Key_Tab);
      QCOMPARE(o.interval()->text(), QString::fromLatin1(tidied));
    }
    QCOMPARE(o.vars().strMsgInterval, std::string("2"));  // nothing stored before OK
  }

  void cancelKeepsUnitAndPathOnly() {
    Options o(&kList);
    QVERIFY(o.open());
    o.click("optInterval(0)");
    o.replace(o.interval(), QStringLiteral("7"));
    o.replace(o.file(), o.path("other.txt"));
    o.typeInto(o.list(), QStringLiteral("C"));
    o.click("cmdCancel");
    QVERIFY(o.closed());
    QCOMPARE(o.vars().intMsgUnit, 1);
    QCOMPARE(o.vars().strMsgFile, o.bytesPath("other.txt"));
    QCOMPARE(o.vars().strMsgInterval, std::string("2"));
    QCOMPARE(o.vars().lngMsgSeconds, 120);
    QCOMPARE(o.vars().strMsgText, std::string("A\r\nB\r\n"));
    QVERIFY(!QFile::exists(o.path("other.txt")));

    // The next opening shows the kept unit and path, and a missing file as an empty list.
    QVERIFY(o.open());
    QVERIFY(o.c<QRadioButton>("optInterval(0)")->isChecked());
    QCOMPARE(o.file()->text(), o.path("other.txt"));
    QCOMPARE(o.list()->toPlainText(), QString());
    QVERIFY(o.t.messageBox.shown.empty());
    o.click("cmdOK");  // recomputes with the kept unit
    QVERIFY(o.closed());
    QCOMPARE(o.vars().lngMsgSeconds, 2);
    QCOMPARE(Read(o.path("other.txt")), QByteArray("\r\n"));
  }

  void okIntoAMissingFolderKeepsTheDialogOpen() {
    Options o(&kList);
    QVERIFY(o.open());
    o.replace(o.file(), o.path("nowhere/list.txt"));
    o.replace(o.interval(), QStringLiteral("9"));
    o.click("cmdOK");
    QVERIFY(!o.dlg.isNull() && o.dlg->isVisible());
    QCOMPARE(o.t.messageBox.shown.size(), 1u);
    const rcon::MessageBoxRequest& box = o.t.messageBox.shown.front();
    QCOMPARE(box.text, std::string(rcon::kInvalidFilename));
    QCOMPARE(box.title, std::string(rcon::kMainTitle));
    QVERIFY(box.buttons == rcon::MsgButtons::Ok && box.icon == rcon::MsgIcon::Exclamation);
    QCOMPARE(o.vars().strMsgInterval, std::string("2"));
    QCOMPARE(o.vars().lngMsgSeconds, 120);
    o.replace(o.file(), o.path("list.txt"));
    o.click("cmdOK");
    QVERIFY(o.closed());
    QCOMPARE(o.vars().lngMsgSeconds, 540);
    QCOMPARE(Read(o.path("list.txt")), kList);
  }

  void saveFirstPrompt_data() {
    QTest::addColumn<bool>("open");  // else New
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("goesOn");
    for (bool open : {false, true}) {
      const char* op = open ? "Open" : "New";
      QTest::addRow("%s unedited", op) << open << false << 0 << false << true;
      QTest::addRow("%s Yes", op) << open << true << int(MsgAnswer::Yes) << false << true;
      QTest::addRow("%s No", op) << open << true << int(MsgAnswer::No) << false << true;
      QTest::addRow("%s Cancel", op) << open << true << int(MsgAnswer::Cancel) << false << false;
      QTest::addRow("%s Yes, save fails", op)
          << open << true << int(MsgAnswer::Yes) << true << false;
    }
  }
  void saveFirstPrompt() {
    QFETCH(bool, open);
    QFETCH(bool, edited);
    QFETCH(int, answer);
    QFETCH(bool, saveFails);
    QFETCH(bool, goesOn);
    Options o(&kList);
    Write(o.path("chosen.txt"), "X\r\n");
    QVERIFY(o.open());
    if (saveFails) o.replace(o.file(), o.path("nowhere/list.txt"));
    if (edited) o.typeInto(o.list(), QStringLiteral("C"));
    if (answer) o.t.messageBox.answers.push_back(static_cast<MsgAnswer>(answer));
    o.t.msgFileDialog.answers.push_back(o.bytesPath("chosen.txt"));
    o.menu(open ? "mnuFileOpen" : "mnuFileNew");

    auto& shown = o.t.messageBox.shown;
    QCOMPARE(shown.empty(), !edited);
    if (edited) {
      QCOMPARE(shown[0].text, std::string(rcon::kSaveListFirst));
      QVERIFY(shown[0].buttons == rcon::MsgButtons::YesNoCancel);
      QVERIFY(shown[0].defaultButton == MsgAnswer::Yes);
    }
    if (saveFails) QCOMPARE(shown.back().text, std::string(rcon::kInvalidFilename));
    const bool saved = answer == int(MsgAnswer::Yes) && !saveFails;
    QCOMPARE(Read(o.path("messaging.txt")), saved ? QByteArray("A\r\nB\r\nC\r\n") : kList);
    QCOMPARE(o.t.msgFileDialog.calls.size(), goesOn ? 1u : 0u);
    QByteArray expectedList = edited ? "A\nB\nC" : "A\nB\n";
    if (goesOn) expectedList = open ? "X\n" : "";
    QCOMPARE(o.list()->toPlainText().toLatin1(), expectedList);
    if (goesOn) {
      QCOMPARE(o.vars().strMsgFile, o.bytesPath("chosen.txt"));
      QCOMPARE(o.file()->text(), o.path("chosen.txt"));
      QCOMPARE(Read(o.path("chosen.txt")), QByteArray(open ? "X\r\n" : "\r\n"));
      QCOMPARE(o.t.msgFileDialog.calls[0].open, open);
      // Nothing unsaved now: a second New goes straight to its dialog.
      o.menu("mnuFileNew");
      QCOMPARE(o.t.msgFileDialog.calls.size(), 2u);
    }
  }

  void cancelledSaveAsWritesNothing() {
    Options o(&kList);
    QVERIFY(o.open());
    o.typeInto(o.list(), QStringLiteral("C\rD"));
    QTest::keyClick(o.list(), Qt::Key_A, Qt::ControlModifier);  // Save As, not select-all
    QCOMPARE(o.t.msgFileDialog.calls.size(), 1u);
    const rcon::FileDialogRequest& asked = o.t.msgFileDialog.calls[0].request;
    QVERIFY(asked.overwritePrompt && asked.pathMustExist && !o.t.msgFileDialog.calls[0].open);
    QCOMPARE(asked.fileName, o.vars().strMsgFile);
    QCOMPARE(asked.filter, std::string(rcon::kTextFileFilter));
    QCOMPARE(Read(o.path("messaging.txt")), kList);
    QVERIFY(o.t.messageBox.shown.empty());
    o.click("cmdOK");  // closes at the first click; typed lines are CR LF in the file
    QVERIFY(o.closed());
    QCOMPARE(Read(o.path("messaging.txt")), QByteArray("A\r\nB\r\nC\r\nD\r\n"));
    QCOMPARE(o.vars().strMsgText, std::string("A\r\nB\r\nC\r\nD"));
  }

  void unusualLineEndsRoundTripUntilEdited() {
    const QByteArray mixed("A\nB\r\rC\r\n\xA0\r\n", 11);
    Options o(&mixed);
    QVERIFY(o.open());
    QTest::keyClick(o.c<QWidget>("txtText"), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(Read(o.path("messaging.txt")), mixed);
    QCOMPARE(o.vars().strMsgText, mixed.toStdString());
    o.typeInto(o.list(), QStringLiteral("D"));
    o.menu("mnuFileSave");
    QCOMPARE(Read(o.path("messaging.txt")), QByteArray("A\r\nB\r\n\r\nC\r\n\xA0\r\nD\r\n"));
  }

  void saveAsIntoAMissingFolderSaysSo() {
    Options o(&kList);
    QVERIFY(o.open());
    o.t.msgFileDialog.answers.push_back(o.bytesPath("nowhere/x.txt"));
    o.menu("mnuFileSaveAs");
    QCOMPARE(o.t.messageBox.shown.size(), 1u);
    QCOMPARE(o.t.messageBox.shown[0].text, std::string(rcon::kInvalidFilename));
    QCOMPARE(o.vars().strMsgFile, o.bytesPath("messaging.txt"));
  }
};

}  // namespace

QTEST_MAIN(MsgOptionsTest)
#include "msgoptions_test.moc"
