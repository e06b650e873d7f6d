// The printed console, written to PDF and read back as text.
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "platform/gui/QtPrinter.h"

namespace {

const QString kBanner = QStringLiteral("Vortane - Remote Console Utility - by Quorlen");

class PrintTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QSKIP("pdftotext (poppler-utils) is not installed");
  }

  void bannerEmptyLineThenTheText() {
    const QStringList pages = Print("first line\r\n  second\nthird");
    QCOMPARE(pages.size(), 1);
    const QStringList lines = pages[0].split('\n');
    QVERIFY(lines.size() >= 4);
    // Indented by about ten cells of the banner's font.
    const qsizetype indent = lines[0].indexOf(kBanner);
    QVERIFY2(indent >= 8 && indent <= 16, qPrintable(lines[0]));
    QVERIFY(lines[1].trimmed().isEmpty());
    const QStringList text = NonEmpty(lines.mid(1));
    QCOMPARE(text.value(0), QStringLiteral("first line"));
    QCOMPARE(text.value(1), QStringLiteral("  second"));
    QCOMPARE(text.value(2), QStringLiteral("third"));
  }

  void longConsoleGoesOnWithoutTheBanner() {
    std::string console;
    for (int i = 1; i <= 300; ++i) console += "line " + std::to_string(i) + "\r\n";
    const std::string wide(500, 'w');
    console += "x" + wide + "y\r\n";
    const QStringList pages = Print(console);
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    QVERIFY(pages[0].contains(kBanner));
    QStringList all;
    for (qsizetype p = 0; p < pages.size(); ++p) {
      if (p > 0) QVERIFY2(!pages[p].contains(QStringLiteral("Vortane")), qPrintable(pages[p]));
      all += NonEmpty(pages[p].split('\n'));
    }
    all.removeFirst();  // the banner
    for (int i = 1; i <= 300; ++i) QCOMPARE(all.value(i - 1), QStringLiteral("line %1").arg(i));
    // The wide line is broken at the printable width, nothing lost.
    const QString rest = all.mid(300).join(QString());
    QCOMPARE(rest, QStringLiteral("x%1y").arg(QString(500, 'w')));
    QVERIFY(all.size() > 301);
  }

  void emptyConsolePrintsTheBanner() {
    const QStringList pages = Print("");
    QCOMPARE(pages.size(), 1);
    QCOMPARE(NonEmpty(pages[0].split('\n')), QStringList{kBanner});
  }

  void failuresAreReported() {
    QTemporaryDir dir;
    platform::QtPrinter printer;
    // A PDF file that cannot be created: its folder is a regular file.
    QFile plain(dir.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    printer.setPdfOutput(dir.filePath(QStringLiteral("plain/out.pdf")));
    platform::PrintResult result = printer.print("text");
    QVERIFY(!result.ok);
    QVERIFY(!result.error.empty());
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed here");
    printer.setPdfOutput({});
    result = printer.print("text");
    QVERIFY(!result.ok);
    QVERIFY2(result.error.find("no printer") != std::string::npos, result.error.c_str());
  }

 private:
  // The pages of the printed console as pdftotext lays them out.
  QStringList Print(const std::string& console) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("console.pdf"));
    platform::QtPrinter printer;
    printer.setPdfOutput(pdf);
    const platform::PrintResult result = printer.print(console);
    if (!result.ok) qWarning("%s", result.error.c_str());
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(30000)) return {};
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split('\f');
    if (pages.size() > 1 && pages.last().trimmed().isEmpty()) pages.removeLast();
    if (pages.size() != result.pages) qWarning("printer counted %d pages", result.pages);
    return pages;
  }

  // The printed lines, blank ones and trailing blanks dropped.
  static QStringList NonEmpty(const QStringList& lines) {
    QStringList kept;
    for (const QString& line : lines) {
      if (!line.trimmed().isEmpty())
        kept += line.left(line.lastIndexOf(QRegularExpression(QStringLiteral("\\S"))) + 1);
    }
    return kept;
  }
};

}  // namespace

QTEST_MAIN(PrintTest)
#include "print_test.moc"
