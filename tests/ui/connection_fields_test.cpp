// SPDX-License-Identifier: GPL-3.0-or-later
// The connection fields as a user drives them: focus chain, octet check, port at every key.
#include <QTest>

#include "fakes/TestWindow.h"
#include "fakes/Typing.h"
#include <QMenu>

namespace {

QWidget* Focus() { return QApplication::focusWidget(); }

class ConnectionFieldsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    t = std::make_unique<fakes::TestWindow>();
    w = &t->open();
  }

  QLineEdit* octet(int index) const { return t->line(QStringLiteral("txtIP(%1)").arg(index)); }

  void theFocusChainAndThePassword() {
    QList<QLineEdit*> chain{octet(2), octet(3), t->line("txtPort"), t->line("txtPass"),
                            t->line("txtSend")};
    octet(0)->setFocus();
    fakes::Type(QStringLiteral("192"));
    QCOMPARE(Focus(), octet(1));
    fakes::Type(QStringLiteral("19"));
    for (QLineEdit* next : chain) {
      fakes::Press(Qt::Key_Return);
      QCOMPARE(Focus(), next);
    }
    // Tab follows the same order, and a box that gets the focus selects its whole text.
    octet(1)->setFocus();
    for (QLineEdit* next : chain) {
      fakes::Press(Qt::Key_Tab);
      QCOMPARE(Focus(), next);
      QCOMPARE(next->selectedText(), next->text());
    }
    t->line("txtPass")->setText(QStringLiteral(" a b"));
    QCOMPARE(t->line("txtPass")->displayText(), QStringLiteral("****"));
  }

  void octetsAreTidiedOrRefusedWhenLeft() {
    const std::pair<QString, QString> cases[] = {{"007", "7"}, {"", "0"},     {"12a", "12"},
                                                 {"1.9", "1"}, {"&HF", "15"}, {"-0", "0"}};
    for (const auto& [typed, tidied] : cases) {
      octet(2)->setText(typed);
      octet(2)->setFocus();
      fakes::Press(Qt::Key_Tab);
      QCOMPARE(octet(2)->text(), tidied);
    }
    // A "." after three digits lands in the next box; ".16" fills it, and it is left and tidied.
    octet(0)->setFocus();
    fakes::Type(QStringLiteral("192.1"));
    QCOMPARE(octet(1)->text(), QStringLiteral(".1"));
    fakes::Type(QStringLiteral("6"));
    QCOMPARE(Focus(), octet(2));
    QCOMPARE(octet(1)->text(), QStringLiteral("0"));
    octet(1)->setFocus();
    fakes::Type(QStringLiteral("256"));
    QCOMPARE(t->messageBox.shown.size(), std::size_t{1});
    QCOMPARE(t->messageBox.shown[0].text, std::string("Please enter a value between 0 and 255."));
    QCOMPARE(Focus(), octet(1));
    QCOMPARE(octet(1)->selectedText(), QStringLiteral("256"));
    // A menu taking the focus is not a leave: no second box.
    t->find<QMenu>("mnuFile")->popup(QPoint(0, 0));
    t->find<QMenu>("mnuFile")->close();
    QCOMPARE(t->messageBox.shown.size(), std::size_t{1});
  }

  // The target is read from the fields as they stand at the send, whatever was typed last.
  void everySendReadsTheFieldsAsTheyStand() {
    t->setServer(QStringLiteral("127.0.0.1"), 20100);
    t->line("txtPort")->setFocus(Qt::TabFocusReason);
    fakes::Type(QStringLiteral("7"));  // the selected text is replaced: port 7
    t->action("mnuServStatus")->trigger();
    t->line("txtPort")->setText(QStringLiteral("2e4"));
    octet(3)->setText(QStringLiteral("2"));
    t->line("txtPass")->setText(QStringLiteral("pw"));
    t->line("txtSend")->setText(QStringLiteral("status"));
    t->action("mnuServRcon")->trigger();
    QCOMPARE(t->socket.sent.size(), std::size_t{2});
    QCOMPARE(t->socket.sent[0].port, 7);
    QCOMPARE(t->socket.sent[1].port, 20000);
    QCOMPARE(t->socket.sent[1].host, std::string("127.0.0.2"));
    QCOMPARE(t->requests()[1], std::string("rcon pw status"));
  }

 private:
  std::unique_ptr<fakes::TestWindow> t;
  ui::MainWindow* w = nullptr;
};

}  // namespace

QTEST_MAIN(ConnectionFieldsTest)
#include "connection_fields_test.moc"
