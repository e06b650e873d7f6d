// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/QtPrinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

#include "core/PrintLayout.h"
#include "platform/base/TextCodec.h"

namespace platform {
namespace {

// The printer's "lucida console" where it exists; otherwise another fixed-pitch font, so that
// the console's tables still line up on paper.
QFont PrintFont(double pointSize) {
  QFont font;
  font.setFamilies({ToQString(rcon::kPrintFontName), QStringLiteral("Lucida Console"),
                    QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(pointSize);
  return font;
}

}  // namespace

PrintResult QtPrinter::print(std::string_view consoleText) {
  QPrinter printer(QPrinter::HighResolution);
  if (pdfFile_.isEmpty()) {
    // Without a print server QPrinter quietly turns into a PDF writer with no file: ask first.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
      return {false,
              "There is no printer to print the console on. Install a printer and try again.", 0};
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
      return {false, "No default printer is chosen. Choose one and try again.", 0};
    }
    printer.setPrinterName(info.printerName());
  } else {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile_);
  }
  printer.setDocName(QStringLiteral("Vortane Rcon console"));

  QPainter painter;
  if (!painter.begin(&printer)) {
    return {false,
            "The printer " + FromQString(printer.printerName()) + " could not start the print job.",
            0};
  }
  const QFont bannerFont = PrintFont(rcon::kBannerPointSize);
  const QFont textFont = PrintFont(rcon::kTextPointSize);
  const QFontMetricsF banner(bannerFont, &printer);
  const QFontMetricsF text(textFont, &printer);
  const double width = printer.width();
  const double height = printer.height();

  painter.setPen(Qt::black);
  painter.setFont(bannerFont);
  const double indent = banner.horizontalAdvance(QString(rcon::kBannerIndentCells, QChar(' ')));
  painter.drawText(QPointF(indent, banner.ascent()), ToQString(rcon::kPrintBanner));
  double y = 2 * banner.lineSpacing();  // the banner and an empty line

  painter.setFont(textFont);
  const auto columns = static_cast<std::size_t>(
      std::max(1.0, std::floor(width / text.horizontalAdvance(QChar('M')))));
  int pages = 1;
  bool failed = false;
  for (const std::string& line : rcon::printLines(consoleText, columns)) {
    if (y + text.lineSpacing() > height && y > 0) {
      if (!printer.newPage()) {
        failed = true;
        break;
      }
      ++pages;
      y = 0;
    }
    if (!line.empty()) painter.drawText(QPointF(0, y + text.ascent()), ToQString(line));
    y += text.lineSpacing();
  }
  if (!painter.end() || failed || printer.printerState() == QPrinter::Error) {
    return {false, "The print job failed.", pages};
  }
  return {true, {}, pages};
}

}  // namespace platform
