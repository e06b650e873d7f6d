#include "cli/Output.h"

#include <unistd.h>

#include <QString>
#include <QStringDecoder>
#include <cstdio>

#include "core/CliText.h"
#include "platform/base/TextCodec.h"

namespace cli {
namespace {

// The game's colour digits in the terminal's colour numbers.
constexpr int kAnsiColours[8] = {30, 31, 32, 33, 34, 36, 35, 37};

// Control characters that a terminal would act on become a visible replacement.
void Defang(QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text.at(i).unicode();
    const bool lineEnd = c == '\n' || (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n');
    if (c == '\t' || lineEnd) continue;
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) text[i] = QChar(0xFFFD);
  }
}

QByteArray ForTerminal(std::string_view bytes) {
  QByteArray out;
  out.reserve(static_cast<qsizetype>(bytes.size()) + static_cast<qsizetype>(bytes.size() / 4));
  int current = rcon::kDefaultColour;
  for (const rcon::ColourSpan& span : rcon::ColourSpans(bytes)) {
    if (span.colour != current) {
      current = span.colour;
      out += current == rcon::kDefaultColour
                 ? QByteArray("\x1b[0m")
                 : "\x1b[" + QByteArray::number(kAnsiColours[current]) + 'm';
    }
    QString text = platform::ToQString(span.text);
    Defang(text);
    out += text.toUtf8();
  }
  if (current != rcon::kDefaultColour) out += "\x1b[0m";
  if (!out.isEmpty() && !out.endsWith('\n')) out += '\n';
  return out;
}

void Write(std::FILE* stream, const char* data, std::size_t size) {
  std::fwrite(data, 1, size, stream);
  std::fflush(stream);
}

}  // namespace

Output::Output(bool raw) : terminal_(!raw && isatty(STDOUT_FILENO) == 1) {}

void Output::text(std::string_view bytes) {
  if (!terminal_) {
    Write(stdout, bytes.data(), bytes.size());
    return;
  }
  const QByteArray shown = ForTerminal(bytes);
  Write(stdout, shown.constData(), static_cast<std::size_t>(shown.size()));
}

void Output::bytes(QByteArrayView bytes) {
  Write(stdout, bytes.data(), static_cast<std::size_t>(bytes.size()));
}

void Note(std::string_view message) {
  std::string line = "vortane-rcon: ";
  line.append(message);
  line.push_back('\n');
  Write(stderr, line.data(), line.size());
}

std::string ScriptBytes(QByteArrayView text) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = utf8.decode(text);
  if (utf8.hasError()) return std::string(text.data(), static_cast<std::size_t>(text.size()));
  return platform::FromQString(decoded);
}

}  // namespace cli
