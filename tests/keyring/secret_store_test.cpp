// SPDX-License-Identifier: GPL-3.0-or-later
// Passwords against a real Secret Service (run through with-keyring.sh): stored, read back and
// deleted, and never found in plain bytes anywhere under the temporary home. Run with a session
// bus that does not exist, the store says that no secret store answered.
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <optional>

#include "platform/base/SecretStore.h"
#include "platform/base/ServersFile.h"
#include "platform/base/TextCodec.h"

namespace {

using Status = rcon::SecretResult::Status;
constexpr int kWaitMs = 30000;

// A password with bytes above 127, as the server's 8-bit text allows.
const std::string kPassword("Tr0ub4dor-\xE9\xFF-&3", 15);

class SecretStoreTest : public QObject {
  Q_OBJECT
 private slots:
  void roundTripLeavesNoTraceOnDisk() {
    const QString root = qEnvironmentVariable("RCON_KEYRING_HOME");
    QVERIFY2(!root.isEmpty(), "run through tests/keyring/with-keyring.sh");

    // The servers file beside it, in the same temporary home.
    rcon::ServerList list;
    QCOMPARE(list.save({"Zürich ☆", "10.0.0.7", 20100, {}}), std::string());
    QCOMPARE(platform::ServersFile().save(list), std::string());
    QVERIFY(platform::ServersFile::defaultPath().startsWith(root));

    platform::SecretStore store;
    for (const std::string name : {"ctf-east", "Zürich ☆"}) {
      QCOMPARE(answer([&](auto done) { store.writePassword(name, kPassword, done); }).status,
               Status::Ok);
      const rcon::SecretResult read = answer([&](auto done) { store.readPassword(name, done); });
      QCOMPARE(read.status, Status::Ok);
      QCOMPARE(read.password, kPassword);
    }
    // The command-line tool's way: waiting, with a timeout.
    QCOMPARE(store.readPasswordBlocking("Zürich ☆", kWaitMs).password, kPassword);
    QCOMPARE(store.readPasswordBlocking("nobody", kWaitMs).status, Status::NotFound);
    // The keyring itself is on disk in the temporary home, encrypted.
    QVERIFY(QFile::exists(root + QStringLiteral("/data/keyrings/login.keyring")));
    QVERIFY(traceOf(root).isEmpty());

    QCOMPARE(answer([&](auto done) { store.deletePassword("ctf-east", done); }).status, Status::Ok);
    QCOMPARE(answer([&](auto done) { store.readPassword("ctf-east", done); }).status,
             Status::NotFound);
    QCOMPARE(store.readPasswordBlocking("Zürich ☆", kWaitMs).password, kPassword);  // untouched
    QCOMPARE(store.deletePasswordBlocking("Zürich ☆", kWaitMs).status, Status::Ok);
    QVERIFY(traceOf(root).isEmpty());
  }

  void noStoreAnswers() {
    // Run with DBUS_SESSION_BUS_ADDRESS naming a socket that does not exist.
    platform::SecretStore store;
    const rcon::SecretResult read = store.readPasswordBlocking("ctf-east", kWaitMs);
    QCOMPARE(read.status, Status::NoStore);
    QVERIFY2(read.error.starts_with("No secret store answered"), read.error.c_str());
    QCOMPARE(answer([&](auto done) { store.writePassword("ctf-east", kPassword, done); }).status,
             Status::NoStore);
  }

 private:
  // Starts an operation and waits for its one answer, which must not come inside the call.
  template <typename Start>
  static rcon::SecretResult answer(Start start) {
    std::optional<rcon::SecretResult> result;
    int answers = 0;
    start([&](const rcon::SecretResult& r) {
      result = r;
      ++answers;
    });
    if (result) qWarning("answered inside the call");
    if (result || !QTest::qWaitFor([&] { return result.has_value(); }, kWaitMs)) return {};
    QTest::qWait(50);  // a second answer would come now
    if (answers != 1) return {};
    return *result;
  }

  // The files under root that hold the password as its bytes or as UTF-8.
  static QStringList traceOf(const QString& root) {
    const QByteArray raw = QByteArray::fromStdString(kPassword);
    const QByteArray utf8 = platform::ToQString(kPassword).toUtf8();
    QStringList found;
    QDirIterator files(root, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
      QFile file(files.next());
      if (!file.open(QIODevice::ReadOnly)) continue;  // sockets
      const QByteArray bytes = file.readAll();
      if (bytes.contains(raw) || bytes.contains(utf8)) found << file.fileName();
    }
    if (!found.isEmpty()) qWarning() << "the password is in" << found;
    return found;
  }
};

}  // namespace

QTEST_GUILESS_MAIN(SecretStoreTest)
#include "secret_store_test.moc"
