// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Edit menu: copying and selecting the console (or the text field being edited), and
// finding text in the console through a small find box. The search runs over the console's
// bytes as received.
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <optional>

#include "core/TextSearch.h"
#include "ui/frmRcon/MainMenus.h"

class QWidget;

namespace ui {

class ConsoleView;
class FindBox;

class EditPart final : public QObject {
  Q_OBJECT
 public:
  EditPart(const EditActions& actions, ConsoleView& console, QWidget& mainWindow);
  ~EditPart() override;

 private:
  void copy();
  void selectAll();
  void openFindBox();
  void findNext();
  std::size_t searchStart(bool backward) const;

  ConsoleView& console_;
  QWidget& mainWindow_;
  QPointer<FindBox> box_;
  // The last match, so that Find Next goes on from it after replies moved the caret away.
  std::optional<rcon::TextMatch> last_;
  std::uint64_t lastGeneration_ = 0;
};

}  // namespace ui
