// SPDX-License-Identifier: GPL-3.0-or-later
// Saved and recent servers in the main window, over the fakes of the servers file, the secret
// store and the host look-up: Connect and Recent fill the fields, names are looked up without
// blocking, the caption names the server, and the start-up fields.
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "fakes/TestWindow.h"
#include "platform/base/HostResolver.h"
#include "platform/base/ServersFile.h"

namespace {

const QString kPlain = QStringLiteral("Vortane Remote Console");

rcon::ServerList savedServers() {
  rcon::ServerList list;
  for (const rcon::SavedServer& server : {rcon::SavedServer{"ctf", "10.0.0.7", 27960, {}},
                                          rcon::SavedServer{"local", "localhost", 20100, {}},
                                          rcon::SavedServer{"gone", "nowhere.invalid", 20100, {}},
                                          rcon::SavedServer{"six", "[::1]", 20100, {}}})
    (void)list.save(server);
  return list;
}

QWidget* serversDialog() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == QLatin1String("frmServers") && window->isVisible()) return window;
  return nullptr;
}

class SavedServersWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    t = std::make_unique<fakes::TestWindow>();
    t->serversFile.onDisk = savedServers();
    t->passwords.stored["ctf"] = "pw\xE9";
  }
  void cleanup() { t.reset(); }

  void connectFillsTheFieldsAndNamesTheWindow() {
    t->open();
    QCOMPARE(fields(), QStringList({"0", "0", "0", "0", "20100", ""}));  // as designed
    QCOMPARE(t->window->windowTitle(), kPlain);
    QVERIFY(t->passwords.calls.empty());  // nothing opens by itself

    connectTo("ctf");
    QCOMPARE(fields(), QStringList({"10", "0", "0", "7", "27960", "pw\u00E9"}));
    QCOMPARE(t->window->windowTitle(), kPlain + " - ctf");
    QVERIFY(t->window->isEnabled());
    t->line("txtSend")->setText(QStringLiteral("status"));
    QTest::keyClick(t->line("txtSend"), Qt::Key_Return);
    QCOMPARE(t->socket.sent.size(), 1u);
    QCOMPARE(t->socket.sent[0].host, std::string("10.0.0.7"));
    QCOMPARE(int(t->socket.sent[0].port), 27960);
    QCOMPARE(t->requests(), std::vector<std::string>{"rcon pw\xE9 status"});
    QCOMPARE(t->serversFile.saved.back().recent(), std::vector<std::string>{"ctf"});

    // Typing in any field gives the plain caption back.
    QTest::keyClicks(t->line("txtPass"), QStringLiteral("x"));
    QCOMPARE(t->window->windowTitle(), kPlain);
    QVERIFY(t->messageBox.shown.empty());
  }

  void aHostIsLookedUpWhenChosen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("after");  // the fields once answered
    QTest::addColumn<QString>("box");        // what the box says; empty for none
    const QStringList unchanged{"10", "9", "8", "7", "20200", "keep"};
    QTest::newRow("name") << "local" << QStringList{"127", "0", "0", "1", "20100", ""} << QString();
    QTest::newRow("unknown") << "gone" << unchanged
                             << "The host name nowhere.invalid could not be resolved";
    QTest::newRow("ipv6") << "six" << unchanged << "IPv4 addresses only";
  }
  void aHostIsLookedUpWhenChosen() {
    QFETCH(QString, name);
    QFETCH(QStringList, after);
    QFETCH(QString, box);
    t->open();
    t->setServer(QStringLiteral("10.9.8.7"), 20200, QStringLiteral("keep"));
    connectTo(name);
    // The window goes on while the name is looked up.
    QCOMPARE(fields(), QStringList({"10", "9", "8", "7", "20200", "keep"}));
    QVERIFY(t->window->isEnabled());
    t->hostLookup.answer();
    QCOMPARE(fields(), after);
    if (box.isEmpty()) {
      QVERIFY(t->messageBox.shown.empty());
      QCOMPARE(t->window->windowTitle(), kPlain + " - " + name);
    } else {
      QCOMPARE(t->messageBox.shown.size(), 1u);
      QVERIFY2(QString::fromStdString(t->messageBox.shown[0].text).contains(box),
               t->messageBox.shown[0].text.c_str());
      QCOMPARE(t->window->windowTitle(), kPlain);
    }
    QCOMPARE(t->hostLookup.asked.size(), name == "six" ? 0u : 1u);
  }

  void typingDuringALookUpKeepsWhatIsTyped() {
    t->open();
    connectTo("local");
    QTest::keyClicks(t->line("txtIP(3)"), QStringLiteral("5"));
    t->hostLookup.answer();
    QCOMPARE(t->line("txtIP(0)")->text(), QStringLiteral("0"));
    QCOMPARE(t->line("txtIP(3)")->text(), QStringLiteral("05"));
    QCOMPARE(t->window->windowTitle(), kPlain);
  }

  void theRealResolverFindsLocalhost() {
    platform::HostResolver resolver;
    t->services.hostLookup = &resolver;
    t->open();
    connectTo("local");
    QTRY_COMPARE_WITH_TIMEOUT(t->line("txtIP(0)")->text(), QStringLiteral("127"), 10000);
    QCOMPARE(fields(), QStringList({"127", "0", "0", "1", "20100", ""}));
  }

  void recentHoldsTheServersUsedMostRecentFirst() {
    t->serversFile.onDisk.noteUsed("ctf");
    t->open();
    QCOMPARE(recentItems(), QStringList{"&1 ctf"});

    // A refused send notes nothing; a typed address is noted as address:port.
    t->action("mnuServStatus")->trigger();
    QVERIFY(t->serversFile.saved.empty());
    t->setServer(QStringLiteral("10.1.1.1"), 20100, QStringLiteral("typed"));
    t->action("mnuServStatus")->trigger();
    QCOMPARE(recentItems(), QStringList({"&1 10.1.1.1:20100", "&2 ctf"}));
    t->action("mnuServStatus")->trigger();
    QCOMPARE(t->serversFile.saved.size(), 1u);  // already first: not saved again

    // A saved server's address typed by hand counts as that server.
    t->setServer(QStringLiteral("10.0.0.7"), 27960);
    t->action("mnuServStatus")->trigger();
    QCOMPARE(t->serversFile.saved.back().recent(),
             (std::vector<std::string>{"ctf", "10.1.1.1:20100"}));

    // Choosing: a saved server with its password and name, an address without either.
    t->setServer(QStringLiteral("10.2.2.2"), 20100, QStringLiteral("other"));
    chooseRecent(0);
    t->passwords.answer();
    QCOMPARE(fields(), QStringList({"10", "0", "0", "7", "27960", "pw\u00E9"}));
    QCOMPARE(t->window->windowTitle(), kPlain + " - ctf");
    QCOMPARE(t->serversFile.saved.back().options.lastServer, std::string("ctf"));
    chooseRecent(1);
    QCOMPARE(fields(), QStringList({"10", "1", "1", "1", "20100", ""}));
    QCOMPARE(t->window->windowTitle(), kPlain);
    QCOMPARE(recentItems(), QStringList({"&1 10.1.1.1:20100", "&2 ctf"}));
    QCOMPARE(t->messageBox.shown.size(), 1u);  // the refusal of 0.0.0.0 only
  }

  void theLastServerOpensAtStartOnlyWhenAsked() {
    t->serversFile.onDisk.options.lastServer = "ctf";
    t->open();
    QVERIFY(t->passwords.calls.empty());
    QCOMPARE(fields(), QStringList({"0", "0", "0", "0", "20100", ""}));

    fakes::TestWindow asked;
    asked.serversFile.onDisk = t->serversFile.onDisk;
    asked.serversFile.onDisk.options.openLastAtStart = true;
    asked.passwords.stored["ctf"] = "pw";
    asked.open();
    QTRY_COMPARE_WITH_TIMEOUT(asked.passwords.calls, std::vector<std::string>{"read ctf"}, 5000);
    asked.passwords.answer();
    QCOMPARE(asked.line("txtPass")->text(), QStringLiteral("pw"));
    QCOMPARE(asked.line("txtIP(3)")->text(), QStringLiteral("7"));
    QCOMPARE(asked.window->windowTitle(), kPlain + " - ctf");
    QVERIFY(asked.socket.sent.empty());  // filled, never sent
  }

  // A hand-edited file through the real servers file: the broken entries go, in one box.
  void aBrokenFileLosesOnlyItsBrokenEntries() {
    const QString path = t->programDir.filePath(QStringLiteral("servers.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "[servers]\n1\\name=good\n1\\host=10.0.0.7\n1\\port=27960\n"
        "2\\name=bad\n2\\host=10.0.0.8\n2\\port=99999\nx\\name=label\n3\\name=all\n3\\host=h\n"
        "[options]\nopenLastAtStart=maybe\nrecent=good, nonsense\n");
    file.close();
    platform::ServersFile servers(path);
    t->services.serversFile = &servers;
    t->open();
    QTRY_COMPARE_WITH_TIMEOUT(t->messageBox.shown.size(), 1u, 5000);
    QVERIFY(t->messageBox.shown[0].text.find("servers/2") != std::string::npos);
    QCOMPARE(recentItems(), QStringList{"&1 good"});

    t->action("mnuServSaved")->trigger();
    QPointer<QWidget> dialog = serversDialog();
    QVERIFY(dialog);
    auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("lstServers"));
    QCOMPARE(list->topLevelItemCount(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(t->messageBox.shown.size(), 1u);  // told once
    dialog->close();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog, 5000);
    QVERIFY(t->window->isEnabled());
  }

  void theWindowMayCloseWithTheDialogOpen() {
    t->open();
    t->action("mnuServSaved")->trigger();
    QPointer<QWidget> dialog = serversDialog();
    QVERIFY(dialog && !t->window->isEnabled());
    t->action("mnuServSaved")->trigger();  // the window waits: nothing more opens
    t->window.reset();
    QVERIFY(!dialog);
  }

 private:
  // The address, port and password fields as they read.
  QStringList fields() const {
    QStringList texts;
    for (const char* name : {"txtIP(0)", "txtIP(1)", "txtIP(2)", "txtIP(3)", "txtPort", "txtPass"})
      texts << t->line(QString::fromLatin1(name))->text();
    return texts;
  }
  QMenu* recentMenu() const { return t->find<QMenu>(QStringLiteral("mnuServRecent")); }
  QStringList recentItems() const {
    QStringList texts;
    for (QAction* item : recentMenu()->actions()) texts << item->text();
    return texts;
  }
  // By place: the items replaced when the list changed may not be deleted yet.
  void chooseRecent(int index) { recentMenu()->actions().at(index)->trigger(); }
  // Server > Saved Servers..., the server, Connect; the store answers; the dialog goes.
  void connectTo(const QString& name) {
    t->action("mnuServSaved")->trigger();
    QPointer<QWidget> dialog = serversDialog();
    QVERIFY(dialog);
    QVERIFY(!t->window->isEnabled());
    auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("lstServers"));
    const QList<QTreeWidgetItem*> found = list->findItems(name, Qt::MatchExactly, 0);
    QCOMPARE(found.size(), 1);
    list->setCurrentItem(found[0]);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdConnect")),
                      Qt::LeftButton);
    t->passwords.answer();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog, 5000);
  }

  std::unique_ptr<fakes::TestWindow> t;
};

}  // namespace

QTEST_MAIN(SavedServersWindowTest)
#include "saved_servers_window_test.moc"
