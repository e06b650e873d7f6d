// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program keeps state that is neither configuration nor a document: command history,
// console lines that left a full console, consoles rescued when the desktop closed the program.
#include <QString>

namespace platform {

// $XDG_STATE_HOME/VortaneRcon, else ~/.local/state/VortaneRcon (not created here).
QString stateDirectory();

// A new file name in the state folder, unique to this process and moment: prefix-stamp-pid-n.txt.
QString newStateFile(const QString& prefix);

}  // namespace platform
