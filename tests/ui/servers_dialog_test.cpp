// SPDX-License-Identifier: GPL-3.0-or-later
// The Saved Servers dialog over fakes of the servers file and the secret store, driven as a user
// drives it: Save Current, Connect, Edit, Delete and the start-up option.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "fakes/FakeServerStores.h"
#include "fakes/FakeServices.h"
#include "ui/frmServers/frmServers.h"

namespace {

using Status = rcon::SecretResult::Status;

class ServersDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    file = std::make_unique<fakes::FakeServersFile>();
    passwords = std::make_unique<fakes::FakePasswordStore>();
    messageBox = std::make_unique<fakes::FakeMessageBox>();
  }
  void cleanup() { dialog.reset(); }

  void saveCurrentThenConnectEmitsTheServer() {
    open({QStringLiteral("10.0.0.7"), QStringLiteral("27960"), QStringLiteral("pw\u00E9")});
    QVERIFY(!button("cmdConnect")->isEnabled());  // nothing to connect to yet
    click(dialog.get(), "cmdSaveCurrent");
    QWidget* editor = editorShown();
    QVERIFY(editor);
    QCOMPARE(box(editor, "txtHost")->text(), QStringLiteral("10.0.0.7"));
    QVERIFY(editor->findChild<QCheckBox*>(QStringLiteral("chkRemember"))->isChecked());
    type(box(editor, "txtName"), QStringLiteral("Zürich ctf"));
    QTest::keyClick(box(editor, "txtName"), Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([&] { return !editorShown(); }));

    QCOMPARE(file->saved.size(), 1u);
    QCOMPARE(*file->saved.back().find("Zürich ctf"),
             (rcon::SavedServer{"Zürich ctf", "10.0.0.7", 27960, {}}));
    passwords->answer();
    QCOMPARE(passwords->stored.at("Zürich ctf"), std::string("pw\xE9"));  // 8-bit bytes

    QSignalSpy chosen(dialog.get(), &ui::SavedServersDialog::serverChosen);
    QCOMPARE(list()->currentItem()->text(0), QStringLiteral("Zürich ctf"));
    QTest::keyClick(list(), Qt::Key_Return);  // Connect is the default button
    QCOMPARE(chosen.size(), 0);               // not before the store answers
    passwords->answer();
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen[0][0].value<rcon::SavedServer>().address(), std::string("10.0.0.7:27960"));
    QCOMPARE(chosen[0][1].toString(), QStringLiteral("pw\u00E9"));
    QCOMPARE(chosen[0][2].toBool(), true);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(file->saved.back().recent(), std::vector<std::string>{"Zürich ctf"});
    QCOMPARE(file->saved.back().options.lastServer, std::string("Zürich ctf"));
    QVERIFY(messageBox->shown.empty());
  }

  void withoutASecretStoreTheServerIsSavedWithoutItsPasswordAndSaidOnce() {
    passwords->available = false;
    open({QStringLiteral("10.0.0.7"), QStringLiteral("20100"), QStringLiteral("pw")});
    for (const char* name : {"a", "b"}) {
      saveCurrentAs(name);
      passwords->answer();
    }
    QCOMPARE(file->saved.back().servers().size(), 2u);
    QCOMPARE(messageBox->shown.size(), 1u);
    QVERIFY(messageBox->shown[0].text.starts_with("No secret store answered."));
    QVERIFY(messageBox->shown[0].text.ends_with("saved without its password."));

    QSignalSpy chosen(dialog.get(), &ui::SavedServersDialog::serverChosen);
    click(dialog.get(), "cmdConnect");
    passwords->answer();
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen[0][2].toBool(), false);
    QCOMPARE(messageBox->shown.size(), 1u);  // not said again
  }

  void aBrokenFileGivesOneMessage() {
    file->onDisk.save({"kept", "10.0.0.1", 20100, {}});
    file->problems =
        "Some entries of the servers file x could not be read and were left out:\n"
        "servers/2: The name is empty.\nservers/3: The name is empty.";
    open({});
    QTRY_COMPARE_WITH_TIMEOUT(messageBox->shown.size(), 1u, 5000);
    QVERIFY(messageBox->shown[0].text.starts_with(file->problems));
    QCOMPARE(list()->topLevelItemCount(), 1);
    QTest::qWait(20);
    QCOMPARE(messageBox->shown.size(), 1u);
  }

  void theEditorRefusesBadEntriesAndKeepsThemAsTyped_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("message");
    QTest::newRow("no name") << ""
                             << "10.0.0.7"
                             << "20100"
                             << "txtName"
                             << "The name is empty.";
    QTest::newRow("taken") << "taken"
                           << "10.0.0.7"
                           << "20100"
                           << "txtName"
                           << "A saved server is already named \"taken\".";
    QTest::newRow("unset address") << "x"
                                   << "0.0.0.0"
                                   << "20100"
                                   << "txtHost"
                                   << "0.0.0.0 is not a server's address.";
    QTest::newRow("bare IPv6") << "x"
                               << "::1"
                               << "20100"
                               << "txtHost"
                               << "An IPv6 address goes in brackets, as in [::1].";
    QTest::newRow("port") << "x"
                          << "ctf.example.org"
                          << "70000"
                          << "txtPort"
                          << "The port must be a number from 1 to 65535.";
  }
  void theEditorRefusesBadEntriesAndKeepsThemAsTyped() {
    QFETCH(QString, name);
    QFETCH(QString, focus);
    file->onDisk.save({"taken", "10.0.0.1", 20100, {}});
    QFETCH(QString, host);
    QFETCH(QString, port);
    open({host, port, QString()});
    click(dialog.get(), "cmdSaveCurrent");
    QWidget* editor = editorShown();
    type(box(editor, "txtName"), name);
    click(editor, "cmdOK");
    QCOMPARE(messageBox->shown.size(), 1u);
    QTEST(QString::fromStdString(messageBox->shown[0].text), "message");
    QVERIFY(editorShown() == editor);
    QCOMPARE(editor->focusWidget(), box(editor, focus.toLatin1().constData()));
    QCOMPARE(box(editor, "txtHost")->text(), host);
    QVERIFY(file->saved.empty());
  }

  void editRenamesAndMovesThePasswordDeleteRemovesIt() {
    file->onDisk.save({"old", "10.0.0.1", 20100, {{"kick", "clientkick %1"}}});
    file->onDisk.noteUsed("old");
    passwords->stored["old"] = "secret";
    open({});
    click(dialog.get(), "cmdEdit");
    QWidget* editor = editorShown();
    QVERIFY(!button("cmdOK", editor)->isEnabled());  // waits for the stored password
    passwords->answer();
    QCOMPARE(box(editor, "txtPass")->text(), QStringLiteral("secret"));
    box(editor, "txtName")->setText(QStringLiteral("new"));
    click(editor, "cmdOK");
    passwords->answer();
    const rcon::ServerList& saved = file->saved.back();
    QCOMPARE(saved.servers().size(), 1u);
    QCOMPARE(saved.servers()[0].options.at("kick"), std::string("clientkick %1"));  // kept
    QCOMPARE(saved.recent(), std::vector<std::string>{"new"});
    QCOMPARE(passwords->stored, (std::map<std::string, std::string>{{"new", "secret"}}));

    for (auto answer : {rcon::MsgAnswer::No, rcon::MsgAnswer::Yes}) {
      messageBox->answers.push_back(answer);
      click(dialog.get(), "cmdDelete");
      passwords->answer();
    }
    QCOMPARE(messageBox->shown.size(), 2u);
    QCOMPARE(messageBox->shown[1].defaultButton, rcon::MsgAnswer::No);
    QVERIFY(file->saved.back().servers().empty());
    QVERIFY(passwords->stored.empty());
    QCOMPARE(list()->topLevelItemCount(), 0);
  }

  void anAnswerAfterTheDialogIsGoneIsDropped() {
    file->onDisk.save({"a", "10.0.0.1", 20100, {}});
    open({});
    click(dialog.get(), "cmdConnect");
    click(dialog.get(), "cmdEdit");  // the buttons wait for the answer
    dialog.reset();
    passwords->answer();  // nothing left to answer to: no crash
    QCOMPARE(passwords->calls, std::vector<std::string>{"read a"});
    QVERIFY(file->saved.empty());
  }

  void openTheLastServerAtStartIsSaved() {
    open({});
    auto* openLast = dialog->findChild<QCheckBox*>(QStringLiteral("chkOpenLast"));
    QVERIFY(!openLast->isChecked());  // off by default
    openLast->click();
    QVERIFY(file->saved.back().options.openLastAtStart);
    file->saveError = "The servers file x could not be saved: it could not be read or written.";
    openLast->click();
    QCOMPARE(messageBox->shown.size(), 1u);
    QVERIFY(openLast->isChecked());  // as the file still has it
  }

 private:
  void open(const ui::SavedServersDialog::CurrentFields& fields) {
    dialog = std::make_unique<ui::SavedServersDialog>(
        fields, ui::SavedServersDialog::Stores{file.get(), passwords.get(), messageBox.get()});
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
  }
  void saveCurrentAs(const char* name) {
    click(dialog.get(), "cmdSaveCurrent");
    QWidget* editor = editorShown();
    type(box(editor, "txtName"), QString::fromUtf8(name));
    click(editor, "cmdOK");
  }
  QWidget* editorShown() const {
    for (QWidget* editor : dialog->findChildren<QWidget*>(QStringLiteral("frmServerEdit")))
      if (editor->isVisible()) return editor;  // a closed one waits for its deletion
    return nullptr;
  }
  QTreeWidget* list() const {
    return dialog->findChild<QTreeWidget*>(QStringLiteral("lstServers"));
  }
  QPushButton* button(const char* name, QWidget* in = nullptr) const {
    return (in ? in : dialog.get())->findChild<QPushButton*>(QString::fromLatin1(name));
  }
  // Keys with their text, so that letters outside ASCII can be typed too.
  static void type(QWidget* target, const QString& text) {
    for (const QChar c : text) {
      QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
      QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
  static QLineEdit* box(QWidget* in, const char* name) {
    return in->findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  void click(QWidget* in, const char* name) const {
    QTest::mouseClick(button(name, in), Qt::LeftButton);
  }

  std::unique_ptr<fakes::FakeServersFile> file;
  std::unique_ptr<fakes::FakePasswordStore> passwords;
  std::unique_ptr<fakes::FakeMessageBox> messageBox;
  std::unique_ptr<ui::SavedServersDialog> dialog;
};

}  // namespace

QTEST_MAIN(ServersDialogTest)
#include "servers_dialog_test.moc"
