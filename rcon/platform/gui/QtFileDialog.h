// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Open and save dialogs through QFileDialog.
#include <QPointer>
#include <QWidget>

#include "core/Services.h"

namespace platform {

class QtFileDialog final : public rcon::FileDialogService {
 public:
  explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  std::optional<std::string> showOpen(const rcon::FileDialogRequest& request) override;
  std::optional<std::string> showSave(const rcon::FileDialogRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*" as Qt name filters.
QStringList NameFilters(std::string_view filter);

}  // namespace platform
