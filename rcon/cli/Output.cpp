// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Output.h"

#include <unistd.h>

#include <QString>
#include <QStringDecoder>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/CliText.h"
#include "platform/base/TextCodec.h"

namespace cli {
namespace {

// The game's colour digits in the terminal's colour numbers; 7 is the terminal's own
// foreground, which is what the game's white means on a dark or a light terminal.
constexpr int kAnsiColours[8] = {30, 31, 32, 33, 34, 36, 35, 39};

// Control characters that a terminal would act on become a visible replacement.
void defang(QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text.at(i).unicode();
    const bool lineEnd = c == '\n' || (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n');
    if (c == '\t' || lineEnd) continue;
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) text[i] = QChar(0xFFFD);
  }
}

std::string shown(std::string_view bytes, bool colour) {
  QByteArray out;
  out.reserve(static_cast<qsizetype>(bytes.size()) + static_cast<qsizetype>(bytes.size() / 4));
  int current = rcon::kDefaultColour;
  for (const rcon::ColourSpan& span : rcon::colourSpans(bytes)) {
    if (colour && span.colour != current) {
      current = span.colour;
      out += current == rcon::kDefaultColour
                 ? QByteArray("\x1b[0m")
                 : "\x1b[" + QByteArray::number(kAnsiColours[current]) + 'm';
    }
    QString text = platform::ToQString(span.text);
    defang(text);
    out += text.toUtf8();
  }
  if (current != rcon::kDefaultColour) out += "\x1b[0m";
  return out.toStdString();
}

}  // namespace

bool colourWanted(ColourChoice choice) {
  if (choice != ColourChoice::Auto) return choice == ColourChoice::Always;
  return isatty(STDOUT_FILENO) == 1 && qEnvironmentVariableIsEmpty("NO_COLOR") &&
         qgetenv("TERM") != "dumb";
}

void Output::text(std::string_view bytes) {
  if (raw_) {
    write(bytes);
    return;
  }
  std::string out = shown(bytes, colour_);
  if (!out.empty() && !out.ends_with('\n')) out += '\n';
  write(out);
}

void Output::plain(std::string_view utf8) { write(utf8); }

void Output::write(std::string_view bytes) {
  if (!error_.empty()) return;
  errno = 0;
  const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  if (written != bytes.size() || std::fflush(stdout) != 0) {
    error_ = errno != 0 ? std::strerror(errno) : "write error";
  }
}

std::string utf8(std::string_view bytes) { return platform::ToQString(bytes).toStdString(); }

std::string plainUtf8(std::string_view bytes) {
  std::string plain;
  for (const rcon::ColourSpan& span : rcon::colourSpans(bytes)) plain += span.text;
  return utf8(plain);
}

void note(std::string_view message) {
  std::string line = "vortane-rcon: ";
  line.append(message);
  line.push_back('\n');
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

std::string scriptBytes(QByteArrayView text) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = utf8.decode(text);
  if (utf8.hasError()) return std::string(text.data(), static_cast<std::size_t>(text.size()));
  return platform::FromQString(decoded);
}

}  // namespace cli
