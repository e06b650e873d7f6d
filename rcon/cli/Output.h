#pragma once
// Where vortane-rcon's text goes. A terminal gets UTF-8, colour codes as colours and no control
// characters that could steer it; other output, or --raw, gets the bytes exactly as received.
#include <QByteArray>
#include <QByteArrayView>
#include <string>
#include <string_view>

namespace cli {

class Output final {
 public:
  explicit Output(bool raw);

  bool terminal() const { return terminal_; }

  // Server text; on a terminal an unfinished last line is ended.
  void text(std::string_view bytes);
  // Bytes that are already in their final form (JSON).
  void bytes(QByteArrayView bytes);

 private:
  bool terminal_;
};

// "vortane-rcon: message" on standard error.
void Note(std::string_view message);

// Text from the command line, the environment, a file or standard input, as the 8-bit bytes
// the server speaks: valid UTF-8 is converted, anything else is taken as 8-bit already.
std::string ScriptBytes(QByteArrayView text);

}  // namespace cli
