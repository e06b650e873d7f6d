// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place where the program's 8-bit text meets Qt's Unicode strings. Bytes map to
// characters through Windows-1252, its five undefined bytes to the C1 controls of the same
// value, so every byte round-trips; a character with no byte becomes "?".
// Paths are different: they are the file system's own bytes, converted with the local encoding.
#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString ToQString(std::string_view bytes);
std::string FromQString(const QString& text);

QString PathToQString(std::string_view path);
std::string PathFromQString(const QString& path);

// The program's messages may quote a path among their 8-bit text. A message that decodes
// cleanly in the file system's encoding is shown that way (ASCII reads the same either way),
// so a path such as /home/josé reads right; any other message goes through the 8-bit map.
QString MessageToQString(std::string_view message);

}  // namespace platform
