// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/ShellPart.h"

#include <QEventLoopLocker>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include <QMainWindow>
#include "core/WindowLayout.h"
#include "platform/gui/TrayIcon.h"
#include "ui/common/Geometry.h"
#include "ui/common/Look.h"
#include "ui/frmRcon/ConnectionFields.h"
#include "ui/frmRcon/ConsoleView.h"

namespace ui {

ShellPart::ShellPart(QMainWindow& window, const MainControls& controls, platform::TrayIcon* tray,
                     const TrayActions& actions)
    : QObject(&window), window_(window), controls_(controls), tray_(tray) {
  window_.centralWidget()->setMinimumSize(rcon::kDesignClientWidth, rcon::kDesignClientHeight);
  window_.resize(rcon::kDesignClientWidth,
                 rcon::kDesignClientHeight + window_.menuBar()->sizeHint().height());
  if (tray_) {
    tray_->setContextMenu(actions.menu);
    connect(tray_, &platform::TrayIcon::lost, this, &ShellPart::trayLost);
  }
  connect(actions.restore, &QAction::triggered, this, &ShellPart::restore);
  // The same road as File > Exit, save-first prompt included; a cancel leaves the icon in place.
  connect(actions.exit, &QAction::triggered, &window_, &QWidget::close);
}

ShellPart::~ShellPart() {
  // The menu goes with the window; the icon service outlives both.
  if (!tray_) return;
  tray_->hide();
  tray_->setContextMenu(nullptr);
}

void ShellPart::windowResized() {
  if (window_.isMinimized()) {
    hideToTray();  // no control moves while minimised
    return;
  }
  removeTrayIcon();
  enforceMinimumSize();
  applyLayout();
}

void ShellPart::windowClosing() {
  removeTrayIcon();
  // Qt ends the program when a visible window closes; a window closed while hidden behind the
  // icon is not one of those, so have it look again whether anything keeps the program running.
  QEventLoopLocker{};
}

// Without a notification area the window stays an ordinary minimised one: hiding it with no
// icon to bring it back would lose it.
void ShellPart::hideToTray() {
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

void ShellPart::removeTrayIcon() {
  if (tray_) tray_->hide();
}

// The window asks for a client area of at least the design size; should the window system
// still hand it a smaller one while in the normal state, ask for the design size once more.
void ShellPart::enforceMinimumSize() {
  if (!window_.isVisible() ||
      (window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
    return;
  const QSize client = window_.centralWidget()->size();
  const rcon::MinimumSizeStep step = rcon::checkMinimumSize(client.width(), client.height());
  if (!step.raiseWidth && !step.raiseHeight) return;
  QSize outer = window_.size();
  if (step.raiseWidth) outer.rwidth() += rcon::kDesignClientWidth - client.width();
  if (step.raiseHeight) outer.rheight() += rcon::kDesignClientHeight - client.height();
  window_.resize(outer);
}

void ShellPart::applyLayout() {
  const QSize client = window_.centralWidget()->size();
  const rcon::MainLayout l = rcon::layoutMainWindow(client.width(), client.height());
  const MainControls& c = controls_;
  const ConnectionFields& f = *c.fields;
  place(c.console, l.console);
  place(c.consoleFrame, l.consoleFrame);
  placeLabel(c.commandLabel, l.commandLabel);
  place(c.commandLine, l.commandLine);
  place(c.commandFrame, l.commandFrame);
  placeLabel(c.addressLabel, l.addressLabel);
  for (std::size_t i = 0; i < 4; ++i) place(f.octets[i], l.octets[i]);
  place(c.addressFrame, l.addressFrame);
  for (std::size_t i = 0; i < 3; ++i) place(c.dots[i], l.dots[i]);
  placeLabel(c.portLabel, l.portLabel);
  place(f.port, l.port);
  place(c.portFrame, l.portFrame);
  placeLabel(c.passwordLabel, l.passwordLabel);
  place(f.password, l.password);
  place(c.passwordFrame, l.passwordFrame);
  placeLabel(c.titleLabel, l.title);
  placeLabel(c.howToLabel, l.howTo);
}

// A window maximised before it was minimised comes back in the normal state, at its last normal
// size: a hidden window's window manager may no longer remember it. Leaving the minimised state
// runs the resize handling, which removes the icon and lays the controls out.
void ShellPart::restore() {
  const QRect normal = window_.normalGeometry();
  window_.setWindowState(window_.windowState() &
                         ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
  if (normal.isValid()) window_.setGeometry(normal);
  window_.show();
  window_.raise();
  window_.activateWindow();
}

// The notification area went away with the window hidden behind it: with no icon left to bring
// it back, the window comes back by itself, as Restore would bring it.
void ShellPart::trayLost() {
  tray_->hide();
  if (window_.isHidden()) restore();
}

}  // namespace ui
