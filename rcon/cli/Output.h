// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where vortane-rcon's text goes. Server text is shown as UTF-8 with no control characters that
// could steer a terminal, colour codes as colours or left out; --raw gives the bytes exactly as
// received. A failed write is remembered, so that the run can end with status 4.
#include <QByteArrayView>
#include <string>
#include <string_view>

namespace cli {

enum class ColourChoice { Auto, Always, Never };

// auto: standard output is a terminal, NO_COLOR is unset or empty, and TERM is not "dumb".
bool colourWanted(ColourChoice choice);

class Output final {
 public:
  Output(bool raw, bool colour) : raw_(raw), colour_(colour) {}

  // Server text; outside --raw an unfinished last line is ended.
  void text(std::string_view bytes);
  // Text in its final form (JSON, headers), written as it is.
  void plain(std::string_view utf8);

  bool raw() const { return raw_; }
  // The first write error, empty while every write succeeded.
  const std::string& error() const { return error_; }

 private:
  void write(std::string_view bytes);

  bool raw_;
  bool colour_;
  std::string error_;
};

// Server text as UTF-8 for JSON: colour codes kept, every byte converted.
std::string utf8(std::string_view bytes);
// The same with the colour codes left out.
std::string plainUtf8(std::string_view bytes);

// "vortane-rcon: message" on standard error.
void note(std::string_view message);

// Text from the command line, the environment, a file or standard input, as the 8-bit bytes
// the server speaks: valid UTF-8 is converted, anything else is taken as 8-bit already.
std::string scriptBytes(QByteArrayView text);

}  // namespace cli
