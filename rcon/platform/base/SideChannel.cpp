// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/base/SideChannel.h"

namespace platform {

UdpSideChannel::UdpSideChannel(QObject* parent, rcon::ExchangeLimits limits)
    : QObject(parent), channel_(socket_, timer_, clock_, limits) {}

}  // namespace platform
