// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl+A is Save As in this program, not select-all: in a window with that menu item, every
// text box lets the window's shortcut have the keys.
class QWidget;

namespace ui {

// Installs the override on every text box the window holds now (call it after creating them).
void reserveCtrlAForSaveAs(QWidget* window);

}  // namespace ui
