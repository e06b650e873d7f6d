// SPDX-License-Identifier: GPL-3.0-or-later
// The servers file on disk: what is saved comes back, a hand-edited file loses only its broken
// entries with one message, and names in any script round-trip.
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "platform/base/ServersFile.h"

namespace {

rcon::SavedServer server(std::string name, std::string host, std::uint16_t port) {
  return rcon::SavedServer{std::move(name), std::move(host), port, {}};
}

class ServersFileTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { QVERIFY(dir.isValid()); }

  void defaultPathFollowsXdgConfigHome() {
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    QCOMPARE(platform::ServersFile::defaultPath(), dir.filePath("VortaneRcon/servers.ini"));
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(platform::ServersFile::defaultPath(),
             QDir::homePath() + QStringLiteral("/.config/VortaneRcon/servers.ini"));
  }

  void roundTripKeepsEverything() {
    rcon::ServerList list;
    rcon::SavedServer east = server("ctf-east", "ctf.example.org", 27960);
    east.options = {{"ban", "banaddr %1"},
                    {"kick", "clientkick %1"},
                    {"password-command", "pass show game/ctf"},
                    {"say", "say \"Hello, world\"; ok"}};  // quotes, comma, semicolon
    for (rcon::SavedServer s :
         {east, server("Zürich ☆ 東京", "10.0.0.7", 20100),
          server("[v6] #1 = a;b", "[2001:db8::7]", 1), server("@home", "localhost", 65535)}) {
      QCOMPARE(list.save(std::move(s)), std::string());
    }
    QCOMPARE(list.setGroup("eu", {"ctf-east", "Zürich ☆ 東京"}), std::string());
    QCOMPARE(list.setGroup("ünï", {"@home"}), std::string());
    list.noteUsed("10.0.0.9:20100");
    list.noteUsed("Zürich ☆ 東京");
    list.options = {true, true, "Zürich ☆ 東京"};

    platform::ServersFile file(dir.filePath("config/VortaneRcon/servers.ini"));  // made on save
    QCOMPARE(file.save(list), std::string());
    const rcon::ServersLoad loaded = file.load();
    QCOMPARE(loaded.problems, std::string());
    QVERIFY(loaded.servers.servers() == list.servers());
    QVERIFY(loaded.servers.groups() == list.groups());
    QVERIFY(loaded.servers.recent() == list.recent());
    QVERIFY(loaded.servers.options == list.options);

    // Saving again replaces our sections whole (a server deleted stays deleted) and keeps
    // another program's section.
    appendRaw(file.path(), "[elsewhere]\nkept=yes\n");
    rcon::ServerList smaller = loaded.servers;
    QVERIFY(smaller.remove("ctf-east"));
    QCOMPARE(file.save(smaller), std::string());
    QCOMPARE(file.load().servers.servers().size(), 3u);
    QVERIFY(readRaw(file.path()).contains("kept=yes"));
    QVERIFY(!readRaw(file.path()).contains("ctf-east"));
  }

  void aMissingFileIsAnEmptyList() {
    const rcon::ServersLoad loaded = platform::ServersFile(dir.filePath("none.ini")).load();
    QCOMPARE(loaded.problems, std::string());
    QVERIFY(loaded.servers.servers().empty());
    QCOMPARE(loaded.servers.options, rcon::ProgramOptions{});  // both options off
  }

  void brokenEntriesAreLeftOutWithOneMessage() {
    const QString path = dir.filePath("servers.ini");
    appendRaw(path,
              "[servers]\n"
              "1\\name=good\n1\\host=10.0.0.1\n1\\port=20100\n"
              "2\\name=badport\n2\\host=10.0.0.2\n2\\port=70000\n"
              "3\\name=\n3\\host=10.0.0.3\n"
              "4\\name=badhost\n4\\host=10.0.0.256\n"
              "5\\name=good\n5\\host=10.0.0.5\n"        // a second "good"
              "6\\name=noport\n6\\host=hand.example\n"  // the default port
              "x\\name=unnumbered\nx\\host=10.0.0.6\n"
              "10\\name=Tokyo 東京\n10\\host=[::1]\n10\\port= 20101 \n"
              "garbage line without equals\n"
              "[groups]\n"
              "eu=good, ghost, noport\n"
              "all=good\n"
              "nordé=Tokyo 東京\n"
              "[options]\n"
              "openLastAtStart=maybe\n"
              "colourCodes=true\n"
              "lastServer=ghost\n"
              "recent=good, 10.0.0.9:20100, not an address, Tokyo 東京\n");
    const rcon::ServersLoad loaded = platform::ServersFile(path).load();
    const rcon::ServerList& list = loaded.servers;
    QCOMPARE(list.servers().size(), 3u);
    QCOMPARE(list.servers()[0], server("good", "10.0.0.1", 20100));
    QCOMPARE(list.servers()[1], server("noport", "hand.example", 20100));
    QCOMPARE(list.servers()[2], server("Tokyo 東京", "[::1]", 20101));
    QCOMPARE(list.groups().size(), 2u);
    QCOMPARE(list.groups()[0], (rcon::ServerGroup{"eu", {"good", "noport"}}));
    QCOMPARE(list.groups()[1], (rcon::ServerGroup{"nordé", {"Tokyo 東京"}}));  // typed in UTF-8
    QCOMPARE(list.options, (rcon::ProgramOptions{false, true, ""}));
    QCOMPARE(list.recent(), (std::vector<std::string>{"good", "10.0.0.9:20100", "Tokyo 東京"}));

    // One message, naming each broken entry.
    const QString message = QString::fromStdString(loaded.problems);
    QVERIFY2(message.startsWith(QStringLiteral("Some entries of the servers file ")),
             qPrintable(message));
    for (const char* entry : {"servers/2 (badport)", "servers/3:", "servers/4 (badhost)",
                              "servers/5 (good)", "servers/x", "groups/eu", "groups/all",
                              "options/openLastAtStart", "options/lastServer", "options/recent"})
      QVERIFY2(message.contains(QString::fromUtf8(entry)), entry);
    QCOMPARE(message.count(u'\n'), 10);
  }

  void unreadableFilesGiveAMessageNotACrash() {
    QVERIFY(QDir(dir.path()).mkdir("folder.ini"));
    QVERIFY(!platform::ServersFile(dir.filePath("folder.ini")).load().problems.empty());
    const QString binary = dir.filePath("binary.ini");
    const char junk[] = "\0\xff\xfe[[[\n=\n\\\\\\";
    appendRaw(binary, QByteArray(junk, sizeof junk - 1));
    const rcon::ServersLoad loaded = platform::ServersFile(binary).load();
    QVERIFY(loaded.servers.servers().empty());
    // Saving where a folder stands fails with a message.
    QVERIFY(!platform::ServersFile(dir.filePath("folder.ini")).save(rcon::ServerList()).empty());
  }

 private:
  static void appendRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write(bytes);
  }
  static QByteArray readRaw(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir dir;
};

}  // namespace

QTEST_GUILESS_MAIN(ServersFileTest)
#include "servers_file_test.moc"
