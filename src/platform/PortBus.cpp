#include "platform/PortBus.h"

#include "platform/ProcessorPorts.h"

namespace platform {

namespace {

PortBus* installed = nullptr;

} // namespace

PortBus& portBus()
{
    return installed ? *installed : processorPorts();
}

void installPortBus(PortBus* bus)
{
    installed = bus;
}

} // namespace platform
