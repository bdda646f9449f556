#include "platform/PortBus.h"

namespace platform {

namespace {

// The processor's instructions, used for the first time: the fault handler goes in
// (late, so that it chains to any handler a library installed at start-up), then the
// detour is no longer needed.
class FirstProcessorAccess final : public PortBus
{
public:
    std::uint8_t read(std::uint16_t port) override
    {
        takeTheDirectRoute();
        return processorIn(port);
    }

    void write(std::uint16_t port, std::uint8_t value) override
    {
        takeTheDirectRoute();
        processorOut(port, value);
    }

private:
    static void takeTheDirectRoute()
    {
        installFaultHandler();
        detail::detour = nullptr;
    }
};

FirstProcessorAccess firstAccess;

} // namespace

PortBus* detail::detour = &firstAccess;

void installPortBus(PortBus* bus)
{
    if (bus)
        detail::detour = bus;
    else
        detail::detour = faultHandlerInstalled() ? nullptr : &firstAccess;
}

} // namespace platform
