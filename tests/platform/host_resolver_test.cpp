// SPDX-License-Identifier: GPL-3.0-or-later
// Host names through the real resolver, with localhost only: any other name would send a DNS
// query off the machine. Names that do not resolve are the fake's business.
#include <QTest>
#include <optional>

#include "platform/base/HostResolver.h"

namespace {

class HostResolverTest : public QObject {
  Q_OBJECT
 private slots:
  void answersComeLaterWithTheFirstIpv4Address_data() {
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("ipv4");
    QTest::addColumn<QString>("error");
    QTest::newRow("localhost") << "localhost"
                               << "127.0.0.1"
                               << "";
    QTest::newRow("an address, no look-up") << "10.0.0.7"
                                            << "10.0.0.7"
                                            << "";
    QTest::newRow("IPv6") << "[::1]"
                          << ""
                          << "[::1] is an IPv6 address; the address fields take IPv4 only.";
    QTest::newRow("not a host") << "a b"
                                << ""
                                << "The host must be an IPv4 address, a host name or an IPv6 "
                                   "address in brackets.";
  }
  void answersComeLaterWithTheFirstIpv4Address() {
    QFETCH(QString, host);
    platform::HostResolver resolver;
    std::optional<rcon::LookupResult> answer;
    int answers = 0;
    resolver.lookupIpv4(host.toStdString(), [&](const rcon::LookupResult& result) {
      answer = result;
      ++answers;
    });
    QVERIFY(!answer);  // never inside the call
    QVERIFY(QTest::qWaitFor([&] { return answer.has_value(); }, 10000));
    QTEST(QString::fromStdString(answer->ipv4), "ipv4");
    QTEST(QString::fromStdString(answer->error), "error");
    QCOMPARE(answers, 1);
  }
};

}  // namespace

QTEST_GUILESS_MAIN(HostResolverTest)
#include "host_resolver_test.moc"
