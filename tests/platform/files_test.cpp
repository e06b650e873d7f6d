// Console documents on real files in a temporary folder.
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "core/ConsoleDocument.h"
#include "core/TextFile.h"
#include "fakes/FakeServices.h"
#include "platform/base/QtFileStore.h"
#include "platform/base/TextCodec.h"

namespace {

class FilesTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    dir = std::make_unique<QTemporaryDir>();
    console = {};
    boxes = {};
    dialog = {};
    doc = std::make_unique<rcon::ConsoleDocument>(console, boxes, dialog, store);
  }

  void abcGivesFiveBytes() {
    console.append("abc");
    dialog.answers = {Path("abc.txt")};
    doc->SaveAs();
    QCOMPARE(Read("abc.txt"), QByteArray("abc\r\n"));
    QVERIFY(!console.blnConsoleChanged);
  }

  void everyByteComesBackAndSavingAgainDoesNotGrow() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    bytes += "bare\nfeed\r\nlast\r\n";
    Write("in.txt", bytes);
    dialog.answers = {Path("in.txt")};
    QVERIFY(doc->Open());
    QCOMPARE(console.buffer.text(), bytes.toStdString());
    doc->Save();
    QCOMPARE(Read("in.txt"), bytes);
    // A text without a final line break gains one, once.
    Write("short.txt", "one\ntwo");
    dialog.answers = {Path("short.txt")};
    QVERIFY(doc->Open());
    doc->Save();
    doc->Save();
    QCOMPARE(Read("short.txt"), QByteArray("one\ntwo\r\n"));
    dialog.answers = {Path("short.txt")};
    QVERIFY(doc->Open());
    doc->Save();
    QCOMPARE(Read("short.txt"), QByteArray("one\ntwo\r\n"));
  }

  void refusedOpensLeaveTheConsole() {
    console.append("kept");
    QFile huge(dir->filePath(QStringLiteral("huge.txt")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(rcon::kMaxOpenBytes + 1));  // sparse: no 64 MiB written
    huge.close();
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder.txt")));
    dialog.answers = {Path("huge.txt"), Path("folder.txt")};
    boxes.answers = {rcon::MsgAnswer::No, rcon::MsgAnswer::Ok, rcon::MsgAnswer::No};
    QVERIFY(!doc->Open());
    QVERIFY(!doc->Open());
    QCOMPARE(boxes.shown.size(), std::size_t{4});
    QVERIFY(boxes.shown[1].text.find("64 MiB") != std::string::npos);
    QVERIFY(boxes.shown[3].text.find("not a regular file") != std::string::npos);
    QCOMPARE(console.buffer.text(), std::string("kept"));
    QVERIFY(console.blnConsoleChanged);
  }

  // Running as root, a read-only folder would not stop the write. Two failures root cannot get
  // past instead: a file-size limit (the new text cannot be written out whole), and a folder
  // that is really a regular file.
  void failedSaveIsReportedAndTheOldFileStaysWhole() {
    Write("old.txt", "old contents\r\n");
    dialog.answers = {Path("old.txt")};
    QVERIFY(doc->Open());
    console.append(std::string(64 * 1024, 'n'));
    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    doc->Save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    QCOMPARE(Read("old.txt"), QByteArray("old contents\r\n"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
    QVERIFY(doc->blnSaveCancelled());
    QVERIFY(console.blnConsoleChanged);
    QCOMPARE(boxes.shown.size(), std::size_t{1});
    QCOMPARE(boxes.shown[0].title, std::string("Vortane Rcon"));
    QVERIFY(boxes.shown[0].text.find(Path("old.txt")) != std::string::npos);

    Write("plain", "x");
    dialog.answers = {Path("plain/console.txt")};
    doc->SaveAs();
    QVERIFY(doc->blnSaveCancelled());
    QCOMPARE(boxes.shown.size(), std::size_t{2});
    QVERIFY(boxes.shown[1].text.find("plain/console.txt") != std::string::npos);
  }

 private:
  std::string Path(const char* name) const {
    return platform::PathFromQString(dir->filePath(QString::fromLatin1(name)));
  }
  QByteArray Read(const char* name) const {
    QFile file(dir->filePath(QString::fromLatin1(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  void Write(const char* name, const QByteArray& bytes) const {
    QFile file(dir->filePath(QString::fromLatin1(name)));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
  }

  std::unique_ptr<QTemporaryDir> dir;
  rcon::Console console;
  fakes::FakeMessageBox boxes;
  fakes::FakeFileDialog dialog;
  platform::QtFileStore store;
  std::unique_ptr<rcon::ConsoleDocument> doc;
};

}  // namespace

QTEST_MAIN(FilesTest)
#include "files_test.moc"
