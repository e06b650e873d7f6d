// The connection fields as a user drives them: focus chain, octet check, port at every key.
#include <QTest>

#include "fakes/FakeGameServer.h"
#include "fakes/TestWindow.h"
#include "fakes/Typing.h"
#include "ui/frmRcon/ConnectionFields.h"

namespace {

QWidget* Focus() { return QApplication::focusWidget(); }

class ConnectionFieldsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    t = std::make_unique<fakes::TestWindow>();
    w = &t->open();
  }

  void theFocusChainAndThePassword() {
    const auto& f = w->fields();
    QList<QLineEdit*> chain{f.txtIP[2], f.txtIP[3], f.txtPort, f.txtPass, w->controls().txtSend};
    f.txtIP[0]->setFocus();
    fakes::Type(QStringLiteral("192"));
    QCOMPARE(Focus(), f.txtIP[1]);
    fakes::Type(QStringLiteral("19"));
    for (QLineEdit* next : chain) {
      fakes::Press(Qt::Key_Return);
      QCOMPARE(Focus(), next);
    }
    // Tab follows the same order, and a box that gets the focus selects its whole text.
    f.txtIP[1]->setFocus();
    for (QLineEdit* next : chain) {
      fakes::Press(Qt::Key_Tab);
      QCOMPARE(Focus(), next);
      QCOMPARE(next->selectedText(), next->text());
    }
    f.txtPass->setText(QStringLiteral(" a b"));
    QCOMPARE(f.txtPass->displayText(), QStringLiteral("****"));
  }

  void octetsAreTidiedOrRefusedWhenLeft() {
    const std::pair<QString, QString> cases[] = {{"007", "7"}, {"", "0"},     {"12a", "12"},
                                                 {"1.9", "1"}, {"&HF", "15"}, {"-0", "0"}};
    for (const auto& [typed, tidied] : cases) {
      w->fields().txtIP[2]->setText(typed);
      w->fields().txtIP[2]->setFocus();
      fakes::Press(Qt::Key_Tab);
      QCOMPARE(w->fields().txtIP[2]->text(), tidied);
    }
    // A "." after three digits lands in the next box; ".16" fills it, and it is left and tidied.
    w->fields().txtIP[0]->setFocus();
    fakes::Type(QStringLiteral("192.1"));
    QCOMPARE(w->fields().txtIP[1]->text(), QStringLiteral(".1"));
    fakes::Type(QStringLiteral("6"));
    QCOMPARE(Focus(), w->fields().txtIP[2]);
    QCOMPARE(w->fields().txtIP[1]->text(), QStringLiteral("0"));
    w->fields().txtIP[1]->setFocus();
    fakes::Type(QStringLiteral("256"));
    QCOMPARE(t->messageBox.shown.size(), std::size_t{1});
    QCOMPARE(t->messageBox.shown[0].text, std::string("Please enter a value between 0 and 255."));
    QCOMPARE(Focus(), w->fields().txtIP[1]);
    QCOMPARE(w->fields().txtIP[1]->selectedText(), QStringLiteral("256"));
    // A menu taking the focus is not a leave: no second box.
    w->menus().mnuFile->popup(QPoint(0, 0));
    w->menus().mnuFile->close();
    QCOMPARE(t->messageBox.shown.size(), std::size_t{1});
  }

  void thePortReachesTheSocketAtEveryKeystroke() {
    fakes::FakeGameServer first, second;
    t->setServer(QStringLiteral("127.0.0.1"), first.port());
    w->fields().txtPort->setFocus(Qt::TabFocusReason);
    const QString port = QString::number(second.port());
    for (int i = 0; i < port.size(); ++i) {
      fakes::Type(port.mid(i, 1));
      QCOMPARE(w->fields().port(), port.left(i + 1).toLongLong());
    }
    w->menus().mnuServStatus->trigger();
    QVERIFY(second.waitForDatagrams(1));
    QVERIFY(!first.waitForDatagrams(1, 100));
  }

 private:
  std::unique_ptr<fakes::TestWindow> t;
  ui::frmRcon* w = nullptr;
};

}  // namespace

QTEST_MAIN(ConnectionFieldsTest)
#include "connection_fields_test.moc"
