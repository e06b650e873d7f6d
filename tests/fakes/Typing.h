// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keyboard input as a user gives it: every key goes to whichever widget has the focus now.
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace fakes {

inline void Type(const QString& text) {
  for (const QChar c : text) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) return;
    QTest::keyClick(target, c.toLatin1());
  }
}

inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  if (QWidget* target = QApplication::focusWidget()) QTest::keyClick(target, key, modifiers);
}

}  // namespace fakes
