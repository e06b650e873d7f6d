// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The console printed with QPainter on a QPrinter, so that the banner and the pages are ours:
// QTextDocument::print would add page numbers.
#include "platform/gui/Printer.h"

namespace platform {

class QtPrinter final : public Printer {
 public:
  PrintResult print(std::string_view consoleText) override;
  void setPdfOutput(const QString& file) override { pdfFile_ = file; }

 private:
  QString pdfFile_;
};

}  // namespace platform
