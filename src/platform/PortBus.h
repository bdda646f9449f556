#pragma once

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

// The bus in use: the processor's own port instructions unless another was installed.
PortBus& portBus();

// Puts another bus in place of the processor's (a simulated port, for tests);
// nullptr puts the processor's back. The caller keeps ownership.
void installPortBus(PortBus* bus);

} // namespace platform
