// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing the console: one synchronous job, no dialog.
#include <QString>
#include <string>
#include <string_view>

namespace platform {

struct PrintResult {
  bool ok = false;
  std::string error;  // 8-bit text for the user when not ok
  int pages = 0;
};

class Printer {
 public:
  virtual ~Printer() = default;
  // Prints the console's bytes under the banner, on the default printer or into the PDF file.
  virtual PrintResult print(std::string_view consoleText) = 0;
  // A file name sends later jobs into that PDF file instead; empty: the default printer again.
  virtual void setPdfOutput(const QString& file) = 0;
};

}  // namespace platform
