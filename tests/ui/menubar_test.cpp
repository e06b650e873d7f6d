// SPDX-License-Identifier: GPL-3.0-or-later
// Both menu bars read clearly whether their window is active, inactive or disabled: the text of
// every item stands out from the bar behind it by at least 4.5 : 1 (WCAG contrast), measured on
// the painted pixels.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <cmath>
#include <map>

#include "fakes/TestWindow.h"

namespace {

double Luminance(QRgb rgb) {
  auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lowest contrast over the bar's visible items: in each item, the background is its most
// common colour and the text the colour farthest from it that covers a few pixels (the full ink
// of the strokes, not their anti-aliased edges).
double WorstItemContrast(QMenuBar* bar, QString& report) {
  const QImage image = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const qreal scale = image.devicePixelRatio();
  double worst = 0;
  bool any = false;
  for (QAction* item : bar->actions()) {
    if (!item->isVisible()) continue;
    // Inside the item, clear of the style's shadow line along the bar's bottom edge.
    const QRect r = bar->actionGeometry(item).adjusted(1, 2, -1, -4);
    std::map<QRgb, int> counts;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        ++counts[image.pixel(int(x * scale), int(y * scale))];
    QRgb background = 0;
    int most = 0;
    for (const auto& [colour, count] : counts)
      if (count > most) std::tie(background, most) = std::pair(colour, count);
    double contrast = 1;
    for (const auto& [colour, count] : counts)
      if (count >= 4) contrast = std::max(contrast, Contrast(colour, background));
    report += QStringLiteral("%1 %2:1 on #%3; ")
                  .arg(item->text())
                  .arg(contrast, 0, 'f', 2)
                  .arg(background & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    worst = any ? std::min(worst, contrast) : contrast;
    any = true;
  }
  return any ? worst : 0;
}

class MenuBarTest : public QObject {
  Q_OBJECT
 private slots:
  void bothMenuBarsInEveryState() {
    fakes::TestWindow t;
    QMainWindow& main = t.open();
    QWidget elsewhere;  // another window of the desktop, to take the focus away
    elsewhere.resize(100, 100);

    auto check = [](const char* state, QMenuBar* bar) {
      QString report;
      const double contrast = WorstItemContrast(bar, report);
      const QString message =
          QStringLiteral("%1 (%2): %3")
              .arg(QString::fromLatin1(state), bar->window()->objectName(), report);
      qInfo("%s", qPrintable(message));
      return contrast >= 4.5 ? QString() : message;
    };
    auto activate = [](QWidget* window) {
      window->show();
      window->activateWindow();
      QApplication::setActiveWindow(window);
      QCoreApplication::processEvents();
      return window->isActiveWindow();
    };

    QStringList failures;
    QVERIFY(main.isActiveWindow());
    failures << check("active", main.menuBar());
    QVERIFY(activate(&elsewhere) && !main.isActiveWindow());
    failures << check("inactive", main.menuBar());

    // The options dialog disables the main window while it is open.
    QVERIFY(activate(&main));
    t.action(QStringLiteral("mnuMsgOptions"))->trigger();
    QPointer<QMainWindow> options;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == QLatin1String("frmMsgOptions"))
        options = qobject_cast<QMainWindow*>(top);
    QCoreApplication::processEvents();
    QVERIFY(options && options->isActiveWindow() && !main.isEnabled());
    failures << check("disabled", main.menuBar());
    failures << check("active", options->menuBar());
    QVERIFY(activate(&elsewhere));
    failures << check("inactive", options->menuBar());
    options->setEnabled(false);
    failures << check("disabled", options->menuBar());
    options->close();

    failures.removeAll(QString());
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
  }
};

}  // namespace

QTEST_MAIN(MenuBarTest)
#include "menubar_test.moc"
