#include "ui/frmRcon/FilesPart.h"

#include "ui/frmRcon/frmRcon.h"

namespace ui {

FilesPart::FilesPart(frmRcon& window) : QObject(&window), window_(window) {}

bool FilesPart::Form_QueryUnload() { return true; }

}  // namespace ui
