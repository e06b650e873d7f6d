// SPDX-License-Identifier: GPL-3.0-or-later
// The console's socket when its usual local port is taken, as by a second copy of the program:
// it binds another free port and still sends and receives.
#include <QTest>
#include <QUdpSocket>

#include "platform/base/UdpSocket.h"

namespace {

class UdpSocketTest : public QObject {
  Q_OBJECT
 private slots:
  void anotherLocalPortWhenTheUsualOneIsTaken() {
    // Taken here, or already by another program on this machine: either way it is taken.
    QUdpSocket holder;
    const bool held = holder.bind(QHostAddress::AnyIPv4, platform::UdpSocket::kLocalPort,
                                  QAbstractSocket::DontShareAddress);
    QVERIFY2(held || holder.error() == QAbstractSocket::AddressInUseError,
             qPrintable(holder.errorString()));

    platform::UdpSocket socket(nullptr, platform::UdpSocket::kLocalPort);
    QVERIFY(socket.localPort() != 0 && socket.localPort() != platform::UdpSocket::kLocalPort);

    QUdpSocket server;
    QVERIFY(server.bind(QHostAddress::LocalHost, 0));
    QVERIFY(socket.send("127.0.0.1", server.localPort(), "\xFF\xFF\xFF\xFFgetstatus").ok);
    QVERIFY(server.waitForReadyRead(5000));
    QHostAddress from;
    quint16 fromPort = 0;
    QByteArray request(256, '\0');
    request.resize(server.readDatagram(request.data(), request.size(), &from, &fromPort));
    QCOMPARE(request, QByteArray("\xFF\xFF\xFF\xFFgetstatus"));
    QCOMPARE(fromPort, socket.localPort());

    server.writeDatagram("\xFF\xFF\xFF\xFFprint\nok\n", QHostAddress::LocalHost, fromPort);
    std::vector<platform::ReceivedDatagram> replies;
    for (int i = 0; i < 100 && replies.empty(); ++i) {
      QCoreApplication::processEvents();
      replies = socket.drain();
    }
    QCOMPARE(replies.size(), 1u);
    QCOMPARE(replies[0].bytes, std::string("\xFF\xFF\xFF\xFFprint\nok\n"));
  }

  // A flood is handed on in bounded batches, with the event loop running between them, and
  // arrives whole and in order. The socket may never broadcast.
  void floodsComeInBoundedBatchesInOrder() {
    platform::UdpSocket socket(nullptr, 0);
    QVERIFY(!socket.mayBroadcast());
    std::vector<std::size_t> batches;
    std::vector<std::string> arrived;
    socket.setReceiver([&](std::vector<rcon::Datagram>& batch) {
      batches.push_back(batch.size());
      for (rcon::Datagram& datagram : batch) arrived.push_back(std::move(datagram.bytes));
    });
    QUdpSocket sender;
    const int count = 2500;
    for (int i = 0; i < count; ++i) {
      const QByteArray bytes = QByteArray::number(i);
      QCOMPARE(sender.writeDatagram(bytes, QHostAddress::LocalHost, socket.localPort()),
               bytes.size());
    }
    for (int turn = 0; turn < 500 && arrived.size() < std::size_t(count); ++turn) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCOMPARE(arrived.size(), std::size_t(count));
    for (int i = 0; i < count; ++i) QCOMPARE(arrived[std::size_t(i)], std::to_string(i));
    QVERIFY(batches.size() >= 3);
    for (std::size_t size : batches) QVERIFY(size <= platform::UdpSocket::kBatchLimit);
  }
};

}  // namespace

QTEST_MAIN(UdpSocketTest)
#include "udp_socket_test.moc"
