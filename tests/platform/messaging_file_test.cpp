// SPDX-License-Identifier: GPL-3.0-or-later
// Where the messaging file is kept: beside the program when it can be, else in the user's
// configuration folder.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/base/MessagingFile.h"

namespace {

class MessagingFileTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir;
  QString config() const { return dir.filePath(QStringLiteral("config")); }

 private slots:
  void initTestCase() { qputenv("XDG_CONFIG_HOME", config().toLocal8Bit()); }

  void besideAWritableProgram() {
    const QString program = dir.filePath(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(program));
    QCOMPARE(platform::messagingFilePath(program), program + QStringLiteral("/messaging.txt"));
    QVERIFY(!QFileInfo::exists(config()));  // nothing made where it is not needed
  }

  void inTheConfigFolderForAnInstalledCopy() {
    // A folder that cannot be written, as /usr/bin is to its users (a missing one cannot be
    // written by anyone, root included).
    const QString program = dir.filePath(QStringLiteral("usr/bin"));
    const QString expected = config() + QStringLiteral("/VortaneRcon/messaging.txt");
    QCOMPARE(platform::messagingFilePath(program), expected);
    QVERIFY(QFileInfo(config() + QStringLiteral("/VortaneRcon")).isDir());  // ready for a save
  }

  void besideAReadOnlyProgramWhereTheFileIsAlready() {
    const QString program = dir.filePath(QStringLiteral("readonly"));
    QVERIFY(QDir().mkpath(program));
    QFile file(program + QStringLiteral("/messaging.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const auto permissions = QFile::permissions(program);
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    const bool writable = QFileInfo(program).isWritable();
    const QString path = platform::messagingFilePath(program);
    QVERIFY(QFile::setPermissions(program, permissions));
    if (writable) QSKIP("this user may write any folder (root)");
    QCOMPARE(path, file.fileName());
  }
};

}  // namespace

QTEST_MAIN(MessagingFileTest)
#include "messaging_file_test.moc"
