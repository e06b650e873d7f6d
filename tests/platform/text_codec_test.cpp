// SPDX-License-Identifier: GPL-3.0-or-later
// The one conversion between the program's 8-bit text and Qt's strings.
#include <QTest>
#include <string>

#include "platform/base/TextCodec.h"

namespace {

class TextCodecTest : public QObject {
  Q_OBJECT
 private slots:
  void everyByteRoundTrips() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    const QString text = platform::ToQString(bytes);
    QCOMPARE(text.size(), 256);  // one character per byte
    QCOMPARE(platform::FromQString(text), bytes);
    // Outside 0x80 to 0x9F a byte is the character of the same number.
    for (int b = 0; b < 256; ++b)
      if (b < 0x80 || b >= 0xA0) QCOMPARE(int(text.at(b).unicode()), b);
  }

  void theCodePagesOwnCharactersFor0x80To0x9F() {
    // Windows-1252; its five holes (0x81, 0x8D, 0x8F, 0x90, 0x9D) stay the C1 controls.
    const char16_t expected[32] = {
        u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
        u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
        u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
        u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};
    for (int i = 0; i < 32; ++i) {
      const std::string byte(1, static_cast<char>(0x80 + i));
      QCOMPARE(platform::ToQString(byte), QString(QChar(expected[i])));
      QCOMPARE(platform::FromQString(QString(QChar(expected[i]))), byte);
    }
  }

  void charactersOutsideTheCodePageBecomeAQuestionMark() {
    // A letter beyond Latin-1, a CJK character, a character outside the BMP (one "?" for its
    // two UTF-16 units), a lone surrogate, and the euro sign among them keeping its byte.
    const QString text = QStringLiteral("a") + QChar(0x0100) + QChar(0x4E2D) +
                         QString::fromUtf8("\xF0\x9F\x98\x80") + QChar(0xD800) + QChar(0x20AC) +
                         QStringLiteral("b");
    QCOMPARE(platform::FromQString(text), std::string("a????\x80"
                                                      "b"));
  }
};

}  // namespace

QTEST_MAIN(TextCodecTest)
#include "text_codec_test.moc"
