// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modal message boxes through QMessageBox.
#include <QPointer>
#include <QWidget>

#include "core/Services.h"

namespace platform {

class QtMessageBox final : public rcon::MessageBoxService {
 public:
  // Boxes are centred on parent while it lives.
  explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  rcon::MsgAnswer show(const rcon::MessageBoxRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

// The title a box given none shows.
inline constexpr char kApplicationTitle[] = "VortaneRcon";

}  // namespace platform
