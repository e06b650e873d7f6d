#include "ui/frmAbout/frmAbout.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "core/SysInfo.h"
#include "rcon/Version.h"
#include "ui/common/Look.h"

namespace ui {
namespace {

// Design units are twips, 15 to the pixel.
QRect Twips(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

const QString kDescription = QStringLiteral(
    "The Vortane - Remote Console Utility was created in order to allow ease of access to your "
    "server options.  This utility was made in no way to modify the way Vortane runs.  Vortane "
    "and all related titles are the property of their respective companies.  "
    "-\u2060-\u2060Quorlen");  // word joiners keep the signature on one line

const QString kDisclaimer = QStringLiteral(
    "Warning: this program bites anyone who takes it apart or tinkers with its insides.");

const QString kReport = QStringLiteral("Please report problems on the project's issue tracker.");

}  // namespace

frmAbout::frmAbout(const Services& services)
    // A tool window: a title and a close box only, and no entry in the task bar.
    : QDialog(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      services_(services) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About Vortane Rcon Utility"));
  const QIcon icon(QStringLiteral(":/vortane-rcon.png"));
  setWindowIcon(icon);
  ApplyWindowLook(this);
  setFont(QApplication::font(this));  // the About box keeps the desktop's own font
  setFixedSize(Twips(0, 0, 5730, 3555).size());

  picIcon_ = new QLabel(this);
  picIcon_->setObjectName(QStringLiteral("picIcon"));
  picIcon_->setGeometry(Twips(240, 240, 480, 480));
  picIcon_->setPixmap(icon.pixmap(picIcon_->size()));

  label("lblTitle", QStringLiteral("Vortane - Remote Console Utility"),
        Twips(1050, 240, 3885, 480));
  const QString version =
      QString::fromLatin1(rcon::kVersion.data(), static_cast<qsizetype>(rcon::kVersion.size()));
  label("lblVersion",
        QStringLiteral("Version %1. Free software under the GNU General Public License, "
                       "version 3 or later.")
            .arg(version),
        Twips(1050, 780, 3885, 225));
  label("lblDescription", kDescription, Twips(1050, 1125, 3885, 1170));
  label("lblDisclaimer", kDisclaimer, Twips(255, 2625, 3870, 465));
  label("Label1", kReport, Twips(240, 3120, 3855, 255));

  cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setGeometry(Twips(4245, 2625, 1260, 345));
  cmdOK_->setDefault(true);  // Enter presses it; Esc closes the box the same way
  cmdSysInfo_ = new QPushButton(QStringLiteral("&System Info..."), this);
  cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
  cmdSysInfo_->setGeometry(Twips(4260, 3075, 1245, 345));
  setTabOrder(cmdOK_, cmdSysInfo_);
  cmdOK_->setFocus();

  fitLabels();

  connect(cmdOK_, &QPushButton::clicked, this, &QWidget::close);
  connect(cmdSysInfo_, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

QLabel* frmAbout::label(const char* name, const QString& caption, const QRect& place) {
  auto* l = new QLabel(caption, this);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(place);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setWordWrap(true);
  return l;
}

void frmAbout::fitLabels() {
  // The design's sizes suit a small dialog font; the desktop's may need more lines. A label
  // that needs them grows, and everything below it moves down, so that no text is cut off.
  QList<QLabel*> labels = findChildren<QLabel*>();
  std::sort(labels.begin(), labels.end(),
            [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
  for (QLabel* grown : labels) {
    const int extra = grown->heightForWidth(grown->width()) - grown->height();
    if (extra <= 0) continue;
    const int below = grown->geometry().bottom();
    grown->resize(grown->width(), grown->height() + extra);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->y() > below) child->move(child->x(), child->y() + extra);
    }
    if (lineY_ > below) lineY_ += extra;
    setFixedSize(width(), height() + extra);
  }
}

void frmAbout::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  // The two separator lines: brown, and the wider orange one just below it.
  QPainter painter(this);
  painter.setPen(QPen(kFrameColour, 1));
  painter.drawLine(QPoint(90 / 15, lineY_), QPoint(5654 / 15, lineY_));
  painter.fillRect(QRect(QPoint(105 / 15, lineY_ + 1), QPoint(5654 / 15, lineY_ + 2)), kTextColour);
}

void frmAbout::cmdSysInfo_Click() {
  rcon::StartSysInfo(
      {*services_.registry, *services_.fileProbe, *services_.processes, *services_.messageBox},
      QDir::separator().toLatin1());
  // A message box over the main window brings that window up too: come back on top.
  raise();
  activateWindow();
}

}  // namespace ui
