// Runs as root inside the emulated PC: 100,000 PortIn calls against 100,000 bare `in`
// instructions, interleaved over several rounds. Prints one line the host reads.

#include "Timing.h"
#include "Unit2.h"

#include <cstdio>
#include <sys/io.h>

namespace {

constexpr int Calls = 100000;
constexpr unsigned short Status = 0x379;

unsigned char bareIn(unsigned short port)
{
    unsigned char value;
    asm volatile("inb %1, %0" : "=a"(value) : "Nd"(port));
    return value;
}

} // namespace

int main()
{
    if (ioperm(0x378, 3, 1) != 0) {
        std::puts("port access: no ioperm in the guest");
        return 1;
    }
    volatile unsigned sink = 0;
    const Paired result =
        interleaved([&] { sink = sink + PortIn(Status); }, [&] { sink = sink + bareIn(Status); }, 15, Calls);
    std::printf("port access: PortIn %.3f us, bare in %.3f us, ratio %.3f\n", result.a * 1e6, result.b * 1e6,
                result.ratio);
    return 0;
}
