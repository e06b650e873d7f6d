#include "ui/frmReadme/frmReadme.h"

#include <QDir>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/TextFile.h"
#include "platform/base/TextCodec.h"
#include "rcon/Version.h"
#include "ui/common/Look.h"

namespace ui {
namespace {

// Design units are twips, 15 to the pixel.
QRect Twips(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

}  // namespace

frmReadme::frmReadme(const Services& services)
    // A tool window: a title and a close box only, and no entry in the task bar.
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmReadme"));
  setWindowTitle(QStringLiteral("Readme"));
  setWindowIcon(QIcon(QStringLiteral(":/vortane-rcon.png")));
  ApplyWindowLook(this);
  setFixedSize(Twips(0, 0, 9030, 4125).size());

  shpReadme_ = new Shape(this);
  shpReadme_->setObjectName(QStringLiteral("shpReadme"));
  shpReadme_->setGeometry(Twips(105, 105, 8805, 3405));

  txtReadme_ = new QPlainTextEdit(this);
  txtReadme_->setObjectName(QStringLiteral("txtReadme"));
  txtReadme_->setGeometry(Twips(120, 120, 8775, 3375));
  ApplyBoxLook(txtReadme_);
  txtReadme_->setFrameShape(QFrame::NoFrame);
  txtReadme_->setReadOnly(true);
  // Locked, not dead: the reader can still move about, select and copy.
  txtReadme_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  txtReadme_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtReadme_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtReadme_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtReadme_->setUndoRedoEnabled(false);

  cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setGeometry(Twips(7800, 3600, 1095, 375));
  cmdOK_->setAutoDefault(true);  // Enter presses it while it has the focus
  setTabOrder(cmdOK_, txtReadme_);
  cmdOK_->setFocus();
  connect(cmdOK_, &QPushButton::clicked, this, &QWidget::close);

  Form_Load(services);
}

void frmReadme::Form_Load(const Services& services) {
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
  txtReadme_->textCursor().insertText(text);
  // The reader starts at the top of the file.
  txtReadme_->moveCursor(QTextCursor::Start);
}

void frmReadme::keyPressEvent(QKeyEvent* event) {
  // Esc does not close the read-me: only OK and the close box do.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace ui
