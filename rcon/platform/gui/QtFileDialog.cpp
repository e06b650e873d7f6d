// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/QtFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "platform/base/TextCodec.h"

namespace platform {

QStringList NameFilters(std::string_view filter) {
  const QStringList parts = ToQString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    // "*.*" means every file; on this platform that is "*".
    QString patterns = parts[i + 1];
    patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    filters << (description.contains('(') ? description.left(description.indexOf('(')).trimmed()
                                          : description) +
                   QStringLiteral(" (") + patterns.split(';').join(' ') + ')';
  }
  return filters;
}

namespace {

std::optional<std::string> Run(QWidget* parent, const rcon::FileDialogRequest& request,
                               QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(mode);
  dialog.setNameFilters(NameFilters(request.filter));
  if (mode == QFileDialog::AcceptSave) {
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    // The open dialog lets a name that does not exist be typed; reading it then fails.
    dialog.setFileMode(QFileDialog::AnyFile);
  }
  if (!request.fileName.empty()) {
    const QFileInfo start(PathToQString(request.fileName));
    if (start.dir().exists()) dialog.setDirectory(start.dir());
    dialog.selectFile(start.fileName());
  }
  while (dialog.exec() == QDialog::Accepted) {
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    if (request.pathMustExist && !QFileInfo(files.first()).dir().exists()) continue;
    return PathFromQString(QDir::toNativeSeparators(files.first()));
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> QtFileDialog::showOpen(const rcon::FileDialogRequest& request) {
  return Run(parent_, request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtFileDialog::showSave(const rcon::FileDialogRequest& request) {
  return Run(parent_, request, QFileDialog::AcceptSave);
}

}  // namespace platform
