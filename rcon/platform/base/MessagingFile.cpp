// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/base/MessagingFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/Defaults.h"

namespace platform {

QString messagingFilePath(const QString& programDir) {
  const QString name = QString::fromLatin1(rcon::kMessagingFileName.data(),
                                           qsizetype(rcon::kMessagingFileName.size()));
  QString beside = QDir::toNativeSeparators(programDir + QDir::separator() + name);
  if (QFileInfo::exists(beside) || QFileInfo(programDir).isWritable()) return beside;
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (config.isEmpty()) return beside;  // no home folder: a save there reports the failure
  const QDir folder(config + QStringLiteral("/VortaneRcon"));
  folder.mkpath(QStringLiteral("."));
  return folder.filePath(name);
}

}  // namespace platform
