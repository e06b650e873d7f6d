// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmAbout/frmAbout.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "core/SysInfo.h"
#include "rcon/Version.h"
#include "ui/common/Geometry.h"
#include "ui/common/Look.h"
#include "ui/common/WindowSetup.h"

namespace ui {
namespace {

const QString kDescription = QStringLiteral(
    "The Vortane - Remote Console Utility was created in order to allow ease of access to your "
    "server options.  This utility was made in no way to modify the way Vortane runs.  Vortane "
    "and all related titles are the property of their respective companies.  "
    "-\u2060-\u2060Quorlen");  // word joiners keep the signature on one line

const QString kDisclaimer = QStringLiteral(
    "Warning: this program bites anyone who takes it apart or tinkers with its insides.");

const QString kReport = QStringLiteral("Please report problems on the project's issue tracker.");

}  // namespace

AboutBox::AboutBox(const Services& services)
    : QDialog(nullptr, kToolWindowFlags), services_(services) {
  setUpWindow(this, "frmAbout", QStringLiteral("About Vortane Rcon Utility"));
  applyWindowLook(this);
  setFont(QApplication::font(this));  // the About box keeps the desktop's own font
  setFixedSize(twips(0, 0, 5730, 3555).size());

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("picIcon"));
  picture->setGeometry(twips(240, 240, 480, 480));
  picture->setPixmap(programIcon().pixmap(picture->size()));

  label("lblTitle", QStringLiteral("Vortane - Remote Console Utility"),
        twips(1050, 240, 3885, 480));
  const QString version =
      QString::fromLatin1(rcon::kVersion.data(), static_cast<qsizetype>(rcon::kVersion.size()));
  label("lblVersion",
        QStringLiteral("Version %1. Free software under the GNU General Public License, "
                       "version 3 or later.")
            .arg(version),
        twips(1050, 780, 3885, 225));
  label("lblDescription", kDescription, twips(1050, 1125, 3885, 1170));
  label("lblDisclaimer", kDisclaimer, twips(255, 2625, 3870, 465));
  label("Label1", kReport, twips(240, 3120, 3855, 255));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setGeometry(twips(4245, 2625, 1260, 345));
  ok->setDefault(true);  // Enter presses it; Esc closes the box the same way
  auto* systemInformation = new QPushButton(QStringLiteral("&System Info..."), this);
  systemInformation->setObjectName(QStringLiteral("cmdSysInfo"));
  systemInformation->setGeometry(twips(4260, 3075, 1245, 345));
  setTabOrder(ok, systemInformation);
  ok->setFocus();

  fitLabels();

  connect(ok, &QPushButton::clicked, this, &QWidget::close);
  connect(systemInformation, &QPushButton::clicked, this, &AboutBox::startSystemInformation);
}

QLabel* AboutBox::label(const char* name, const QString& caption, const QRect& place) {
  auto* l = new QLabel(caption, this);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(place);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setWordWrap(true);
  return l;
}

void AboutBox::fitLabels() {
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

void AboutBox::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  // The two separator lines: brown, and the wider orange one just below it.
  QPainter painter(this);
  painter.setPen(QPen(kFrameColour, 1));
  const int right = rcon::pixelsFromTwips(5654);
  painter.drawLine(QPoint(rcon::pixelsFromTwips(90), lineY_), QPoint(right, lineY_));
  painter.fillRect(QRect(QPoint(rcon::pixelsFromTwips(105), lineY_ + 1), QPoint(right, lineY_ + 2)),
                   kTextColour);
}

void AboutBox::startSystemInformation() {
  rcon::startSysInfo(
      {*services_.registry, *services_.fileProbe, *services_.processes, *services_.messageBox},
      QDir::separator().toLatin1());
  // A message box over the main window brings that window up too: come back on top.
  raise();
  activateWindow();
}

}  // namespace ui
