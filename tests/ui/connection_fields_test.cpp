// The connection fields as a user drives them: focus chain, octet check, port at every key.
#include <QStyle>
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
  void cleanup() { t.reset(); }

  void threeCharactersOrEnterMoveOn() {
    w->fields().txtIP[0]->setFocus();
    fakes::Type(QStringLiteral("192"));
    QCOMPARE(Focus(), w->fields().txtIP[1]);
    fakes::Type(QStringLiteral("19\r"));
    QCOMPARE(Focus(), w->fields().txtIP[2]);
    QCOMPARE(w->fields().txtIP[1]->text(), QStringLiteral("19"));
    fakes::Type(QStringLiteral("\r"));
    QCOMPARE(Focus(), w->fields().txtIP[3]);
    fakes::Type(QStringLiteral("\r"));
    QCOMPARE(Focus(), w->fields().txtPort);
    fakes::Type(QStringLiteral("\r"));
    QCOMPARE(Focus(), w->fields().txtPass);
    fakes::Type(QStringLiteral("\r"));
    QCOMPARE(Focus(), w->controls().txtSend);
  }

  void tabFollowsTheSameOrderAndSelectsTheText() {
    w->fields().txtIP[0]->setFocus();
    const QList<QWidget*> order{w->fields().txtIP[1], w->fields().txtIP[2], w->fields().txtIP[3],
                                w->fields().txtPort,  w->fields().txtPass,  w->controls().txtSend};
    for (QWidget* next : order) {
      fakes::Press(Qt::Key_Tab);
      QCOMPARE(Focus(), next);
    }
    fakes::Press(Qt::Key_Tab);
    QCOMPARE(Focus()->objectName(), QStringLiteral("txtReceive"));
    w->fields().txtPort->setFocus(Qt::TabFocusReason);
    QCOMPARE(w->fields().txtPort->selectedText(), QStringLiteral("20100"));
    fakes::Type(QStringLiteral("7"));
    QCOMPARE(w->fields().txtPort->text(), QStringLiteral("7"));
  }

  void anOutOfRangeOctetIsRefusedOnce() {
    w->fields().txtIP[1]->setFocus();
    fakes::Type(QStringLiteral("256"));
    QCOMPARE(t->messageBox.shown.size(), std::size_t{1});
    QCOMPARE(t->messageBox.shown[0].text, std::string("Please enter a value between 0 and 255."));
    QCOMPARE(t->messageBox.shown[0].title, std::string("Vortane Rcon"));
    QCOMPARE(Focus(), w->fields().txtIP[1]);
    QCOMPARE(w->fields().txtIP[1]->text(), QStringLiteral("256"));
    QCOMPARE(w->fields().txtIP[1]->selectedText(), QStringLiteral("256"));
    // A menu taking the focus is not a leave: no second box.
    w->menus().mnuFile->popup(QPoint(0, 0));
    w->menus().mnuFile->close();
    QCOMPARE(t->messageBox.shown.size(), std::size_t{1});
  }

  void leavingTidiesTheText() {
    const std::pair<QString, QString> cases[] = {{"007", "7"}, {"", "0"},     {"12a", "12"},
                                                 {"1.9", "1"}, {"&HF", "15"}, {"-0", "0"}};
    for (const auto& [typed, tidied] : cases) {
      w->fields().txtIP[2]->setText(typed);
      w->fields().txtIP[2]->setFocus();
      fakes::Press(Qt::Key_Tab);
      QCOMPARE(w->fields().txtIP[2]->text(), tidied);
    }
    QCOMPARE(w->fields().address().strServerIP, std::string("0.0.0.0"));
    QVERIFY(t->messageBox.shown.empty());
  }

  void aDotAfterThreeDigitsLandsInTheNextField() {
    w->fields().txtIP[0]->setFocus();
    fakes::Type(QStringLiteral("192.1"));
    QCOMPARE(w->fields().txtIP[1]->text(), QStringLiteral(".1"));
    // ".16" fills the box, so the focus moves on and the box is checked as it is left.
    fakes::Type(QStringLiteral("6"));
    QCOMPARE(Focus(), w->fields().txtIP[2]);
    QCOMPARE(w->fields().txtIP[1]->text(), QStringLiteral("0"));
    QCOMPARE(w->fields().address().strServerIP, std::string("192.0.0.0"));
  }

  void thePortFollowsEveryKeystroke() {
    fakes::FakeGameServer first;
    fakes::FakeGameServer second;
    t->setServer(QStringLiteral("127.0.0.1"), first.port());
    QCOMPARE(w->fields().port(), first.port());
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

  void thePasswordShowsStars() {
    w->fields().txtPass->setText(QStringLiteral(" a b "));
    QCOMPARE(w->fields().txtPass->echoMode(), QLineEdit::Password);
    QCOMPARE(w->fields().password(), std::string(" a b "));
    QCOMPARE(w->fields().txtPass->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                     w->fields().txtPass),
             int('*'));
  }

 private:
  std::unique_ptr<fakes::TestWindow> t;
  ui::frmRcon* w = nullptr;
};

}  // namespace

QTEST_MAIN(ConnectionFieldsTest)
#include "connection_fields_test.moc"
