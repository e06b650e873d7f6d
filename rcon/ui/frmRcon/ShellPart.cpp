#include "ui/frmRcon/ShellPart.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "core/WindowLayout.h"
#include "ui/common/Look.h"
#include "ui/frmRcon/ConnectionFields.h"
#include "ui/frmRcon/ConsoleView.h"
#include "ui/frmRcon/frmRcon.h"

namespace ui {
namespace {

void Place(QWidget* widget, const rcon::Rect& r) {
  widget->setGeometry(r.left, r.top, r.width, r.height);
}

// Labels are never clipped below their font's height (the design gives some less than a line).
void PlaceLabel(QLabel* label, const rcon::Rect& r) {
  const int needed =
      label->wordWrap() ? label->heightForWidth(r.width) : label->fontMetrics().height();
  Place(label, {r.left, r.top, r.width, std::max(r.height, needed)});
}

}  // namespace

ShellPart::ShellPart(frmRcon& window) : QObject(&window), window_(window) {
  window_.clientArea()->setMinimumSize(rcon::kDesignClientWidth, rcon::kDesignClientHeight);
  window_.resize(rcon::kDesignClientWidth,
                 rcon::kDesignClientHeight + window_.menuBar()->sizeHint().height());
}

void ShellPart::Form_Resize() {
  if (window_.isMinimized()) return;
  applyLayout();
}

void ShellPart::Form_Unload() {}

void ShellPart::applyLayout() {
  const QSize client = window_.clientArea()->size();
  const rcon::MainLayout l = rcon::LayoutMainWindow(client.width(), client.height());
  const MainControls& c = window_.controls();
  ConnectionFields& f = window_.fields();
  Place(c.txtReceive, l.txtReceive);
  Place(c.shpReceive, l.shpReceive);
  PlaceLabel(c.lblSend, l.lblSend);
  Place(c.txtSend, l.txtSend);
  Place(c.shpSend, l.shpSend);
  PlaceLabel(c.lblIP, l.lblIP);
  for (std::size_t i = 0; i < 4; ++i) Place(f.txtIP[i], l.txtIP[i]);
  Place(c.shpIP, l.shpIP);
  for (std::size_t i = 0; i < 3; ++i) Place(c.lblDot[i], l.lblDot[i]);
  PlaceLabel(c.lblPort, l.lblPort);
  Place(f.txtPort, l.txtPort);
  Place(c.shpPort, l.shpPort);
  PlaceLabel(c.lblPass, l.lblPass);
  Place(f.txtPass, l.txtPass);
  Place(c.shpPass, l.shpPass);
  PlaceLabel(c.lblTitle, l.lblTitle);
  PlaceLabel(c.lblHowTo, l.lblHowTo);
}

}  // namespace ui
