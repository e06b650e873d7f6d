// A stand-in game server for the desktop smoke test: listens on 127.0.0.1, prints every
// datagram it receives as one line of hex, answers each with a print reply, and quits after
// the given number of seconds.
#include <QCoreApplication>
#include <QFile>
#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>
#include <cstdio>

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: smoke_server PORT_FILE SECONDS\n");
    return 2;
  }
  QUdpSocket socket;
  if (!socket.bind(QHostAddress::LocalHost, 0)) return 1;
  QFile portFile(QString::fromLocal8Bit(argv[1]));
  if (!portFile.open(QIODevice::WriteOnly)) return 1;
  portFile.write(QByteArray::number(socket.localPort()) + '\n');
  portFile.close();
  QObject::connect(&socket, &QUdpSocket::readyRead, [&socket] {
    while (socket.hasPendingDatagrams()) {
      const QNetworkDatagram datagram = socket.receiveDatagram();
      std::printf("%s\n", datagram.data().toHex().constData());
      std::fflush(stdout);
      socket.writeDatagram(QByteArray("\xFF\xFF\xFF\xFFprint\nsmoke ok\n"),
                           datagram.senderAddress(), datagram.senderPort());
    }
  });
  QTimer::singleShot(std::atoi(argv[2]) * 1000, &app, &QCoreApplication::quit);
  return app.exec();
}
