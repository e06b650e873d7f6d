// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window of the program shares: its object name, caption and icon, and for the
// secondary windows the tool-window frame.
#include <QIcon>
#include <QString>
#include <Qt>

class QWidget;

namespace ui {

// A title and a close box only, and no entry in the task bar. Secondary windows have no owner,
// so that disabling the main window leaves them usable.
inline constexpr Qt::WindowFlags kToolWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// The program's icon, from its resources (registered on first use: a static library does not
// register them itself).
QIcon programIcon();

// Names a window by its design name and gives it its caption and the program's icon.
void setUpWindow(QWidget* window, const char* objectName, const QString& title);

}  // namespace ui
