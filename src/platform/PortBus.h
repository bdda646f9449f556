#pragma once

#include "platform/ProcessorPorts.h"

#include <cstdint>

namespace platform {

// Byte-wide access to I/O ports: the one seam between the panel and the hardware.
// Both calls throw PrivilegeError when the port may not be touched, having read or
// written nothing.
class PortBus
{
public:
    virtual ~PortBus() = default;
    virtual std::uint8_t read(std::uint16_t port) = 0;
    virtual void write(std::uint16_t port, std::uint8_t value) = 0;
};

// Puts another bus in place of the processor's (a simulated port, for tests);
// nullptr puts the processor's back. The caller keeps ownership.
void installPortBus(PortBus* bus);

namespace detail {
// Null once the processor's instructions can be used straight away; until then, or while
// another bus is installed, the bus to go through.
extern PortBus* detour;
} // namespace detail

// A port access through the bus in use: the processor's own instructions, inline,
// unless another bus was installed. One test and branch on the way to the instruction.
inline std::uint8_t portRead(std::uint16_t port)
{
    if (PortBus* bus = detail::detour)
        return bus->read(port);
    return processorIn(port);
}

inline void portWrite(std::uint16_t port, std::uint8_t value)
{
    if (PortBus* bus = detail::detour)
        bus->write(port, value);
    else
        processorOut(port, value);
}

} // namespace platform
