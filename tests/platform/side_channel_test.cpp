// SPDX-License-Identifier: GPL-3.0-or-later
// The side channel over real UDP on 127.0.0.1: a reply split over two datagrams comes back
// joined, from a local port of the channel's own.
#include <QTest>
#include <QUdpSocket>
#include <optional>

#include "platform/base/SideChannel.h"
#include "platform/base/UdpSocket.h"

namespace {

class SideChannelTest : public QObject {
  Q_OBJECT
 private slots:
  void joinsASplitReplyOverRealUdp() {
    QUdpSocket server;
    QVERIFY(server.bind(QHostAddress::LocalHost, 0));
    platform::UdpSideChannel channel(nullptr, {.timeoutMs = 5000, .quietMs = 100});
    QVERIFY(channel.localPort() != 0 && channel.localPort() != platform::UdpSocket::kLocalPort);

    std::optional<rcon::SideAnswer> answer;
    QVERIFY(channel.request("127.0.0.1", server.localPort(), "rcon pw status",
                            [&](const rcon::SideAnswer& a) { answer = a; }));
    QVERIFY(channel.busy());
    QVERIFY(server.waitForReadyRead(5000));
    QHostAddress from;
    quint16 fromPort = 0;
    QByteArray request(256, '\0');
    request.resize(server.readDatagram(request.data(), request.size(), &from, &fromPort));
    QCOMPARE(request, QByteArray("\xFF\xFF\xFF\xFFrcon pw status"));
    QCOMPARE(fromPort, channel.localPort());

    server.writeDatagram("\xFF\xFF\xFF\xFFprint\nmap: q3dm1\nnu", from, fromPort);
    server.writeDatagram("\xFF\xFF\xFF\xFFprint\nm score\n", from, fromPort);
    QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 5000);
    QCOMPARE(answer->outcome, rcon::SideAnswer::Outcome::Reply);
    QCOMPARE(answer->text, std::string("map: q3dm1\nnum score\n"));
    QVERIFY(!channel.busy());
  }
};

}  // namespace

QTEST_MAIN(SideChannelTest)
#include "side_channel_test.moc"
