#pragma once

#include "platform/PortBus.h"

#include <map>
#include <vector>

// Three LPT registers in memory, installed in place of the processor's ports for its
// lifetime. Every access is logged; refuse makes every access fail as the processor does.
class SimulatedPort final : public platform::PortBus
{
public:
    struct Access
    {
        enum Kind { Read, Write } kind;
        std::uint16_t port;
        std::uint8_t value;
        bool operator==(const Access&) const = default;
    };

    SimulatedPort();
    ~SimulatedPort() override;
    SimulatedPort(const SimulatedPort&) = delete;
    SimulatedPort& operator=(const SimulatedPort&) = delete;

    std::uint8_t read(std::uint16_t port) override;
    void write(std::uint16_t port, std::uint8_t value) override;

    std::vector<Access> writes() const;
    std::vector<Access> reads() const;

    std::map<std::uint16_t, std::uint8_t> registers{{0x378, 0x00}, {0x379, 0x00}, {0x37A, 0x00}};
    std::vector<Access> log;
    bool refuse = false;
};
