#include "SimulatedPort.h"

#include "platform/Exceptions.h"

#include <algorithm>

SimulatedPort::SimulatedPort()
{
    platform::installPortBus(this);
}

SimulatedPort::~SimulatedPort()
{
    platform::installPortBus(nullptr);
}

std::uint8_t SimulatedPort::read(std::uint16_t port)
{
    if (refuse)
        throw platform::PrivilegeError();
    // Where no port answers, the bus floats high.
    const auto it = registers.find(port);
    const std::uint8_t value = it == registers.end() ? 0xFF : it->second;
    log.push_back({Access::Read, port, value});
    return value;
}

void SimulatedPort::write(std::uint16_t port, std::uint8_t value)
{
    if (refuse)
        throw platform::PrivilegeError();
    registers[port] = value;
    log.push_back({Access::Write, port, value});
}

namespace {

std::vector<SimulatedPort::Access> only(const std::vector<SimulatedPort::Access>& log,
                                        SimulatedPort::Access::Kind kind)
{
    std::vector<SimulatedPort::Access> picked;
    std::copy_if(log.begin(), log.end(), std::back_inserter(picked),
                 [kind](const SimulatedPort::Access& a) { return a.kind == kind; });
    return picked;
}

} // namespace

std::vector<SimulatedPort::Access> SimulatedPort::writes() const
{
    return only(log, Access::Write);
}

std::vector<SimulatedPort::Access> SimulatedPort::reads() const
{
    return only(log, Access::Read);
}
