// SPDX-License-Identifier: GPL-3.0-or-later
// The printed console, written to PDF and read back as text.
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "platform/gui/QtPrinter.h"

namespace {

// The pages of the printed console as pdftotext lays them out, trailing blanks dropped.
QStringList Print(const std::string& console) {
  QTemporaryDir dir;
  platform::QtPrinter printer;
  printer.setPdfOutput(dir.filePath("console.pdf"));
  printer.print(console);  // a failed print leaves no PDF, and no pages
  QProcess tool;
  tool.start("pdftotext", {"-layout", dir.filePath("console.pdf"), "-"});
  if (!tool.waitForFinished(30000)) return {};
  return QString::fromUtf8(tool.readAllStandardOutput())
      .remove(QRegularExpression(" +$", QRegularExpression::MultilineOption))
      .split('\f', Qt::SkipEmptyParts);
}

class PrintTest : public QObject {
  Q_OBJECT
 private slots:
  // The banner, indented by about ten cells of its font, an empty line and the text; further
  // pages without the banner; a line wider than the page broken, nothing lost.
  void printedConsole() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("needs poppler-utils");
    std::string console = "first line\r\n  second\nthird\r\n";
    for (int i = 1; i <= 300; ++i) console += "line " + std::to_string(i) + "\r\n";
    console += "x" + std::string(500, 'w') + "y\r\n";
    const QStringList pages = Print(console);
    QVERIFY2(pages.size() >= 3, qPrintable(pages.join("\n----\n")));
    QStringList lines = pages[0].split('\n');
    const qsizetype indent = lines[0].indexOf("Vortane - Remote Console Utility - by Quorlen");
    QVERIFY2(indent >= 8 && indent <= 16, qPrintable(lines[0]));
    QCOMPARE(lines.mid(1, 4), (QStringList{"", "first line", "  second", "third"}));
    QVERIFY(!pages.mid(1).join('\n').contains("Vortane"));
    lines = pages.join('\n').split('\n', Qt::SkipEmptyParts);
    for (int i = 1; i <= 300; ++i) QCOMPARE(lines.value(i + 3), QStringLiteral("line %1").arg(i));
    QCOMPARE(lines.mid(304).join(QString()), "x" + QString(500, 'w') + "y");
  }

  void noPrinterIsReported() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed here");
    platform::QtPrinter printer;
    const platform::PrintResult result = printer.print("text");
    QVERIFY2(!result.ok && result.error.find("no printer") != std::string::npos,
             result.error.c_str());
  }
};

}  // namespace

QTEST_MAIN(PrintTest)
#include "print_test.moc"
