// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmRcon/ViewPart.h"

#include "core/ServerServices.h"
#include "core/Services.h"
#include "ui/frmRcon/ConsoleView.h"

namespace ui {

ViewPart::ViewPart(const ViewActions& actions, ConsoleView& console,
                   rcon::ServersFileService* servers, rcon::MessageBoxService& messageBoxes)
    : console_(console), servers_(servers), messageBoxes_(messageBoxes) {
  const bool on = servers_ != nullptr && servers_->load().servers.options.colourCodes;
  actions.colourCodes->setChecked(on);
  console_.setColourCodes(on);
  connect(actions.colourCodes, &QAction::toggled, this, &ViewPart::colourCodesChosen);
}

void ViewPart::colourCodesChosen(bool on) {
  console_.setColourCodes(on);
  if (servers_ == nullptr) return;
  // Read afresh, so that the saved servers written meanwhile are kept as they are.
  rcon::ServersLoad file = servers_->load();
  if (file.servers.options.colourCodes == on) return;
  // A file read with problems would lose what could not be read if written back.
  std::string why = file.problems;
  if (why.empty()) {
    file.servers.options.colourCodes = on;
    why = servers_->save(file.servers);
  }
  if (!why.empty()) {
    messageBoxes_.show(
        {"The Colour Codes setting applies to this run only; it could not be "
         "kept in the saved servers' file.\n\n" +
             why,
         "Vortane Rcon", rcon::MsgButtons::Ok, rcon::MsgIcon::Exclamation, rcon::MsgAnswer::Ok});
  }
}

}  // namespace ui
