// SPDX-License-Identifier: GPL-3.0-or-later
// Console documents on real files in a temporary folder.
#include <sys/resource.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "core/ConsoleDocument.h"
#include "fakes/FakeServices.h"
#include "platform/base/QtFileStore.h"
#include "platform/base/TextCodec.h"

namespace {

class FilesTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir;  // each test has files of its own names
  rcon::Console console;
  fakes::FakeMessageBox boxes;
  fakes::FakeFileDialog dialog;
  platform::QtFileStore store;
  rcon::ConsoleDocument doc{console, boxes, dialog, store};

  std::string Path(const char* name) const { return platform::PathFromQString(dir.filePath(name)); }
  // The bytes of a file of the folder, after writing `bytes` into it when there are any.
  QByteArray File(const char* name, const QByteArray& bytes = {}) const {
    QFile file(dir.filePath(name));
    if (!bytes.isNull() && file.open(QIODevice::WriteOnly) && file.write(bytes)) file.close();
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

 private slots:
  void init() {
    console = {};
    boxes = {};
    dialog = {};
  }

  // a, b, c gives five bytes; an opened file comes back byte for byte (0 to 255, bare LF, CR LF),
  // and saving it again adds no second line break. Refused opens leave the console as it was.
  void savesAndOpensRealFiles() {
    console.append("abc");
    dialog.answers = {Path("abc.txt"), Path("in.txt"), Path("huge.txt"), Path(".")};
    doc.saveAs();
    QCOMPARE(File("abc.txt"), QByteArray("abc\r\n"));
    QByteArray bytes("bare\nfeed\r\nlast\r\n");
    for (int b = 255; b >= 0; --b) bytes.prepend(static_cast<char>(b));
    QVERIFY(File("in.txt", bytes) == bytes && doc.open());
    QCOMPARE(console.buffer.text(), bytes.toStdString());
    doc.save();
    QCOMPARE(File("in.txt"), bytes);
    QVERIFY(File("huge.txt", "x") == "x" &&
            QFile::resize(dir.filePath("huge.txt"), (64 << 20) + 1));  // sparse: over 64 MiB
    QVERIFY(!doc.open() && !doc.open());  // too large; "." is the folder itself
    QVERIFY(boxes.shown.at(0).text.find("64 MiB") != std::string::npos);
    QVERIFY(boxes.shown.at(1).text.find("not a regular file") != std::string::npos);
    QVERIFY(console.buffer.text() == bytes.toStdString() && !console.unsaved);
  }

  // As root a read-only folder would not stop the write; a file-size limit stops everyone.
  void failedSaveIsReportedAndTheOldFileStaysWhole() {
    dialog.answers = {Path("old.txt")};
    QVERIFY(File("old.txt", "old contents\r\n") == "old contents\r\n" && doc.open());
    console.append(std::string(64 * 1024, 'n'));
    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const rlimit small{1024, saved.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed test
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    doc.save();
    setrlimit(RLIMIT_FSIZE, &saved);
    QCOMPARE(File("old.txt"), QByteArray("old contents\r\n"));
    QCOMPARE(QDir(dir.path()).entryList({"old.txt*"}), QStringList{"old.txt"});  // no leftovers
    QVERIFY(doc.saveAbandoned() && console.unsaved);
    QCOMPARE(boxes.shown.at(0).title, std::string("Vortane Rcon"));
    QVERIFY(boxes.shown.at(0).text.find(Path("old.txt")) != std::string::npos);
  }

  // A path in the file system's encoding reads right in a message; 8-bit text stays 8-bit.
  void messagesShowPathsAsNamed() {
    const QString path = QString::fromUtf8("/home/jos\xC3\xA9/\xE2\x82\xAC.txt");
    const std::string message = "Could not open " + platform::PathFromQString(path) + ".";
    QCOMPARE(platform::MessageToQString(message), "Could not open " + path + ".");
    QCOMPARE(platform::MessageToQString("Zugriff verweigert \xFC \x80"),
             QString::fromUtf8("Zugriff verweigert \xC3\xBC \xE2\x82\xAC"));
  }
};

}  // namespace

QTEST_MAIN(FilesTest)
#include "files_test.moc"
