#include "ui/frmRcon/ShellPart.h"

#include <QEventLoopLocker>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "core/WindowLayout.h"
#include "platform/gui/TrayIcon.h"
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

ShellPart::ShellPart(frmRcon& window)
    : QObject(&window), window_(window), tray_(window.services().tray) {
  window_.clientArea()->setMinimumSize(rcon::kDesignClientWidth, rcon::kDesignClientHeight);
  window_.resize(rcon::kDesignClientWidth,
                 rcon::kDesignClientHeight + window_.menuBar()->sizeHint().height());
  if (tray_) {
    tray_->setContextMenu(window_.menus().mnuSysTray);
    connect(tray_, &platform::TrayIcon::lost, this, &ShellPart::TrayLost);
  }
  connect(window_.menus().mnuSysRestore, &QAction::triggered, this,
          &ShellPart::mnuSysRestore_Click);
  connect(window_.menus().mnuSysExit, &QAction::triggered, this, &ShellPart::mnuSysExit_Click);
}

ShellPart::~ShellPart() {
  // The menu goes with the window; the icon service outlives both.
  if (!tray_) return;
  tray_->hide();
  tray_->setContextMenu(nullptr);
}

void ShellPart::Form_Resize() {
  if (window_.isMinimized()) {
    HideToTray();  // no control moves while minimised
    return;
  }
  RemoveTrayIcon();
  EnforceMinimumSize();
  applyLayout();
}

void ShellPart::Form_Unload() {
  RemoveTrayIcon();
  // Qt ends the program when a visible window closes; a window closed while hidden behind the
  // icon is not one of those, so have it look again whether anything keeps the program running.
  QEventLoopLocker{};
}

// Without a notification area the window stays an ordinary minimised one: hiding it with no
// icon to bring it back would lose it.
void ShellPart::HideToTray() {
  if (!tray_ || !tray_->isAvailable()) return;
  // Hide once the state change is complete: showMinimized() shows the window again after it.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!window_.isMinimized() || !tray_->isAvailable()) return;
        window_.hide();
        tray_->show(window_.windowIcon(), window_.windowTitle());
      },
      Qt::QueuedConnection);
}

void ShellPart::RemoveTrayIcon() {
  if (tray_) tray_->hide();
}

// The window asks for a client area of at least the design size; should the window system
// still hand it a smaller one while in the normal state, ask for the design size once more.
void ShellPart::EnforceMinimumSize() {
  if (!window_.isVisible() ||
      (window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
    return;
  const QSize client = window_.clientArea()->size();
  const rcon::MinimumSizeStep step = rcon::checkMinimumSize(client.width(), client.height());
  if (!step.raiseWidth && !step.raiseHeight) return;
  QSize outer = window_.size();
  if (step.raiseWidth) outer.rwidth() += rcon::kDesignClientWidth - client.width();
  if (step.raiseHeight) outer.rheight() += rcon::kDesignClientHeight - client.height();
  window_.resize(outer);
}

void ShellPart::applyLayout() {
  const QSize client = window_.clientArea()->size();
  const rcon::MainLayout l = rcon::layoutMainWindow(client.width(), client.height());
  const MainControls& c = window_.controls();
  ConnectionFields& f = window_.fields();
  Place(c.txtReceive, l.console);
  Place(c.shpReceive, l.consoleFrame);
  PlaceLabel(c.lblSend, l.commandLabel);
  Place(c.txtSend, l.commandLine);
  Place(c.shpSend, l.commandFrame);
  PlaceLabel(c.lblIP, l.addressLabel);
  for (std::size_t i = 0; i < 4; ++i) Place(f.txtIP[i], l.octets[i]);
  Place(c.shpIP, l.addressFrame);
  for (std::size_t i = 0; i < 3; ++i) Place(c.lblDot[i], l.dots[i]);
  PlaceLabel(c.lblPort, l.portLabel);
  Place(f.txtPort, l.port);
  Place(c.shpPort, l.portFrame);
  PlaceLabel(c.lblPass, l.passwordLabel);
  Place(f.txtPass, l.password);
  Place(c.shpPass, l.passwordFrame);
  PlaceLabel(c.lblTitle, l.title);
  PlaceLabel(c.lblHowTo, l.howTo);
}

// A window maximised before it was minimised comes back in the normal state, at its last normal
// size: a hidden window's window manager may no longer remember it. Leaving the minimised state
// runs the resize handling, which removes the icon and lays the controls out.
void ShellPart::mnuSysRestore_Click() {
  const QRect normal = window_.normalGeometry();
  window_.setWindowState(window_.windowState() &
                         ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
  if (normal.isValid()) window_.setGeometry(normal);
  window_.show();
  window_.raise();
  window_.activateWindow();
}

// The same road as File > Exit, save-first prompt included; a cancel leaves the icon in place.
void ShellPart::mnuSysExit_Click() { window_.requestClose(); }

// The notification area went away with the window hidden behind it: with no icon left to bring
// it back, the window comes back by itself, as Restore would bring it.
void ShellPart::TrayLost() {
  tray_->hide();
  if (window_.isHidden()) mnuSysRestore_Click();
}

}  // namespace ui
