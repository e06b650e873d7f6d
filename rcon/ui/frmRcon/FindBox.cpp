// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/FindBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/common/Look.h"
#include "ui/common/WindowSetup.h"

namespace ui {
namespace {

template <class T>
T* named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

FindBox::FindBox(QWidget* mainWindow) : QWidget(mainWindow, kToolWindowFlags) {
  setUpWindow(this, "frmFind", QStringLiteral("Find"));
  applyWindowLook(this);
  auto* label = named(new QLabel(QStringLiteral("Fi&nd what:"), this), "lblFindWhat");
  what_ = named(new QLineEdit(this), "txtFind");
  applyBoxLook(what_);
  label->setBuddy(what_);
  matchCase_ = named(new QCheckBox(QStringLiteral("Match &case"), this), "chkMatchCase");
  up_ = named(new QRadioButton(QStringLiteral("&Up"), this), "optUp");
  down_ = named(new QRadioButton(QStringLiteral("&Down"), this), "optDown");
  down_->setChecked(true);
  findNext_ = named(new QPushButton(QStringLiteral("&Find Next"), this), "cmdFindNext");
  findNext_->setDefault(true);
  findNext_->setEnabled(false);
  auto* cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel");
  result_ = named(new QLabel(this), "lblFindResult");

  auto* grid = new QGridLayout(this);
  grid->addWidget(label, 0, 0);
  grid->addWidget(what_, 0, 1, 1, 2);
  grid->addWidget(findNext_, 0, 3);
  grid->addWidget(matchCase_, 1, 0, 1, 2);
  auto* direction = new QHBoxLayout;
  direction->addWidget(up_);
  direction->addWidget(down_);
  grid->addLayout(direction, 1, 2);
  grid->addWidget(cancel, 1, 3);
  grid->addWidget(result_, 2, 0, 1, 4);
  what_->setMinimumWidth(what_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);

  connect(what_, &QLineEdit::textChanged, this, [this](const QString& text) {
    findNext_->setEnabled(!text.isEmpty());
    result_->clear();
  });
  connect(what_, &QLineEdit::returnPressed, findNext_, &QPushButton::click);
  connect(findNext_, &QPushButton::clicked, this, &FindBox::findNextRequested);
  connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

QString FindBox::needle() const { return what_->text(); }

rcon::SearchOptions FindBox::options() const { return {matchCase_->isChecked(), up_->isChecked()}; }

void FindBox::open() {
  result_->clear();
  show();
  raise();
  activateWindow();
  what_->setFocus(Qt::OtherFocusReason);
  what_->selectAll();
}

void FindBox::setResult(const QString& text) { result_->setText(text); }

void FindBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  // F3 goes on finding from the box as it does from the main window.
  if (event->key() == Qt::Key_F3 && findNext_->isEnabled()) {
    findNext_->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace ui
