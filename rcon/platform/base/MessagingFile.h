// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the messaging file lives. Beside the program, as it always has, when that folder can be
// written or the file is already there; an installed copy (the program in /usr/bin) keeps it in
// the user's configuration folder instead: $XDG_CONFIG_HOME/VortaneRcon, else
// ~/.config/VortaneRcon.
#include <QString>

namespace platform {

// The path of the messaging file for a program in `programDir`. The configuration folder is
// created when it is chosen, so that the first save finds it.
QString messagingFilePath(const QString& programDir);

}  // namespace platform
