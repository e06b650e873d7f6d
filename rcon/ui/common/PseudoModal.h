// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Secondary windows are shown modeless while the main window is disabled; however the
// secondary window closes, the main window is enabled again and takes the focus.
#include <QWidget>

namespace ui {

void showPseudoModal(QWidget* secondary, QWidget* mainWindow);

}  // namespace ui
