#include "ui/frmRcon/HelpPart.h"

#include "ui/frmRcon/frmRcon.h"

namespace ui {

HelpPart::HelpPart(frmRcon& window) : QObject(&window), window_(window) {}

}  // namespace ui
