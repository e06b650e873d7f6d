// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmReadme/frmReadme.h"

#include <QDir>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/TextFile.h"
#include "platform/base/TextCodec.h"
#include "rcon/Version.h"
#include "ui/common/Geometry.h"
#include "ui/common/Look.h"
#include "ui/common/WindowSetup.h"

namespace ui {

ReadmeWindow::ReadmeWindow(const Services& services) : QDialog(nullptr, kToolWindowFlags) {
  setUpWindow(this, "frmReadme", QStringLiteral("Readme"));
  applyWindowLook(this);
  setFixedSize(twips(0, 0, 9030, 4125).size());

  auto* frame = new Shape(this);
  frame->setObjectName(QStringLiteral("shpReadme"));
  frame->setGeometry(twips(105, 105, 8805, 3405));

  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("txtReadme"));
  text_->setGeometry(twips(120, 120, 8775, 3375));
  applyBoxLook(text_);
  text_->setFrameShape(QFrame::NoFrame);
  text_->setReadOnly(true);
  // Locked, not dead: the reader can still move about, select and copy.
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setUndoRedoEnabled(false);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setGeometry(twips(7800, 3600, 1095, 375));
  ok->setAutoDefault(true);  // Enter presses it while it has the focus
  setTabOrder(ok, text_);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QWidget::close);

  loadReadme(services);
}

void ReadmeWindow::loadReadme(const Services& services) {
  const QString file = QDir::toNativeSeparators(services.programDir + QDir::separator() +
                                                QStringLiteral("Readme.txt"));
  rcon::ReadResult readme =
      services.files->read(platform::PathFromQString(file), rcon::kMaxOpenBytes);
  if (!readme.ok()) {
    // Installed, the program is in bin/ and the read-me in share/doc/vortane-rcon/.
    const QString docDir = QString::fromLatin1(
        rcon::kDocDirFromBinDir.data(), static_cast<qsizetype>(rcon::kDocDirFromBinDir.size()));
    const QString installed = QDir::toNativeSeparators(QDir::cleanPath(
        services.programDir + QLatin1Char('/') + docDir + QStringLiteral("/Readme.txt")));
    readme = services.files->read(platform::PathFromQString(installed), rcon::kMaxOpenBytes);
  }
  const QString text = readme.ok() ? platform::ToQString(readme.bytes) : QString(kUnreadable);
  text_->textCursor().insertText(text);
  // The reader starts at the top of the file.
  text_->moveCursor(QTextCursor::Start);
}

void ReadmeWindow::keyPressEvent(QKeyEvent* event) {
  // Esc does not close the read-me: only OK and the close box do.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace ui
