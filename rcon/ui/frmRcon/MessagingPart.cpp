#include "ui/frmRcon/MessagingPart.h"

#include "ui/frmRcon/frmRcon.h"

namespace ui {

MessagingPart::MessagingPart(frmRcon& window) : QObject(&window), window_(window) {}

}  // namespace ui
