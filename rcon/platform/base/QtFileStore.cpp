// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/base/QtFileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/base/TextCodec.h"

namespace platform {

rcon::ReadResult QtFileStore::read(const std::string& path, std::uint64_t maxBytes) {
  using Status = rcon::ReadResult::Status;
  const QString name = PathToQString(path);
  const QFileInfo info(name);
  if (!info.exists()) return {Status::NotFound, {}, "The file does not exist."};
  if (!info.isFile()) return {Status::NotRegular, {}, "It is not a regular file."};
  if (static_cast<std::uint64_t>(info.size()) > maxBytes) {
    return {Status::TooLarge, {}, "The file is too large."};
  }
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly))
    return {Status::Failed, {}, file.errorString().toStdString()};
  // Read through the file's end rather than trusting the size: it may have grown meanwhile.
  QByteArray data = file.read(static_cast<qint64>(maxBytes) + 1);
  if (file.error() != QFileDevice::NoError) {
    return {Status::Failed, {}, file.errorString().toStdString()};
  }
  if (static_cast<std::uint64_t>(data.size()) > maxBytes) {
    return {Status::TooLarge, {}, "The file is too large."};
  }
  return {Status::Ok, std::string(data.constData(), static_cast<std::size_t>(data.size())), {}};
}

rcon::WriteResult QtFileStore::write(const std::string& path, std::string_view bytes) {
  QSaveFile file(PathToQString(path));
  if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString().toStdString()};
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
      static_cast<qint64>(bytes.size())) {
    const std::string error = file.errorString().toStdString();
    file.cancelWriting();
    return {false, error};
  }
  if (!file.commit()) return {false, file.errorString().toStdString()};
  return {true, {}};
}

rcon::WriteResult QtFileStore::append(const std::string& path, std::string_view bytes) {
  const QString name = PathToQString(path);
  QDir().mkpath(QFileInfo(name).absolutePath());
  QFile file(name);
  // Only the user may read what the console held.
  if (!file.open(QIODevice::Append, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
    return {false, file.errorString().toStdString()};
  }
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.flush()) {
    return {false, file.errorString().toStdString()};
  }
  return {true, {}};
}

}  // namespace platform
