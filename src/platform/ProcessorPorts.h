#pragma once

#include "platform/PortBus.h"

namespace platform {

// The processor's byte-wide in/out instructions. Where the operating system has not
// granted the port, the instruction faults; that fault becomes a PrivilegeError.
PortBus& processorPorts();

// Asks the operating system for the panel's ports (LPT1: 0x378 to 0x37A). A refusal is
// not reported here: the instructions then fault, and that is reported where the user acts.
void requestPortAccess();

} // namespace platform
